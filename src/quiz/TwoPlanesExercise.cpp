#include "quiz/TwoPlanesExercise.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "scene/Incidence.h"
#include "scene/LineKinds.h"
#include "scene/PlaneGeometry.h"

namespace quiz {

namespace {

// Tries before a drawing that keeps missing is taken as it is; with test mode's
// bounds nearly every first few tries hit.
constexpr int kTries = 200;
// How far the crossing triangle is turned out of the first plane: enough for long
// hidden stretches in both projections of the start triangle.
constexpr double kTurn = 50.0 * 3.14159265358979323846 / 180.0;

std::int32_t Coordinate(const RandomSource& random, std::int32_t bound) {
  if (bound <= 1) return 0;
  return random(2 * bound - 1) - (bound - 1);
}

bool Inside(const DihedralPoint& p, ExerciseBounds bounds) {
  const auto in = [](std::int64_t v, std::int32_t bound) { return v > -bound && v < bound; };
  return in(p.abscissa, bounds.abscissa) && in(p.alejamiento, bounds.distance) &&
         in(p.cota, bounds.distance);
}

// a + b - c, wide: the fourth corner of a parallelogram, in the plane of the three.
std::optional<DihedralPoint> Corner(const DihedralPoint& a, const DihedralPoint& b,
                                    const DihedralPoint& c, const DihedralPoint& shift,
                                    ExerciseBounds bounds) {
  const auto sum = [](std::int32_t x, std::int32_t y, std::int32_t z, std::int32_t s) {
    return std::int64_t{x} + y - z + s;
  };
  const std::int64_t x = sum(a.abscissa, b.abscissa, c.abscissa, shift.abscissa);
  const std::int64_t y = sum(a.alejamiento, b.alejamiento, c.alejamiento, shift.alejamiento);
  const std::int64_t z = sum(a.cota, b.cota, c.cota, shift.cota);
  const DihedralPoint p{
      static_cast<std::int32_t>(std::clamp<std::int64_t>(x, INT32_MIN, INT32_MAX)),
      static_cast<std::int32_t>(std::clamp<std::int64_t>(y, INT32_MIN, INT32_MAX)),
      static_cast<std::int32_t>(std::clamp<std::int64_t>(z, INT32_MIN, INT32_MAX))};
  if (p.abscissa != x || p.alejamiento != y || p.cota != z || !Inside(p, bounds))
    return std::nullopt;
  return p;
}

classify::SixPoints Candidate(const RandomSource& random, ExerciseBounds bounds,
                              std::int32_t relation) {
  const auto any = [&] {
    return DihedralPoint{Coordinate(random, bounds.abscissa), Coordinate(random, bounds.distance),
                         Coordinate(random, bounds.distance)};
  };
  classify::SixPoints p{};
  for (DihedralPoint& q : p) q = any();
  if (relation == classify::kSecantPlanes) return p;
  // Three of the six points of alpha's lattice nearest its corners: A, B, C and the
  // fourth corners of the parallelograms on two of them, shifted together off alpha
  // for parallel planes.
  const DihedralPoint shift = relation == classify::kParallelPlanes
                                  ? DihedralPoint{Coordinate(random, bounds.abscissa / 4 + 1),
                                                  Coordinate(random, bounds.distance / 4 + 1),
                                                  Coordinate(random, bounds.distance / 4 + 1)}
                                  : DihedralPoint{};
  const DihedralPoint &A = p[0], &B = p[1], &C = p[2];
  const DihedralPoint zero{};
  const std::optional<DihedralPoint> lattice[6] = {
      Corner(A, zero, zero, shift, bounds), Corner(B, zero, zero, shift, bounds),
      Corner(C, zero, zero, shift, bounds), Corner(A, B, C, shift, bounds),
      Corner(B, C, A, shift, bounds),       Corner(C, A, B, shift, bounds)};
  std::int32_t order[6] = {0, 1, 2, 3, 4, 5};
  for (int k = 0; k < 3; ++k) {
    std::swap(order[k], order[k + random(6 - k)]);
    const std::optional<DihedralPoint>& q = lattice[order[k]];
    p[3 + k] = q ? *q : any();  // out of bounds: a miss, drawn again
  }
  return p;
}

}  // namespace

std::int32_t DrawTwoPlanesRelation(const RandomSource& random) {
  return random(3) + 1;
}

classify::SixPoints DrawTwoPlanesExercise(const RandomSource& random, ExerciseBounds bounds,
                                          std::int32_t relation) {
  classify::SixPoints p{};
  for (int k = 0; k < kTries; ++k) {
    p = Candidate(random, bounds, relation);
    const bool sameTriangle = std::is_permutation(p.begin(), p.begin() + 3, p.begin() + 3);
    if (classify::TwoPlanesRelation(p).code == relation && !sameTriangle) break;
  }
  return p;
}

classify::SixPoints DrawTwoPlanesExercise(const RandomSource& random, ExerciseBounds bounds) {
  return DrawTwoPlanesExercise(random, bounds, DrawTwoPlanesRelation(random));
}

std::array<DihedralPoint, 3> CrossingTriangle(const DihedralPoint& A, const DihedralPoint& B,
                                              const DihedralPoint& C) {
  if (!scene::PlaneThrough(A, B, C).Defined()) return {{{-30, 10, 60}, {30, 60, 10}, {10, 20, 30}}};
  using V3 = std::array<double, 3>;
  const auto of = [](const DihedralPoint& p) {
    return V3{double(p.abscissa), double(p.alejamiento), double(p.cota)};
  };
  const V3 a = of(A), b = of(B), c = of(C);
  V3 centre, axis;
  for (int j = 0; j < 3; ++j) {
    centre[j] = (a[j] + b[j] + c[j]) / 3.0;
    axis[j] = a[j] - c[j];
  }
  const double length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
  for (double& v : axis) v /= length;
  const double cosine = std::cos(kTurn), sine = std::sin(kTurn);
  const auto whole = [](double v) {
    return static_cast<std::int32_t>(std::clamp(std::nearbyint(v), -2147483648.0, 2147483647.0));
  };
  // A corner turned half a turn about the centre in the plane, then kTurn about the
  // line through the centre parallel to CA (Rodrigues' rotation).
  const auto turned = [&](const V3& p) {
    const V3 v{centre[0] - p[0], centre[1] - p[1], centre[2] - p[2]};
    const V3 kxv{axis[1] * v[2] - axis[2] * v[1], axis[2] * v[0] - axis[0] * v[2],
                 axis[0] * v[1] - axis[1] * v[0]};
    const double kv = axis[0] * v[0] + axis[1] * v[1] + axis[2] * v[2];
    V3 r;
    for (int j = 0; j < 3; ++j)
      r[j] = centre[j] + v[j] * cosine + kxv[j] * sine + axis[j] * kv * (1.0 - cosine);
    return DihedralPoint{whole(r[0]), whole(r[1]), whole(r[2])};
  };
  return {turned(a), turned(b), turned(c)};
}

}  // namespace quiz
