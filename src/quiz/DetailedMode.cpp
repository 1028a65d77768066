#include "quiz/DetailedMode.h"

#include <algorithm>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/TrueNames.h"
#include "delgraph/delgraph.h"
#include "drawing/Projections.h"
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

bool Contains(const std::vector<std::int32_t>& codes, std::int32_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

void SetDetailedMode(Quiz& quiz, scene::Scene& scene, bool on) {
  quiz.DetailedMode = on;
  UpdateCoordinateDisplay(quiz, scene);
}

void SetHideCoordinates(Quiz& quiz, scene::Scene& scene, bool on) {
  quiz.HideCoordinates = on;
  UpdateCoordinateDisplay(quiz, scene);
}

Exercise ExerciseOf(scene::Figure figure, const DihedralPoint& A, const DihedralPoint& B) {
  Exercise e;
  e.set = true;
  e.figure = figure;
  e.A = A;
  e.B = B;
  if (figure == scene::Figure::kPoint) {
    e.classCode = classify::PointLocation(A.alejamiento, A.cota).code;
  } else {
    e.classCode = classify::LineType(A, B).code;
    e.relationCode = classify::LineRelation(A, B).code;
    e.trueTypes = classify::TrueTypes(A, B);
    e.trueRelations = classify::TrueRelations(A, B);
  }
  return e;
}

Exercise PlaneExerciseOf(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C) {
  Exercise e;
  e.set = true;
  e.figure = scene::Figure::kPlane;
  e.A = A;
  e.B = B;
  e.C = C;
  e.classCode = classify::PlaneType(A, B, C).code;
  e.trueTypes = PlaneTrueCodes(A, B, C);
  return e;
}

bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) {
  if (e.figure == scene::Figure::kPlane)
    return detailed ? Contains(e.trueTypes, a.chosen) : a.chosen == e.classCode;
  // A point's location is unique: both judgements agree.
  if (e.figure == scene::Figure::kPoint) return a.chosen == e.classCode;
  if (!detailed) return a.chosen == e.classCode && a.relation == e.relationCode;
  return Contains(e.trueTypes, a.chosen) && Contains(e.trueRelations, a.relation);
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
