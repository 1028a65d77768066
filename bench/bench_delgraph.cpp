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
void DrawPicture(delgraph::Graphics& g) {
  using namespace delgraph;
  g.SetFillStyle(1, 0);
  g.ClearSurface();
  g.SetLineStyle(0, 0, 1);
  g.SetDrawColor(8);
  for (int i = 0; i < 12; ++i) g.DrawLine(20 + 80 * i, 40, 60 + 80 * i, 440);
  g.SetLineStyle(0, 0, 3);
  g.SetDrawColor(GetMaxColor());
  g.DrawLine(572, 193, 983, 193);
  g.SetLineStyle(4, 0, 1);
  g.DrawLine(40, 300, 500, 300);
  g.SetLineStyle(0, 0, 1);
  g.SetFillStyle(1, 7);
  g.FillBar(560, 20, 1000, 460);
  PointList plane;
  const int xy[8] = {40, 80, 400, 80, 500, 240, 140, 240};
  for (int i = 0; i < 8; ++i) plane.xy[i] = xy[i];
  g.SetFillStyle(1, 11);
  g.FillPolygon(4, plane);
  g.SetTextStyle(1, 0, 10);
  for (int k = 0; k < 4; ++k) {
    g.SetDrawColor(12);
    g.DrawCircle(600 + 90 * k, 120, 3);
    g.DrawText(606 + 90 * k, 108, "A'");
  }
  g.SetBackColor(15);
  g.SetDrawColor(1);
  g.DrawText(20, 450, "Primer Cuadrante");
  g.DrawText(20, 465, "A(10, 20, 30)  B(-5, 40, 12)");
}

void BM_FullPicture(benchmark::State& state) {
  int argc = 1;
  char name[] = "bench_delgraph";
  char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  delgraph::QtCanvas canvas;
  delgraph::Graphics g;
  g.AttachSurface(&canvas, 1024, 768);
  for (auto _ : state) {
    DrawPicture(g);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_FullPicture)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
