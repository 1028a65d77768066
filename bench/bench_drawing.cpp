// Cost of the drawing of one edit event (frame redraw and information update) on
// the real Qt surface, against a bare ClearSurface as the floor. Goal: at most
// 1 ms per event. The window's own canvas, which keeps the picture of the frame
// that every edit repeats, at scale 1, 2 and that of a full-HD screen (1909 /
// 1025): goals, at most 6 bare clears of the same surface at scale 1, and 4 ms
// at full HD.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <optional>
#include <random>
#include <vector>

#include "app/SurfaceCanvas.h"
#include "classify/Construction.h"
#include "delgraph/QtCanvas.h"
#include "delgraph/delgraph.h"
#include "drawing/ConstructionDrawing.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "figures/Kind.h"
#include "quiz/ConstructionExercise.h"
#include "quiz/TwoPlanesExercise.h"
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

// An edit of D of a figure with a plane, with the construction and the seen and hidden
// parts on, the most such a figure draws. The line DE crosses the triangle ABC; the
// triangle DEF crosses it as the window's start puts it.
void WindowEditOfD(benchmark::State& state, scene::Figure figure) {
  const double scale = state.range(0) / 1000.0;
  TSurfaceCanvas surface;
  surface.Redraw(scale);
  scene::Scene scene;
  drawing::Painter painter = Activate(surface, scene);
  scene.figure = figure;
  scene.ConstructionOn = true;
  scene.VisibilityOn = true;
  scene.PointA = {40, 10, 10};
  scene.PointB = {-30, 30, 70};
  scene.PointC = {-50, 60, 10};
  scene.PointD = {-60, 20, 60};
  scene.PointE = {40, 50, 5};
  if (figure == scene::Figure::kTwoPlanes) {
    const auto def = quiz::CrossingTriangle(scene.PointA, scene.PointB, scene.PointC);
    scene.PointD = def[0];
    scene.PointE = def[1];
    scene.PointF = def[2];
  }
  scene.Selected = 3;
  scene.SelectedA = false;
  const DihedralPoint D = scene.PointD;
  std::int32_t step = 0;
  for (auto _ : state) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, scene.ProfileOn);
    scene.EditPoint = {D.abscissa, D.alejamiento + (step++ % 8), D.cota};
    figures::InfoUpdate(painter, scene);
    benchmark::DoNotOptimize(surface.Generation());
  }
  benchmark::DoNotOptimize(surface.Image().constBits());
  state.counters["frame_calls_kept"] = static_cast<double>(surface.CachedCalls());
}

// Goal for both: at most 6 bare clears at scale 1, as a plane's edit.
void BM_WindowEdit_LinePlane(benchmark::State& state) {
  WindowEditOfD(state, scene::Figure::kLinePlane);
}
void BM_WindowEdit_TwoPlanes(benchmark::State& state) {
  WindowEditOfD(state, scene::Figure::kTwoPlanes);
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

// "comprobar" on a construction exercise: its markers checked (the construction built
// from the exercise's points first), then the frame redrawn with the exercise's data,
// its first step, the exact answers and the markers, at 2 surface pixels a unit.
// Exercises of every kind in turn, each marker 3 units off, "No existe" where the
// point is missing. Goal: at most 16 ms, one frame, at every scale.
void BM_CheckAndFirstStep(benchmark::State& state) {
  const double scale = state.range(0) / 1000.0;
  TSurfaceCanvas surface;
  surface.Redraw(scale);
  scene::Scene scene;
  drawing::Painter painter = Activate(surface, scene);
  std::mt19937 generator(20261209u);
  const quiz::RandomSource random = [&generator](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
  struct Answered {
    quiz::ConstructionExercise exercise;
    std::vector<std::optional<classify::FlatPoint>> placed;
    std::vector<drawing::PlacedMarker> shown;
  };
  std::vector<Answered> answered;
  for (int i = 0; i < 64; ++i) {
    Answered a{quiz::DrawConstructionExercise(random, static_cast<classify::ConstructionKind>(
                                                          i % classify::kConstructionKinds)),
               {},
               {}};
    for (const classify::Marker& m : quiz::ConstructionOf(a.exercise).markers) {
      std::optional<classify::FlatPoint> at;
      if (m.exact) at = classify::FlatPoint{m.exact->x + 3.0, m.exact->y};
      a.placed.push_back(at);
      a.shown.push_back({m.label, at, false});
    }
    answered.push_back(std::move(a));
  }
  drawing::ConstructionLook look;
  look.steps = 1;
  look.numbered = true;
  look.answers = true;
  look.unit = 2.0;
  std::size_t k = 0, right = 0;
  for (auto _ : state) {
    const Answered& a = answered[k++ % answered.size()];
    const classify::Construction c = quiz::ConstructionOf(a.exercise);
    right += classify::AllRight(classify::CheckMarkers(c, a.placed, classify::kDefaultTolerance));
    painter.Select320x200();
    drawing::RedrawFrame(painter, false);
    drawing::DrawConstruction(painter, c, look, a.shown);
    benchmark::DoNotOptimize(surface.Generation());
  }
  benchmark::DoNotOptimize(surface.Image().constBits());
  benchmark::DoNotOptimize(right);
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
BENCHMARK(BM_WindowEdit_LinePlane)->Arg(kScale1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowEdit_TwoPlanes)->Arg(kScale1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckAndFirstStep)
    ->Arg(kScale1)
    ->Arg(kScale2)
    ->Arg(kFullHd)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditEvent_Point)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditEvent_PointProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditEvent_Line)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditEvent_LineProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawFrameOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InfoUpdateOnly_Line)->Unit(benchmark::kMicrosecond);

}  // namespace
