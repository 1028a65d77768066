#include "quiz/SheetExercises.h"

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <utility>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/TrueNames.h"
#include "classify/Vocabulary.h"
#include "delgraph/delgraph.h"
#include "drawing/Painter.h"
#include "figures/Kind.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "scene/Scene.h"

namespace quiz {

namespace {

// Exercises drawn before a kind that keeps missing paper is taken as it is; with
// test mode's bounds one in two or three tries already reads.
constexpr int kTries = 1000;

RandomSource SourceOf(std::mt19937& generator) {
  // The same uniform draw as test mode's Random.
  return [&generator](std::int32_t n) -> std::int32_t {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
}

// Deals its values in turn: each round holds every value once, in an order the
// random source shuffles afresh.
class Dealer {
 public:
  Dealer(std::vector<std::int32_t> values, RandomSource random)
      : round_(std::move(values)), random_(std::move(random)) {}
  std::int32_t Next() {
    if (next_ == 0) {
      for (std::size_t k = round_.size(); k > 1; --k)
        std::swap(round_[k - 1],
                  round_[static_cast<std::size_t>(random_(static_cast<std::int32_t>(k)))]);
    }
    const std::int32_t value = round_[next_];
    next_ = (next_ + 1) % round_.size();
    return value;
  }

 private:
  std::vector<std::int32_t> round_;
  std::size_t next_ = 0;
  RandomSource random_;
};

enum DealtKind : std::int32_t { kDealtPoint, kDealtLine, kDealtPlane };

// A point or a line as test mode draws it, of the kind asked for, that reads.
GeneratedExercise PointOrLine(const RandomSource& random, ExerciseBounds bounds, bool point) {
  GeneratedExercise e;
  for (int k = 0; k < kTries; ++k) {
    e = DrawExercise(random, bounds);
    if ((e.figure == scene::Figure::kPoint) == point && ReadsOnPaper(e)) break;
  }
  return e;
}

// A point, a line or a second plane with a plane, that reads.
GeneratedExercise WithPlane(const RandomSource& random, ExerciseBounds bounds,
                            scene::Figure figure) {
  GeneratedExercise e;
  for (int k = 0; k < kTries; ++k) {
    e = DrawWithPlaneExercise(random, bounds, figure);
    if (ReadsOnPaper(e)) break;
  }
  return e;
}

GeneratedExercise Plane(const RandomSource& random, ExerciseBounds bounds, std::int32_t code) {
  GeneratedExercise e;
  for (int k = 0; k < kTries; ++k) {
    e = DrawPlaneExercise(random, bounds, code);
    if (ReadsOnPaper(e)) break;
  }
  return e;
}

// Where the projections of a point fall in the flat view: (abscissa, down from L.T.).
struct FlatMark {
  std::int64_t x, y;
};

// The classification texts carry blanks of their own for the window's layout.
std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// A name as two names are compared: no blanks around it and no final dot, so
// "CONTENIDA EN EL V." and "CONTENIDA EN EL V" are one name.
std::string Plain(const std::string& name) {
  std::string plain = Trimmed(name);
  while (!plain.empty() && plain.back() == '.') plain.pop_back();
  return plain;
}

// "LEAD (también X, Y)": the first name as it stands, then each other one that the
// line does not hold yet (written, kept plain), which it then holds.
std::string Named(const std::vector<std::string>& names, std::vector<std::string>& written) {
  std::string also;
  for (std::size_t k = 1; k < names.size(); ++k) {
    const std::string plain = Plain(names[k]);
    if (plain.empty() || std::find(written.begin(), written.end(), plain) != written.end())
      continue;
    written.push_back(plain);
    also += (also.empty() ? " (también " : ", ") + names[k];
  }
  return names[0] + (also.empty() ? also : also + ")");
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
      {SheetKind::kConstructions, "construcciones", "constructions", "Construcciones a escala 1:1"},
  };
  return rows;
}

ExerciseBounds BoundsAfterEdit() {
  // The extent the activation gives the window: the layer's fixed bounds.
  drawing::Painter painter;
  painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
  painter.Select320x200();
  return CurrentBounds(painter);
}

bool ReadsOnPaper(const GeneratedExercise& e) {
  const std::size_t count = figures::KindOf(e.figure).PointCount();
  const figures::FigurePoints points = e.Points();
  std::vector<FlatMark> marks;
  for (std::size_t k = 0; k < count && k < points.size(); ++k) {
    const DihedralPoint& p = points[k];
    for (const std::int64_t distance : {std::int64_t{p.alejamiento}, std::int64_t{p.cota}})
      if (distance != 0 && (distance < kSheetSpacing && distance > -kSheetSpacing)) return false;
    marks.push_back({p.abscissa, p.alejamiento});          // the horizontal projection, below L.T.
    marks.push_back({p.abscissa, -std::int64_t{p.cota}});  // the vertical one, above
  }
  for (std::size_t i = 0; i < marks.size(); ++i) {
    for (std::size_t j = i + 1; j < marks.size(); ++j) {
      const std::int64_t dx = marks[i].x - marks[j].x, dy = marks[i].y - marks[j].y;
      const std::int64_t square = dx * dx + dy * dy;
      if (square != 0 && square < std::int64_t{kSheetSpacing} * kSheetSpacing) return false;
    }
  }
  return true;
}

std::vector<GeneratedExercise> SheetExercises(int count, std::uint32_t seed, SheetKind kind,
                                              bool planeFigures) {
  std::vector<GeneratedExercise> exercises;
  if (count <= 0 || kind == SheetKind::kConstructions) return exercises;
  exercises.reserve(static_cast<std::size_t>(count));
  const ExerciseBounds bounds = BoundsAfterEdit();
  // Points and lines, planes and the deal each draw from a generator of their own.
  std::mt19937 generator(seed);
  std::mt19937 planeGenerator(seed ^ 0x9e3779b9u);
  std::mt19937 dealGenerator(seed ^ 0x85ebca6bu);
  const RandomSource random = SourceOf(generator);
  const RandomSource planeRandom = SourceOf(planeGenerator);
  Dealer kinds({kDealtPoint, kDealtLine, kDealtPlane}, SourceOf(dealGenerator));
  Dealer planeTypes({1, 2, 3, 4, 5, 6, 7, 8}, SourceOf(dealGenerator));
  // The figures with a plane draw and deal from a generator of their own, so that a
  // sheet without them keeps every exercise it had.
  std::mt19937 figureGenerator(seed ^ 0xc2b2ae35u);
  const RandomSource figureRandom = SourceOf(figureGenerator);
  const std::int32_t typeTurn = static_cast<std::int32_t>(scene::Figure::kPlane);
  Dealer planeTurns({typeTurn, static_cast<std::int32_t>(scene::Figure::kPointPlane),
                     static_cast<std::int32_t>(scene::Figure::kLinePlane),
                     static_cast<std::int32_t>(scene::Figure::kTwoPlanes)},
                    figureRandom);
  while (static_cast<int>(exercises.size()) < count) {
    std::int32_t dealt = kDealtPlane;
    switch (kind) {
      case SheetKind::kMixed:
        dealt = kinds.Next();
        break;
      case SheetKind::kPoints:
        dealt = kDealtPoint;
        break;
      case SheetKind::kLines:
      case SheetKind::kQuadrants:
        dealt = kDealtLine;
        break;
      case SheetKind::kPlanes:
      case SheetKind::kConstructions:
        break;
    }
    if (dealt != kDealtPlane) {
      GeneratedExercise e = PointOrLine(random, bounds, dealt == kDealtPoint);
      e.quadrants = kind == SheetKind::kQuadrants;
      exercises.push_back(e);
      continue;
    }
    const std::int32_t turn = planeFigures ? planeTurns.Next() : typeTurn;
    if (turn != typeTurn) {
      exercises.push_back(WithPlane(figureRandom, bounds, static_cast<scene::Figure>(turn)));
      continue;
    }
    // As often as test mode draws them (one in thirteen), the plane H or V and
    // three points that make no plane; otherwise the next type of the deal.
    const std::int32_t r = planeRandom(26);
    const std::int32_t code = r < 24 ? planeTypes.Next() : r == 24 ? 9 : 10;
    exercises.push_back(Plane(planeRandom, bounds, code));
  }
  return exercises;
}

std::string KeyLine(int n, const GeneratedExercise& exercise) {
  const figures::Kind& kind = figures::KindOf(exercise.figure);
  std::string line =
      std::to_string(n) + ". " + FigureCoordinates(exercise.figure, exercise.Points());
  if (exercise.quadrants)
    return line + ": " + QuadrantsText(classify::QuadrantsCrossed(exercise.a, exercise.b));
  const figures::KeyNames key = kind.KeyNamesOf(exercise.Points());
  // Each name once in the line, the leads as the answer lists write them.
  std::vector<std::string> written;
  for (const std::vector<std::string>& group : key.groups) written.push_back(Plain(group[0]));
  for (std::size_t k = 0; k < key.groups.size(); ++k)
    line += (k == 0 ? ": " : "; ") + Named(key.groups[k], written);
  if (!key.note.empty()) line += "; " + key.note;
  return line;
}

std::uint32_t RandomSeed() {
  std::random_device device;
  return static_cast<std::uint32_t>(device());
}

}  // namespace quiz
