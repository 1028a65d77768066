#include "quiz/ConstructionExercise.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace quiz {

namespace {

using classify::ConstructionKind;

// Tries before the exercise falls back to one known to fit; with these ranges most
// fit within a few tries.
constexpr int kTries = 400;

std::int32_t Between(const RandomSource& random, std::int32_t low, std::int32_t high) {
  return low + random(high - low + 1);
}

std::int32_t Signed(const RandomSource& random, std::int32_t low, std::int32_t high) {
  const std::int32_t size = Between(random, low, high);
  return random(2) == 0 ? size : -size;
}

// An oblique plane by its traces: they meet L.T. at x0, alpha 1 runs to (x1, y1) and
// alpha 2 to (x2, z2); neither trace is parallel or perpendicular to L.T.
void DrawPlane(const RandomSource& random, DihedralPoint* three) {
  const std::int32_t x0 = Between(random, -60, 60);
  three[0] = {x0, 0, 0};
  three[1] = {x0 + Signed(random, 15, 60), Between(random, 25, 55), 0};
  three[2] = {x0 + Signed(random, 15, 60), 0, Between(random, 25, 55)};
}

DihedralPoint FirstQuadrant(const RandomSource& random) {
  return {Between(random, -75, 75), Between(random, 5, 50), Between(random, 5, 50)};
}

ConstructionExercise Draw(const RandomSource& random, ConstructionKind kind) {
  ConstructionExercise e;
  e.kind = kind;
  auto& P = e.points;
  switch (kind) {
    case ConstructionKind::kLineTraces: {
      P[0] = FirstQuadrant(random);
      P[1] = FirstQuadrant(random);
      const std::int32_t parallel = random(6);
      if (parallel == 0) P[1].cota = P[0].cota;
      if (parallel == 1) P[1].alejamiento = P[0].alejamiento;
      if (std::abs(P[1].abscissa - P[0].abscissa) < 20)
        P[1].abscissa = P[0].abscissa + (P[0].abscissa < 0 ? 30 : -30);
      break;
    }
    case ConstructionKind::kMissingProjection:
      DrawPlane(random, &P[0]);
      P[3] = {Between(random, -70, 70), Between(random, 5, 50), 0};
      break;
    case ConstructionKind::kLinePlane:
      DrawPlane(random, &P[0]);
      P[3] = FirstQuadrant(random);
      P[4] = FirstQuadrant(random);
      break;
    case ConstructionKind::kTwoPlanes:
      DrawPlane(random, &P[0]);
      DrawPlane(random, &P[3]);
      break;
  }
  return e;
}

// An exercise of each kind that fits, for a random source that never gives one.
ConstructionExercise Known(ConstructionKind kind) {
  ConstructionExercise e;
  e.kind = kind;
  auto& P = e.points;
  switch (kind) {
    case ConstructionKind::kLineTraces:
      P[0] = {-30, 10, 30};
      P[1] = {20, 30, 10};
      break;
    case ConstructionKind::kMissingProjection:
      P[0] = {-40, 0, 0};
      P[1] = {20, 40, 0};
      P[2] = {30, 0, 40};
      P[3] = {0, 15, 0};
      break;
    case ConstructionKind::kLinePlane:
      P[0] = {-40, 0, 0};
      P[1] = {20, 40, 0};
      P[2] = {30, 0, 40};
      P[3] = {-20, 10, 5};
      P[4] = {30, 20, 35};
      break;
    case ConstructionKind::kTwoPlanes:
      P[0] = {-40, 0, 0};
      P[1] = {20, 40, 0};
      P[2] = {30, 0, 40};
      P[3] = {40, 0, 0};
      P[4] = {-20, 40, 0};
      P[5] = {-30, 0, 40};
      break;
  }
  return e;
}

// At least one marker to place (a line parallel to L.T. asks for nothing), every
// marker clear of L.T. and of the others, and two planes' traces meeting L.T. apart,
// so that no answer hides in a knot of lines.
bool Readable(const ConstructionExercise& e, const classify::Construction& c) {
  constexpr double kClear = 8.0;
  bool some = false;
  for (std::size_t i = 0; i < c.markers.size(); ++i) {
    const auto& m = c.markers[i].exact;
    if (!m) continue;
    some = true;
    if (std::fabs(m->y) < kClear) return false;
    for (std::size_t j = 0; j < i; ++j) {
      const auto& o = c.markers[j].exact;
      if (o && std::hypot(o->x - m->x, o->y - m->y) < 2.0 * kClear) return false;
    }
  }
  if (e.kind == ConstructionKind::kTwoPlanes &&
      std::abs(e.points[0].abscissa - e.points[3].abscissa) < 40)
    return false;
  return some;
}

}  // namespace

classify::Construction ConstructionOf(const ConstructionExercise& exercise) {
  return classify::BuildConstruction(exercise.kind, exercise.points, classify::kExerciseBox);
}

ConstructionExercise DrawConstructionExercise(const RandomSource& random,
                                              std::optional<ConstructionKind> kind) {
  const ConstructionKind k =
      kind ? *kind : static_cast<ConstructionKind>(random(classify::kConstructionKinds));
  for (int i = 0; i < kTries; ++i) {
    ConstructionExercise e = Draw(random, k);
    const classify::Construction c = ConstructionOf(e);
    if (Readable(e, c) && classify::FitsIn(c, classify::kExerciseBox)) return e;
  }
  return Known(k);
}

}  // namespace quiz
