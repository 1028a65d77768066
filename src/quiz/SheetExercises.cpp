#include "quiz/SheetExercises.h"

#include <algorithm>
#include <iterator>
#include <random>
#include <string>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/TrueNames.h"
#include "classify/Vocabulary.h"
#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "scene/Scene.h"

namespace quiz {

namespace {

// Saves the logical mapping and the surface extent it is built on, and gives them
// back: working out the bounds must not move the window's picture.
class MappingGuard {
 public:
  MappingGuard()
      : current_(drawing::CurrentWindow),
        width_(drawing::WindowWidth),
        height_(drawing::WindowHeight),
        factorX_(scene::ScaleFactorX),
        factorY_(scene::ScaleFactorY),
        surfaceWidth_(scene::SurfaceWidth),
        surfaceHeight_(scene::SurfaceHeight) {
    std::copy(std::begin(drawing::LogicalWindowTable), std::end(drawing::LogicalWindowTable),
              std::begin(table_));
  }
  ~MappingGuard() {
    std::copy(std::begin(table_), std::end(table_), std::begin(drawing::LogicalWindowTable));
    drawing::CurrentWindow = current_;
    drawing::WindowWidth = width_;
    drawing::WindowHeight = height_;
    scene::ScaleFactorX = factorX_;
    scene::ScaleFactorY = factorY_;
    scene::SurfaceWidth = surfaceWidth_;
    scene::SurfaceHeight = surfaceHeight_;
  }
  MappingGuard(const MappingGuard&) = delete;
  MappingGuard& operator=(const MappingGuard&) = delete;

 private:
  drawing::LogicalWindow table_[6];
  std::uint8_t current_;
  double width_, height_, factorX_, factorY_;
  std::int32_t surfaceWidth_, surfaceHeight_;
};

bool Wanted(const GeneratedExercise& e, SheetKind kind) {
  switch (kind) {
    case SheetKind::kPoints:
      return e.pointMode;
    case SheetKind::kLines:
    case SheetKind::kQuadrants:
      return !e.pointMode;
    case SheetKind::kMixed:
    case SheetKind::kPlanes:
      return true;
  }
  return true;
}

// The classification texts carry blanks of their own for the window's layout.
std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// " (también X, Y)" for the true codes other than the one already named.
std::string AlsoTrue(const std::vector<std::int32_t>& codes, std::int32_t named,
                     std::string (*nameOf)(std::int32_t)) {
  std::string text;
  for (const std::int32_t code : codes) {
    const std::string name = nameOf(code);
    if (code == named || name.empty()) continue;
    text += (text.empty() ? " (también " : ", ") + name;
  }
  return text.empty() ? text : text + ")";
}

}  // namespace

std::string QuadrantsText(const std::vector<std::int32_t>& codes) {
  std::string text = "cuadrantes ";
  for (std::size_t k = 0; k < codes.size(); ++k) {
    if (k > 0) text += ", ";
    // 1..4 are quadrants; a line in H or V crosses the halves of the plane.
    text +=
        codes[k] >= 1 && codes[k] <= 4 ? std::to_string(codes[k]) + "º" : LocationName(codes[k]);
  }
  return text;
}

const std::vector<SheetKindRow>& SheetKinds() {
  static const std::vector<SheetKindRow> rows = {
      {SheetKind::kMixed, "mixtos", "mixed", "Mixtos (puntos, rectas y planos)"},
      {SheetKind::kPoints, "puntos", "points", "Puntos"},
      {SheetKind::kLines, "rectas", "lines", "Rectas"},
      {SheetKind::kPlanes, "planos", "planes", "Planos"},
      {SheetKind::kQuadrants, "cuadrantes", "quadrants", "Cuadrantes que atraviesa una recta"},
  };
  return rows;
}

ExerciseBounds BoundsAfterEdit() {
  const MappingGuard guard;
  // The extent the activation gives the scene: the layer's fixed bounds.
  scene::SurfaceWidth = delgraph::GetMaxX();
  scene::SurfaceHeight = delgraph::GetMaxY();
  drawing::Select320x200();
  return CurrentBounds();
}

std::vector<GeneratedExercise> SheetExercises(int count, std::uint32_t seed, SheetKind kind) {
  std::vector<GeneratedExercise> exercises;
  if (count <= 0) return exercises;
  exercises.reserve(static_cast<std::size_t>(count));
  std::mt19937 generator(seed);
  // The same uniform draw as test mode's Random.
  const RandomSource random = [&generator](std::int32_t n) -> std::int32_t {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
  const ExerciseBounds bounds = BoundsAfterEdit();
  // The planes' own draws, apart from the seed's points and lines.
  std::mt19937 planeGenerator(seed ^ 0x9e3779b9u);
  const RandomSource planeRandom = [&planeGenerator](std::int32_t n) -> std::int32_t {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(planeGenerator);
  };
  while (static_cast<int>(exercises.size()) < count) {
    // One exercise in three on a mixed sheet is a plane.
    if (kind == SheetKind::kPlanes || (kind == SheetKind::kMixed && planeRandom(3) == 0)) {
      exercises.push_back(DrawPlaneExercise(planeRandom, bounds));
      continue;
    }
    GeneratedExercise e = DrawExercise(random, bounds);
    e.quadrants = kind == SheetKind::kQuadrants;
    if (Wanted(e, kind)) exercises.push_back(e);
  }
  return exercises;
}

std::string KeyLine(int n, const GeneratedExercise& exercise) {
  const std::int32_t classCode = classify::ClassCode;
  const std::int32_t relationCode = classify::RelationCode;
  std::string line = std::to_string(n) + ". " + Coordinates("A", exercise.a);
  const DihedralPoint& a = exercise.a;
  const DihedralPoint& b = exercise.b;
  if (exercise.planeMode) {
    const std::vector<std::string> names = PlaneTrueNames(a, b, exercise.c);
    line += " " + Coordinates("B", b) + " " + Coordinates("C", exercise.c) + ": " + names[0];
    for (std::size_t k = 1; k < names.size(); ++k)
      line += (k == 1 ? " (también " : ", ") + names[k] + (k + 1 == names.size() ? ")" : "");
  } else if (exercise.quadrants) {
    line += " " + Coordinates("B", b) + ": " + QuadrantsText(classify::QuadrantsCrossed(a, b));
  } else if (exercise.pointMode) {
    line += ": " + Trimmed(classify::PointLocation(a.alejamiento, a.cota));
  } else {
    // The codes are read after the routine that sets them.
    const std::string type = Trimmed(classify::LineType(a, b));
    line += " " + Coordinates("B", b) + ": " + type +
            AlsoTrue(classify::TrueTypeCodes(a, b), classify::ClassCode, TypeName);
    std::string relation = Trimmed(classify::LineRelation(a, b));
    if (relation.empty()) relation = RelationName(classify::RelationCode);
    if (!relation.empty())
      line += "; " + relation +
              AlsoTrue(classify::TrueRelationCodes(a, b), classify::RelationCode, RelationName);
  }
  classify::ClassCode = classCode;
  classify::RelationCode = relationCode;
  return line;
}

std::uint32_t RandomSeed() {
  std::random_device device;
  return static_cast<std::uint32_t>(device());
}

}  // namespace quiz
