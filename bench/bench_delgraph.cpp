// Cost of one full picture through the graphics layer on the Qt canvas: the whole
// drawing is redrawn on every edit, so this should stay well under a millisecond.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"

namespace {

// Roughly what one redraw asks for: clear, frame lines, panels, a polygon, circles
// with labels, and a few lines of text.
void DrawPicture() {
  using namespace delgraph;
  SetFillStyle(1, 0);
  ClearSurface();
  SetLineStyle(0, 0, 1);
  SetDrawColor(8);
  for (int i = 0; i < 12; ++i) DrawLine(20 + 80 * i, 40, 60 + 80 * i, 440);
  SetLineStyle(0, 0, 3);
  SetDrawColor(GetMaxColor());
  DrawLine(572, 193, 983, 193);
  SetLineStyle(4, 0, 1);
  DrawLine(40, 300, 500, 300);
  SetLineStyle(0, 0, 1);
  SetFillStyle(1, 7);
  FillBar(560, 20, 1000, 460);
  PointList plane;
  const int xy[8] = {40, 80, 400, 80, 500, 240, 140, 240};
  for (int i = 0; i < 8; ++i) plane.xy[i] = xy[i];
  SetFillStyle(1, 11);
  FillPolygon(4, plane);
  SetTextStyle(1, 0, 10);
  for (int k = 0; k < 4; ++k) {
    SetDrawColor(12);
    DrawCircle(600 + 90 * k, 120, 3);
    DrawText(606 + 90 * k, 108, "A'");
  }
  SetBackColor(15);
  SetDrawColor(1);
  DrawText(20, 450, "Primer Cuadrante");
  DrawText(20, 465, "A(10, 20, 30)  B(-5, 40, 12)");
}

void BM_FullPicture(benchmark::State& state) {
  int argc = 1;
  char name[] = "bench_delgraph";
  char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  delgraph::QtCanvas canvas;
  delgraph::AttachSurface(&canvas, 1024, 768);
  for (auto _ : state) {
    DrawPicture();
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
  delgraph::ResetDelgraph();
}
BENCHMARK(BM_FullPicture)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
