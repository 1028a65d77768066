// Cost of a line's edit event with its traces shown, on the real Qt surface, next
// to the same event without them. Goal: the traces keep an event within 1 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdint>

#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "drawing/TraceDrawing.h"
#include "figures/Kind.h"
#include "scene/Scene.h"

namespace {

// B is edited; A = (-10, 40, 40) with B near (50, 60, 80) puts both traces beyond A,
// and a cota of 39 for B puts H some 2400 pixels outside the drawing: long dashes.
void LineEvent(benchmark::State& state, bool traces, std::int32_t bCota) {
  delgraph::QtCanvas surface(1025, 481);
  drawing::Painter painter;
  scene::Scene scene;
  painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
  scene::Activate(scene);
  painter.AttachSurface(&surface, 1024, 768);
  painter.palette.SetEntry(0, 250, 250, 255);
  scene.TracesOn = traces;
  scene.figure = scene::Figure::kLine;
  scene.PointA = {-10, 40, 40};
  scene.SelectedA = false;
  std::int32_t step = 0;
  for (auto _ : state) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, false);
    scene.EditPoint = {50, 60 + (step++ & 7), bCota};
    figures::InfoUpdate(painter, scene);
    benchmark::DoNotOptimize(surface.Generation());
  }
  benchmark::DoNotOptimize(surface.Image().constBits());
}

void BM_LineEvent_NoTraces(benchmark::State& state) {
  LineEvent(state, false, 80);
}
void BM_LineEvent_Traces(benchmark::State& state) {
  LineEvent(state, true, 80);
}
void BM_LineEvent_FarTrace(benchmark::State& state) {
  LineEvent(state, true, 39);
}

BENCHMARK(BM_LineEvent_NoTraces)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineEvent_Traces)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LineEvent_FarTrace)->Unit(benchmark::kMicrosecond);

}  // namespace
