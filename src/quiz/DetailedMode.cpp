#include "quiz/DetailedMode.h"

#include <algorithm>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/TrueNames.h"
#include "delgraph/delgraph.h"
#include "drawing/Projections.h"
#include "figures/Kind.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Quiz.h"

namespace quiz {

namespace {

constexpr std::int32_t kClearBrush = 1;
constexpr std::int32_t kExplanationColour = 9;  // the verdict's light blue
constexpr std::uint16_t kExplanationFont = 1;   // Arial: metrics that hold on every system
constexpr std::uint16_t kExplanationSize = 10;

void UpdateCoordinateDisplay(const Quiz& quiz, scene::Scene& scene) {
  scene.CoordinatesHidden = quiz.DetailedMode && quiz.HideCoordinates;
}

}  // namespace

void SetDetailedMode(Quiz& quiz, scene::Scene& scene, bool on) {
  quiz.DetailedMode = on;
  UpdateCoordinateDisplay(quiz, scene);
}

void SetHideCoordinates(Quiz& quiz, scene::Scene& scene, bool on) {
  quiz.HideCoordinates = on;
  UpdateCoordinateDisplay(quiz, scene);
}

Exercise ExerciseOf(scene::Figure figure, const DihedralPoint& A, const DihedralPoint& B) {
  return figures::KindOf(figure).ExerciseOf({A, B});
}

Exercise PlaneExerciseOf(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C) {
  return figures::KindOf(scene::Figure::kPlane).ExerciseOf({A, B, C});
}

bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) {
  return figures::KindOf(e.figure).JudgedRight(e, a, detailed);
}

std::string Explanation(const Exercise& e, const Answer& a) {
  return figures::KindOf(e.figure).Explanation(e, a);
}

void DrawExplanation(drawing::Painter& painter, const std::string& sentence) {
  if (sentence.empty()) return;
  const delgraph::ColorValue pen = painter.GetPenColor();
  painter.SetBrushStyle(kClearBrush);
  painter.SetTextStyle(kExplanationFont, 0, kExplanationSize);
  painter.SetDrawColor(kExplanationColour);
  painter.DrawText(kExplanationX, kExplanationY, sentence);
  drawing::RestoreTextStyle(painter);
  painter.SetPenColorValue(pen);
}

}  // namespace quiz
