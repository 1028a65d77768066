// Cost of the drawing of one edit event (frame redraw and information update) on
// the real Qt surface, against a bare ClearSurface as the floor. Goal: at most
// 1 ms per event. The window's own canvas, which keeps the picture of the frame
// that every edit repeats, at scale 1, 2 and that of a full-HD screen (1909 /
// 1025): goals, at most 6 bare clears of the same surface at scale 1, and 4 ms
// at full HD.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "app/SurfaceCanvas.h"
#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "figures/Kind.h"
#include "scene/Scene.h"

namespace {

// The state right after activation, on a fresh surface of the paint box's size.
drawing::Painter Activate(delgraph::Canvas& surface, scene::Scene& scene) {
  drawing::Painter painter;
  scene = scene::Scene{};
  painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
  scene::Activate(scene);
  painter.AttachSurface(&surface, 1024, 768);
  painter.Select640x480();
  painter.palette.SetEntry(0, 250, 250, 255);
  return painter;
}

// One scroll-bar step: select the space, redraw the frame, move, update.
void EditEvent(benchmark::State& state, bool pointMode, bool profile) {
  delgraph::QtCanvas surface(1025, 481);
  scene::Scene scene;
  drawing::Painter painter = Activate(surface, scene);
  scene.figure = pointMode ? scene::Figure::kPoint : scene::Figure::kLine;
  scene.ProfileOn = profile;
  scene.PointA = {20, 40, 30};
  scene.SelectedA = false;
  std::int32_t step = 0;
  for (auto _ : state) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, scene.ProfileOn);
    scene.EditPoint = {-50, -30 + (step++ & 7), 60};
    figures::InfoUpdate(painter, scene);
    benchmark::DoNotOptimize(surface.Generation());
  }
  // Make the painter finish what it was given inside the timing loop.
  benchmark::DoNotOptimize(surface.Image().constBits());
}

void BM_EditEvent_Point(benchmark::State& state) {
  EditEvent(state, true, false);
}
void BM_EditEvent_PointProfile(benchmark::State& state) {
  EditEvent(state, true, true);
}
void BM_EditEvent_Line(benchmark::State& state) {
  EditEvent(state, false, false);
}
void BM_EditEvent_LineProfile(benchmark::State& state) {
  EditEvent(state, false, true);
}

// The two halves of a line event, to see which one dominates.
void BM_RedrawFrameOnly(benchmark::State& state) {
  delgraph::QtCanvas surface(1025, 481);
  scene::Scene scene;
  drawing::Painter painter = Activate(surface, scene);
  for (auto _ : state) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, false);
    benchmark::DoNotOptimize(surface.Generation());
  }
  benchmark::DoNotOptimize(surface.Image().constBits());
}

void BM_InfoUpdateOnly_Line(benchmark::State& state) {
  delgraph::QtCanvas surface(1025, 481);
  scene::Scene scene;
  drawing::Painter painter = Activate(surface, scene);
  scene.figure = scene::Figure::kLine;
  scene.PointA = {20, 40, 30};
  scene.SelectedA = false;
  scene.EditPoint = {-50, -30, 60};
  for (auto _ : state) {
    figures::InfoUpdate(painter, scene);
    benchmark::DoNotOptimize(surface.Generation());
  }
  benchmark::DoNotOptimize(surface.Image().constBits());
}

// The floor: one bare clear of the whole surface.
void BM_ClearSurface(benchmark::State& state) {
  delgraph::QtCanvas surface(1025, 481);
  scene::Scene scene;
  drawing::Painter painter = Activate(surface, scene);
  for (auto _ : state) {
    painter.SetFillStyle(1, 0);
    painter.ClearSurface();
    benchmark::DoNotOptimize(surface.Generation());
  }
  benchmark::DoNotOptimize(surface.Image().constBits());
}

// The window's canvas at a scale: device pixels per surface pixel. The edited
// alejamiento runs through `values` values, over and over.
void WindowEdit(benchmark::State& state, bool pointMode, bool plane = false, int values = 8) {
  const double scale = state.range(0) / 1000.0;
  TSurfaceCanvas surface;
  surface.Redraw(scale);
  scene::Scene scene;
  drawing::Painter painter = Activate(surface, scene);
  // B edited; C at its start value
  scene.figure = plane       ? scene::Figure::kPlane
                 : pointMode ? scene::Figure::kPoint
                             : scene::Figure::kLine;
  scene.PointA = {20, 40, 30};
  scene.SelectedA = false;
  std::int32_t step = 0;
  for (auto _ : state) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, scene.ProfileOn);
    scene.EditPoint = {-50, -30 + (step++ % values), 60};
    figures::InfoUpdate(painter, scene);
    benchmark::DoNotOptimize(surface.Generation());
  }
  benchmark::DoNotOptimize(surface.Image().constBits());
  state.counters["frame_calls_kept"] = static_cast<double>(surface.CachedCalls());
}

void BM_WindowEdit_Point(benchmark::State& state) {
  WindowEdit(state, true);
}
void BM_WindowEdit_Line(benchmark::State& state) {
  WindowEdit(state, false);
}
// A plane's edit: goal, at most 6 bare clears at scale 1, as a line's.
void BM_WindowEdit_Plane(benchmark::State& state) {
  WindowEdit(state, false, true);
}
// The same with texts never seen lately: each edit's new texts are measured and
// drawn glyph by glyph, none put down from the canvas's pictures of texts.
void BM_WindowEdit_PlaneNewTexts(benchmark::State& state) {
  WindowEdit(state, false, true, 60);
}

// The floor at a scale: a bare clear of a plain canvas of the same size.
void BM_ClearSurfaceAtScale(benchmark::State& state) {
  delgraph::QtCanvas surface(1025, 481, state.range(0) / 1000.0);
  scene::Scene scene;
  drawing::Painter painter = Activate(surface, scene);
  for (auto _ : state) {
    painter.SetFillStyle(1, 0);
    painter.ClearSurface();
    benchmark::DoNotOptimize(surface.Generation());
  }
  benchmark::DoNotOptimize(surface.Image().constBits());
}

// Scales in thousandths: 1, 2, and a full-HD screen, (1920 - 11) / 1025.
constexpr int kScale1 = 1000, kScale2 = 2000, kFullHd = 1862;

BENCHMARK(BM_ClearSurface)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClearSurfaceAtScale)
    ->Arg(kScale1)
    ->Arg(kScale2)
    ->Arg(kFullHd)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowEdit_Point)
    ->Arg(kScale1)
    ->Arg(kScale2)
    ->Arg(kFullHd)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowEdit_Line)
    ->Arg(kScale1)
    ->Arg(kScale2)
    ->Arg(kFullHd)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowEdit_Plane)->Arg(kScale1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowEdit_PlaneNewTexts)->Arg(kScale1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditEvent_Point)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditEvent_PointProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditEvent_Line)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditEvent_LineProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawFrameOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InfoUpdateOnly_Line)->Unit(benchmark::kMicrosecond);

}  // namespace
