// Belonging and intersections, decided exactly for any 32-bit coordinates: a point
// or a line with a plane, two planes and the line where they meet, and the notable
// lines of a plane. Pure: points and plane equations in, wide integers and fractions
// out; only drawing rounds.
#pragma once

#include <optional>

#include "scene/PlaneGeometry.h"
#include "scene/Scene.h"
#include "scene/WideInt.h"

namespace scene {

// A direction or a normal, by abscissa, alejamiento and cota.
struct WideVector {
  Int256 x, y, z;
  bool IsZero() const { return x.IsZero() && y.IsZero() && z.IsZero(); }
};

inline bool operator==(const WideVector& a, const WideVector& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

struct ExactPoint {
  WideFraction abscissa, alejamiento, cota;
};

inline bool operator==(const ExactPoint& a, const ExactPoint& b) {
  return a.abscissa == b.abscissa && a.alejamiento == b.alejamiento && a.cota == b.cota;
}

ExactPoint ExactPointOf(const DihedralPoint& P);
WideVector DirectionOf(const DihedralPoint& from, const DihedralPoint& to);  // to - from

// v divided by the gcd of its components, its first non-zero component positive; the
// zero vector stays zero.
WideVector Primitive(const WideVector& v);

// P and the plane: P belongs exactly when n . P = d. No relation without a plane.
enum class PointPlane { kNoPlane, kBelongs, kOutside };
PointPlane PointAndPlane(const PlaneEquation& plane, const DihedralPoint& P);

// The line DE and the plane. D = E is no line: the relation is then the point D's,
// kPointBelongs or kPointOutside, so a caller tells that case by the value alone.
enum class LinePlane { kNoPlane, kContained, kParallel, kSecant, kPointBelongs, kPointOutside };
struct LinePlaneMeeting {
  LinePlane relation = LinePlane::kNoPlane;
  ExactPoint I;  // where the line meets the plane: kSecant only
};
LinePlaneMeeting LineAndPlane(const PlaneEquation& plane, const DihedralPoint& D,
                              const DihedralPoint& E);

// Two planes alpha and beta; no relation when either is no plane.
enum class PlanesRelation { kNoPlane, kParallel, kCoincident, kSecant };
// For secant planes, their line i. A trace is none when i runs parallel to that plane
// of projection, and also when it lies in it: a line in H has no single point on H,
// as a line AB in H has no horizontal trace (LineKinds.h then names it "in H").
struct PlanesMeeting {
  PlanesRelation relation = PlanesRelation::kNoPlane;
  WideVector direction;               // Primitive(n1 x n2)
  std::optional<ExactPoint> H;        // cota 0: h-h'
  std::optional<ExactPoint> V;        // alejamiento 0: v-v'
  std::optional<ExactPoint> profile;  // abscissa 0: i'' in the profile view through the origin
};
PlanesMeeting TwoPlanes(const PlaneEquation& alpha, const PlaneEquation& beta);

// The notable lines of a plane, as directions: drawn through any point of the plane,
// the caller's choice. A plane parallel to H (H included) has every line horizontal,
// so no one horizontal line, and no slope at all; a plane parallel to V likewise has
// every line frontal and no inclination. Every other plane, projecting, profile and
// through L.T. included, has all four (a vertical plane's lines of maximum slope are
// vertical; a plane perpendicular to V has lines of maximum inclination de punta).
enum class NotableLack { kNone, kNoPlane, kPlaneParallelToH, kPlaneParallelToV };
struct NotableLine {
  std::optional<WideVector> direction;    // Primitive
  NotableLack lack = NotableLack::kNone;  // why there is no direction
};
struct NotableLines {
  NotableLine horizontal;      // h-h': parallel to alpha 1
  NotableLine frontal;         // f-f': parallel to alpha 2
  NotableLine maxSlope;        // horizontal projection perpendicular to alpha 1
  NotableLine maxInclination;  // vertical projection perpendicular to alpha 2
};
NotableLines NotableLinesOf(const PlaneEquation& plane);

}  // namespace scene
