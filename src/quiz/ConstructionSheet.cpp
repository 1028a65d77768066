#include "quiz/ConstructionSheet.h"

#include <random>
#include <utility>

#include "classify/Construction.h"

namespace quiz {

namespace {

using classify::ConstructionKind;

// Draws before a kind that keeps missing the box is taken as the generator gives it.
constexpr int kTries = 200;

}  // namespace

std::string ConstructionFault(const ConstructionExercise& exercise) {
  const classify::Construction c = ConstructionOf(exercise);
  if (!c.lack.empty()) return "no tiene construcción: " + c.lack;
  if (!classify::FitsIn(c, classify::kExerciseBox))
    return "el ejercicio y su construcción no caben en 170 × 116 mm";
  return std::string();
}

std::vector<ConstructionExercise> SheetConstructions(int count, std::uint32_t seed) {
  std::vector<ConstructionExercise> exercises;
  if (count <= 0) return exercises;
  // A generator of their own, so that the naming exercises of a seed stay as they were.
  std::mt19937 generator(seed ^ 0x27d4eb2fu);
  const RandomSource random = [&generator](std::int32_t n) -> std::int32_t {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
  std::vector<ConstructionKind> round;
  for (int k = 0; k < classify::kConstructionKinds; ++k)
    round.push_back(static_cast<ConstructionKind>(k));
  while (static_cast<int>(exercises.size()) < count) {
    const std::size_t turn = exercises.size() % round.size();
    if (turn == 0) {
      for (std::size_t k = round.size(); k > 1; --k)
        std::swap(round[k - 1],
                  round[static_cast<std::size_t>(random(static_cast<std::int32_t>(k)))]);
    }
    ConstructionExercise e;
    for (int tries = 0; tries < kTries; ++tries) {
      e = DrawConstructionExercise(random, round[turn]);
      if (ConstructionFault(e).empty()) break;
    }
    exercises.push_back(e);
  }
  return exercises;
}

SheetContents SheetContentsOf(const SheetRequest& request) {
  SheetContents contents;
  if (request.kind == SheetKind::kConstructions) {
    contents.constructions = SheetConstructions(request.count, request.seed);
    return contents;
  }
  int constructions = 0;
  if (request.kind == SheetKind::kMixed && request.constructions)
    constructions = std::max(1, (request.count + 2) / 4);
  contents.naming = SheetExercises(request.count - constructions, request.seed, request.kind,
                                   request.planeFigures);
  contents.constructions = SheetConstructions(constructions, request.seed);
  return contents;
}

bool ConstructionKindWithPoints(std::size_t count, ConstructionKind& kind) {
  switch (count) {
    case 2:
      kind = ConstructionKind::kLineTraces;
      return true;
    case 4:
      kind = ConstructionKind::kMissingProjection;
      return true;
    case 5:
      kind = ConstructionKind::kLinePlane;
      return true;
    case 6:
      kind = ConstructionKind::kTwoPlanes;
      return true;
    default:
      return false;
  }
}

}  // namespace quiz
