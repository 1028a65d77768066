#include "quiz/IncidenceExercise.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>

#include "classify/IncidenceNames.h"
#include "quiz/PlaneExercise.h"
#include "scene/PlaneGeometry.h"

namespace quiz {

namespace {

// Tries before a drawing that keeps missing is taken as it is; with test mode's
// bounds nearly every first or second try fits.
constexpr int kTries = 200;
constexpr std::int32_t kNoPlaneType = 10;

struct V3 {
  std::int64_t x = 0, y = 0, z = 0;
};

V3 Of(const DihedralPoint& p) {
  return {p.abscissa, p.alejamiento, p.cota};
}
V3 operator+(const V3& a, const V3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(const V3& a, const V3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(std::int64_t k, const V3& a) {
  return {k * a.x, k * a.y, k * a.z};
}
bool IsZero(const V3& a) {
  return a.x == 0 && a.y == 0 && a.z == 0;
}

// The shortest whole vector along a.
V3 Primitive(const V3& a) {
  const std::int64_t g = std::gcd(std::gcd(a.x, a.y), a.z);
  return g == 0 ? a : V3{a.x / g, a.y / g, a.z / g};
}

// Every coordinate below its bound in size, as the plane exercises draw them.
bool InBounds(const V3& p, ExerciseBounds bounds) {
  return std::llabs(p.x) < bounds.abscissa && std::llabs(p.y) < bounds.distance &&
         std::llabs(p.z) < bounds.distance;
}

DihedralPoint Point(const V3& p) {  // only for points InBounds accepted
  return {static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y),
          static_cast<std::int32_t>(p.z)};
}

// The triangle a, a + ka u, a + kb v of a plane drawn as the plane exercises draw
// one, with u and v the shortest steps between its whole points along two sides: so
// a + i u + j v is a whole point of the plane for any whole i and j, inside the
// triangle when i / ka + j / kb <= 1.
struct Triangle {
  V3 a, u, v;
  std::int64_t ka = 0, kb = 0;
  scene::PlaneEquation plane;
  V3 At(std::int64_t i, std::int64_t j) const { return a + i * u + j * v; }
  // Near the centroid and strictly inside: i / ka and j / kb are each 1/4 to 2/5.
  V3 Centre() const { return At((ka + 1) / 3, (kb + 1) / 3); }
};

Triangle DrawTriangle(const RandomSource& random, ExerciseBounds bounds) {
  // The type from the plane exercises' shares, without "no plane"; drawn small, its
  // sides then stretched: the same plane, so the same type.
  const ExerciseBounds small{std::max(2, bounds.abscissa / 6), std::max(2, bounds.distance / 6)};
  Triangle t;
  for (int k = 0; k < kTries; ++k) {
    std::int32_t code = DrawPlaneTypeCode(random);
    while (code == kNoPlaneType) code = DrawPlaneTypeCode(random);
    const GeneratedExercise e = DrawPlaneExercise(random, small, code);
    t.a = Of(e.a);
    t.u = Primitive(Of(e.b) - t.a);
    t.v = Primitive(Of(e.c) - t.a);
    t.ka = 3 + random(4);
    t.kb = 3 + random(4);
    t.plane = scene::PlaneThrough(e.a, e.b, e.c);
    if (t.plane.Defined() && InBounds(t.a, bounds) && InBounds(t.At(t.ka, 0), bounds) &&
        InBounds(t.At(0, t.kb), bounds))
      break;
  }
  return t;
}

// A whole point of the triangle, its corners included.
V3 PointOf(const Triangle& t, const RandomSource& random) {
  std::int64_t i = 0, j = 0;
  do {
    i = random(static_cast<std::int32_t>(t.ka + 1));
    j = random(static_cast<std::int32_t>(t.kb + 1));
  } while (i * t.kb + j * t.ka > t.ka * t.kb);
  return t.At(i, j);
}

// |n . w| against the plane's largest normal component: moved by w, a point of the
// plane lands at least `units` from it along the axis that reaches it soonest.
bool FarEnough(const scene::PlaneEquation& p, const V3& w, std::int64_t units) {
  const scene::Int128 along = p.nx * w.x + p.ny * w.y + p.nz * w.z;
  const scene::Int128 biggest =
      std::max({p.nx < 0 ? -p.nx : p.nx, p.ny < 0 ? -p.ny : p.ny, p.nz < 0 ? -p.nz : p.nz});
  return (along < 0 ? -along : along) >= units * biggest;
}

// A step along one axis that takes a point of the plane kOffPlaneUnits or more off it.
V3 StepOff(const Triangle& t, const RandomSource& random) {
  V3 w;
  for (int k = 0; k < kTries; ++k) {
    const std::int64_t size = kOffPlaneUnits + random(16);
    const std::int64_t s = random(2) == 1 ? -size : size;
    const std::int32_t axis = random(3);
    w = {axis == 0 ? s : 0, axis == 1 ? s : 0, axis == 2 ? s : 0};
    if (FarEnough(t.plane, w, kOffPlaneUnits)) break;
  }
  return w;
}

}  // namespace

PointPlaneExercise DrawPointPlaneExercise(const RandomSource& random, ExerciseBounds bounds) {
  PointPlaneExercise e;
  e.answer = random(2) == 0 ? classify::kBelongsCode : classify::kOutsideCode;
  for (int k = 0; k < kTries; ++k) {
    const Triangle t = DrawTriangle(random, bounds);
    V3 p = t.Centre();
    if (e.answer == classify::kOutsideCode) p = p + StepOff(t, random);
    e.a = Point(t.a);
    e.b = Point(t.At(t.ka, 0));
    e.c = Point(t.At(0, t.kb));
    e.p = Point(p);
    if (InBounds(p, bounds)) break;
  }
  return e;
}

LinePlaneExercise DrawLinePlaneExercise(const RandomSource& random, ExerciseBounds bounds) {
  LinePlaneExercise e;
  e.answer = random(3) + 1;
  const std::int32_t reach = std::max(2, std::min(bounds.abscissa, bounds.distance) / 5);
  for (int k = 0; k < kTries; ++k) {
    const Triangle t = DrawTriangle(random, bounds);
    V3 d, w;
    if (e.answer == classify::kSecantCode) {
      // Through a point inside the triangle, D and E each well off the plane.
      d = t.Centre();
      w = {random(2 * reach + 1) - reach, random(2 * reach + 1) - reach,
           random(2 * reach + 1) - reach};
      if (!FarEnough(t.plane, w, kOffPlaneUnits)) continue;
      d = d - w;
      w = (2 + random(2)) * w;  // E one or two steps past the triangle
    } else {
      d = PointOf(t, random);
      w = PointOf(t, random) - d;
      if (e.answer == classify::kParallelCode) d = d + StepOff(t, random);
    }
    if (IsZero(w) || !InBounds(d, bounds) || !InBounds(d + w, bounds)) continue;
    e.a = Point(t.a);
    e.b = Point(t.At(t.ka, 0));
    e.c = Point(t.At(0, t.kb));
    e.d = Point(d);
    e.e = Point(d + w);
    break;
  }
  return e;
}

}  // namespace quiz
