#include "quiz/TestMode.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/Vocabulary.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "drawing/PlaneTexts.h"
#include "drawing/Projections.h"
#include "figures/Kind.h"
#include "quiz/ConstructionRound.h"
#include "quiz/DetailedMode.h"
#include "quiz/IncidenceExercise.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Quiz.h"
#include "quiz/Results.h"
#include "quiz/TwoPlanesExercise.h"
#include "scene/Scene.h"

namespace quiz {

namespace {

RandomSource scriptedSource;

// Seeded once, from a high-resolution clock, on first use: reseeding from a clock
// at every exercise would repeat an exercise whenever two fall into one tick.
std::mt19937& Generator() {
  static std::mt19937 generator = [] {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    return std::mt19937(seed);
  }();
  return generator;
}

// Palette numbers and styles used by the score panel.
constexpr std::uint16_t kSolidFill = 1;
constexpr std::int32_t kClearBrush = 1;
constexpr std::int32_t kPanelFace = 7;
constexpr std::int32_t kPanelLight = 15;
constexpr std::int32_t kPanelDark = 8;
constexpr std::int32_t kTrackColour = 3;
constexpr std::int32_t kBarColour = 12;
constexpr std::int32_t kScoreTextColour = 6;
constexpr std::int32_t kVerdictColour = 9;

// The score panel, its two bar tracks (hits above, misses below) and their labels.
constexpr std::int32_t kBarLeft = 209;
constexpr std::int32_t kTrackRight = 304;
constexpr std::int32_t kHitsTop = 387, kHitsBottom = 396;
constexpr std::int32_t kMissesTop = 409, kMissesBottom = 418;

// Exercise coordinates below this magnitude become 0, so exercises on the ground
// line and in the planes come up regularly.
constexpr std::int32_t kSmallestCoordinate = 10;

std::int32_t ZeroIfSmall(std::int32_t v) {
  return v < kSmallestCoordinate ? 0 : v;
}
std::int32_t SignedBy(std::int32_t v, std::int32_t sign) {
  return sign == 0 ? -v : v;
}

// Counts never wrap, however long the run.
std::int32_t CountOneMore(std::int32_t count) {
  return count < std::numeric_limits<std::int32_t>::max() ? count + 1 : count;
}

// Each answer widens its bar by 2 pixels; computed wide so no count can overflow.
std::int32_t BarEnd(std::int32_t count) {
  return scene::Saturate32(static_cast<std::int64_t>(kBarLeft) +
                           2 * static_cast<std::int64_t>(count));
}

// The exercise waiting has a plane: what was set decides, whatever the scene's mode.
bool PlaneExerciseSet(const Exercise& e) {
  return e.set && e.figure >= scene::Figure::kPlane;
}

// The figure with a plane that a draw of Random(3) picks.
scene::Figure WithPlaneFigure(std::int32_t r) {
  return r == 0   ? scene::Figure::kPointPlane
         : r == 1 ? scene::Figure::kLinePlane
                  : scene::Figure::kTwoPlanes;
}

// The kind the answer is read and judged as: an exercise with a plane its own,
// otherwise the scene's figure.
const figures::Kind& AnswerKind(const Exercise& e, const scene::Scene& scene) {
  return figures::KindOf(PlaneExerciseSet(e) ? e.figure : scene.figure);
}

}  // namespace

// Marks the picture as an exercise. The top-left corner of the space-view panel is
// empty in both frames and no generated point reaches it, so the title hides
// nothing; the clear brush gives it no background box.
void DrawTestTitle(drawing::Painter& painter) {
  // The pen goes back as it was: the next profile frame draws its traces in it.
  const delgraph::ColorValue pen = painter.GetPenColor();
  painter.SetBrushStyle(kClearBrush);
  painter.SetTextStyle(0, 0, 18);
  painter.SetDrawColor(kVerdictColour);
  painter.DrawText(8, 16, "T E S T");
  drawing::RestoreTextStyle(painter);
  painter.SetPenColorValue(pen);
}

void SetRandomSource(RandomSource source) {
  scriptedSource = std::move(source);
}

std::int32_t Random(std::int32_t n) {
  // An empty range has nothing to draw (and would make the distribution undefined).
  if (n <= 0) return 0;
  if (scriptedSource) return scriptedSource(n);
  std::uniform_int_distribution<std::int32_t> distribution(0, n - 1);
  return distribution(Generator());
}

ExerciseBounds CurrentBounds(drawing::Painter& painter) {
  // The abscissa bound uses the vertical mapping, the other two the horizontal one.
  return ExerciseBounds{painter.ScaleY(40), painter.ScaleX(45)};
}

GeneratedExercise DrawExercise(const RandomSource& random, ExerciseBounds bounds) {
  GeneratedExercise e;
  e.figure = random(2) == 1 ? scene::Figure::kPoint : scene::Figure::kLine;
  std::int32_t sign[6];
  for (std::int32_t& s : sign) s = random(2);

  DihedralPoint& a = e.a;
  DihedralPoint& b = e.b;
  a.abscissa = random(bounds.abscissa);
  a.alejamiento = random(bounds.distance);
  a.cota = random(bounds.distance);
  b.abscissa = a.abscissa;
  b.cota = random(50);
  if (b.cota % 2 == 0) b.cota = a.cota;
  b.alejamiento = random(50);
  if (b.alejamiento % 2 == 0) b.alejamiento = a.alejamiento;

  a.abscissa = ZeroIfSmall(a.abscissa);
  b.abscissa = ZeroIfSmall(b.abscissa);
  a.alejamiento = ZeroIfSmall(a.alejamiento);
  a.cota = ZeroIfSmall(a.cota);
  b.alejamiento = ZeroIfSmall(b.alejamiento);
  b.cota = ZeroIfSmall(b.cota);

  b.alejamiento = SignedBy(b.alejamiento, sign[2]);
  b.cota = SignedBy(b.cota, sign[3]);
  a.alejamiento = SignedBy(a.alejamiento, sign[0]);
  a.cota = SignedBy(a.cota, sign[1]);
  a.abscissa = SignedBy(a.abscissa, sign[4]);
  b.abscissa = SignedBy(b.abscissa, sign[5]);
  return e;
}

GeneratedExercise DrawWithPlaneExercise(const RandomSource& random, ExerciseBounds bounds,
                                        scene::Figure figure) {
  GeneratedExercise g;
  g.figure = figure;
  if (figure == scene::Figure::kPointPlane) {
    const PointPlaneExercise e = DrawPointPlaneExercise(random, bounds);
    g.a = e.a;
    g.b = e.b;
    g.c = e.c;
    g.more[0] = e.p;
  } else if (figure == scene::Figure::kLinePlane) {
    const LinePlaneExercise e = DrawLinePlaneExercise(random, bounds);
    g.a = e.a;
    g.b = e.b;
    g.c = e.c;
    g.more = {e.d, e.e, DihedralPoint{}};
  } else {
    const classify::SixPoints six = DrawTwoPlanesExercise(random, bounds);
    g.a = six[0];
    g.b = six[1];
    g.c = six[2];
    g.more = {six[3], six[4], six[5]};
  }
  return g;
}

void DrawWaitingExercise(drawing::Painter& painter, scene::Scene& scene, const GeneratedExercise& e,
                         bool titled) {
  const figures::Kind& kind = figures::KindOf(e.figure);
  scene.figure = e.figure;
  scene.PointA = e.a;
  scene.PointB = e.b;
  // A third point is the exercise's; otherwise C keeps what the student gave it.
  if (kind.PointCount() > 2) scene.PointC = e.c;
  for (std::size_t k = 3; k < kind.PointCount(); ++k)
    scene.Point(static_cast<int>(k)) = e.more[k - 3];
  scene.AnswerHidden = true;

  drawing::FullRedraw(painter, scene.ProfileOn);
  kind.DrawExercise(painter, scene);
  if (titled) DrawTestTitle(painter);
}

WindowChanges NewExercise(drawing::Painter& painter, scene::Scene& scene, Quiz& quiz) {
  // The bounds follow the logical space current now: 97 and 144 after an edit or an
  // earlier exercise, 40 and 72 right after start-up.
  // With plane exercises on, one in three names a plane's type, its type drawn
  // first; of the others, one in two sets a point, a line or a second plane with a
  // plane (a third each), drawn after that choice; the rest are the seed's points and
  // lines. Off, no draw is added.
  // With construction exercises on, that choice is drawn before all the others.
  if (quiz.ConstructionExercisesOn && Random(3) == 0) return NewConstructionExercise(painter, quiz);
  quiz.Construction.reset();
  const ExerciseBounds bounds = CurrentBounds(painter);
  const bool plane = quiz.PlaneExercisesOn && Random(3) == 0;
  const bool withPlane = quiz.PlaneExercisesOn && !plane && Random(2) == 0;
  const GeneratedExercise e =
      plane       ? DrawPlaneExercise(Random, bounds)
      : withPlane ? DrawWithPlaneExercise(Random, bounds, WithPlaneFigure(Random(3)))
                  : DrawExercise(Random, bounds);
  quiz.ExerciseAnswered = false;
  DrawWaitingExercise(painter, scene, e);

  // The right answer, judged later against the lists.
  quiz.CurrentExercise = figures::KindOf(e.figure).ExerciseOf(e.Points());

  WindowChanges changes;
  // A fair start: no choice is left over from the last exercise.
  if (quiz.DetailedMode) {
    changes.resetLists = {AnswerList::SelPunto, AnswerList::SelREcta, AnswerList::DefREcta};
    if (quiz.PlaneExercisesOn)
      changes.resetLists.insert(
          changes.resetLists.end(),
          {AnswerList::SelPlano, AnswerList::SelPertenece, AnswerList::SelRectaPlano,
           AnswerList::SelPlanos, AnswerList::SelInterseccion});
  }
  changes.showLists = figures::KindOf(e.figure).Lists();
  // The exercise always starts on A: a "B" caption is only turned back. Running
  // the A/B handler here instead could select B, or move A away from the point
  // whose codes were just recorded.
  changes.captionToA = true;
  scene.SelectedA = true;
  scene.Selected = 0;
  scene.EditPoint = scene.PointA;

  drawing::RestoreTextStyle(painter);
  return changes;
}

WindowChanges CheckAnswer(drawing::Painter& painter, scene::Scene& scene, Quiz& quiz,
                          const ListChoices& choices) {
  WindowChanges changes;
  if (quiz.ExerciseAnswered) {
    changes.showTest = true;
    return changes;
  }
  if (quiz.Construction) return CheckConstruction(painter, quiz);
  changes.label7 = std::to_string(quiz.CurrentExercise.classCode);

  const Exercise& exercise = quiz.CurrentExercise;
  const figures::Kind& kind = AnswerKind(exercise, scene);
  const Answer answer = kind.ReadAnswer(choices);
  // Both judgements use what was recorded when the exercise was set.
  const bool right = quiz.DetailedMode && exercise.set ? JudgedRight(exercise, answer, true)
                                                       : kind.JudgedRight(exercise, answer, false);
  CountAnswer(quiz, right);
  quiz.ExerciseAnswered = true;

  kind.DrawAnswered(painter, scene);
  scene.AnswerHidden = false;

  DrawScorePanel(painter, quiz);

  // Reveals the names; they describe the points as they are now.
  kind.ShowNames(painter, scene);

  DrawVerdict(painter, right);

  if (exercise.set) {
    if (quiz.DetailedMode && !right) DrawExplanation(painter, Explanation(exercise, answer));
    RecordResult(quiz, exercise, answer, right, quiz.DetailedMode);
  }

  changes.showButtons = true;
  return changes;
}

void CountAnswer(Quiz& quiz, bool right) {
  if (right)
    quiz.TestHits = CountOneMore(quiz.TestHits);
  else
    quiz.TestMisses = CountOneMore(quiz.TestMisses);
}

void DrawScorePanel(drawing::Painter& painter, const Quiz& quiz) {
  DrawBevelPanel(painter, 203, 374, 309, 424, 1);
  painter.SetFillStyle(kSolidFill, kTrackColour);
  painter.FillBar(kBarLeft, kMissesTop, kTrackRight, kMissesBottom);
  painter.SetFillStyle(kSolidFill, kTrackColour);
  painter.FillBar(kBarLeft, kHitsTop, kTrackRight, kHitsBottom);
  painter.SetFillStyle(kSolidFill, kBarColour);
  painter.FillBar(kBarLeft, kMissesTop, BarEnd(quiz.TestMisses), kMissesBottom);
  painter.FillBar(kBarLeft, kHitsTop, BarEnd(quiz.TestHits), kHitsBottom);

  painter.SetFillStyle(kSolidFill, kTrackColour);
  painter.SetLineStyle(0, 0, 1);
  painter.SetTextStyle(2, 0, 0);
  painter.SetDrawColor(kScoreTextColour);
  painter.SetBrushStyle(kClearBrush);
  painter.DrawText(209, 373, "aciertos:" + std::to_string(quiz.TestHits));
  painter.DrawText(210, 396, "fallos:" + std::to_string(quiz.TestMisses));
  drawing::RestoreTextStyle(painter);
}

void DrawVerdict(drawing::Painter& painter, bool right) {
  painter.SetBrushStyle(kClearBrush);
  painter.SetTextStyle(0, 0, 18);
  painter.SetDrawColor(kVerdictColour);
  if (right)
    painter.DrawText(375, 300, " C O R R E C T O ");
  else
    painter.DrawText(365, 300, " I N C O R R E C T O ");
  drawing::RestoreTextStyle(painter);
}

void DrawBevelPanel(drawing::Painter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                    std::int32_t y2, std::uint8_t raised) {
  // Any style but 0 draws raised.
  const std::int32_t light = raised != 0 ? kPanelLight : kPanelDark;
  const std::int32_t dark = raised != 0 ? kPanelDark : kPanelLight;
  // Inner corners computed wide: the panel's edges may lie at the ends of the range.
  const auto inner = [](std::int32_t v, std::int32_t by) {
    return scene::Saturate32(static_cast<std::int64_t>(v) + by);
  };

  painter.SetLineStyle(0, 0, 1);
  painter.SetFillStyle(kSolidFill, kPanelFace);
  painter.SetDrawColor(kPanelLight);
  painter.FillBar(inner(x1, 1), inner(y1, 1), inner(x2, -1), inner(y2, -1));

  painter.SetFillStyle(kSolidFill, kTrackColour);
  painter.SetDrawColor(light);
  painter.DrawLine(x1, y1, x2, y1);
  painter.DrawLine(inner(x1, 1), inner(y1, 1), inner(x2, -1), inner(y1, 1));
  painter.DrawLine(x1, y1, x1, y2);
  painter.DrawLine(inner(x1, 1), inner(y1, 1), inner(x1, 1), inner(y2, -1));

  painter.SetFillStyle(kSolidFill, kTrackColour);
  painter.SetDrawColor(dark);
  painter.DrawLine(x2, y1, x2, y2);
  painter.DrawLine(inner(x2, -1), inner(y1, 1), inner(x2, -1), inner(y2, -1));
  painter.DrawLine(x1, y2, x2, y2);
  painter.DrawLine(inner(x1, 1), inner(y2, -1), inner(x2, -1), inner(y2, -1));
}

void ResetQuiz() {
  scriptedSource = nullptr;
}

}  // namespace quiz
