// Bounds, for coordinates in [-2^31, 2^31), that keep every intermediate far inside
// Int256 (whose operations would throw, not wrap, were one wrong):
//   a coordinate difference:                        |u| < 2^32
//   a normal component (PlaneThrough):              |n| < 2 * 2^32 * 2^32 = 2^65
//   n . P for a point P, hence d = n . A:           |n . P| < 3 * 2^65 * 2^31 < 2^98
//   a product n * d (coincidence, Cramer's rule):   < 2^65 * 2^98 = 2^163
// The bound of each value computed from these is on the line that computes it; the
// largest is 2^172, in the panel's rounding of a trace of two planes' line.
#include "scene/Incidence.h"

#include <utility>

namespace scene {

namespace {

struct WidePlane {
  WideVector n;
  Int256 d;
};

WidePlane Widen(const PlaneEquation& p) {
  return {{p.nx, p.ny, p.nz}, p.d};
}

Int256 Dot(const WideVector& n, const DihedralPoint& P) {
  return n.x * P.abscissa + n.y * P.alejamiento + n.z * P.cota;  // < 2^98
}

Int256 Dot(const WideVector& a, const WideVector& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

WideVector Cross(const WideVector& a, const WideVector& b) {
  // For two normals: two products of 2^65 values each, |component| < 2^131.
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Cramer's rule for p a + q b = r and s a + t b = w; none when the determinant is 0.
// With normal coefficients and right sides d: det < 2^131, numerators < 2^164.
std::optional<std::pair<WideFraction, WideFraction>> Solve(const Int256& p, const Int256& q,
                                                           const Int256& r, const Int256& s,
                                                           const Int256& t, const Int256& w) {
  const Int256 det = p * t - q * s;
  if (det.IsZero()) return std::nullopt;
  return std::make_pair(WideFraction::Of(r * t - q * w, det), WideFraction::Of(p * w - r * s, det));
}

NotableLine Notable(NotableLack lack, const WideVector& direction) {
  if (lack != NotableLack::kNone) return {std::nullopt, lack};
  return {Primitive(direction), NotableLack::kNone};
}

}  // namespace

ExactPoint ExactPointOf(const DihedralPoint& P) {
  return {Int256(P.abscissa), Int256(P.alejamiento), Int256(P.cota)};
}

WideVector DirectionOf(const DihedralPoint& from, const DihedralPoint& to) {
  return {Int256(to.abscissa) - from.abscissa, Int256(to.alejamiento) - from.alejamiento,
          Int256(to.cota) - from.cota};
}

WideVector Primitive(const WideVector& v) {
  const Int256 g = Gcd(Gcd(v.x, v.y), v.z);
  if (g.IsZero()) return v;
  WideVector r{v.x / g, v.y / g, v.z / g};
  const Int256& first = !r.x.IsZero() ? r.x : (!r.y.IsZero() ? r.y : r.z);
  if (first.IsNegative()) r = {-r.x, -r.y, -r.z};
  return r;
}

PointPlane PointAndPlane(const PlaneEquation& plane, const DihedralPoint& P) {
  if (!plane.Defined()) return PointPlane::kNoPlane;
  const WidePlane w = Widen(plane);
  return Dot(w.n, P) == w.d ? PointPlane::kBelongs : PointPlane::kOutside;
}

LinePlaneMeeting LineAndPlane(const PlaneEquation& plane, const DihedralPoint& D,
                              const DihedralPoint& E) {
  LinePlaneMeeting m;
  if (!plane.Defined()) return m;
  const WidePlane w = Widen(plane);
  const Int256 offD = w.d - Dot(w.n, D);  // < 2^98 + 2^98 = 2^99
  if (D == E) {
    m.relation = offD.IsZero() ? LinePlane::kPointBelongs : LinePlane::kPointOutside;
    return m;
  }
  const WideVector u = DirectionOf(D, E);
  const Int256 along = Dot(w.n, u);  // < 3 * 2^65 * 2^32 < 2^99
  if (along.IsZero()) {
    m.relation = offD.IsZero() ? LinePlane::kContained : LinePlane::kParallel;
    return m;
  }
  // I = D + t u with t = offD / along; each numerator D_i along + u_i offD is below
  // 2^31 * 2^99 + 2^32 * 2^99 < 2^132 (2^140 once DecimalCommaText scales it by 200).
  const auto coordinate = [&](std::int32_t d, const Int256& ui) {
    return WideFraction::Of(Int256(d) * along + ui * offD, along);
  };
  m.relation = LinePlane::kSecant;
  m.I = {coordinate(D.abscissa, u.x), coordinate(D.alejamiento, u.y), coordinate(D.cota, u.z)};
  return m;
}

PlanesMeeting TwoPlanes(const PlaneEquation& alpha, const PlaneEquation& beta) {
  PlanesMeeting m;
  if (!alpha.Defined() || !beta.Defined()) return m;
  const WidePlane a = Widen(alpha), b = Widen(beta);
  const WideVector cross = Cross(a.n, b.n);  // < 2^131
  if (cross.IsZero()) {
    // n1 = k n2: the same plane exactly when d1 = k d2, i.e. d1 n2 = d2 n1 (< 2^163).
    const bool same =
        a.d * b.n.x == b.d * a.n.x && a.d * b.n.y == b.d * a.n.y && a.d * b.n.z == b.d * a.n.z;
    m.relation = same ? PlanesRelation::kCoincident : PlanesRelation::kParallel;
    return m;
  }
  m.relation = PlanesRelation::kSecant;
  m.direction = Primitive(cross);
  // Each trace drops one coordinate (set to 0) and solves for the other two; the
  // determinant is then the dropped coordinate's component of n1 x n2, up to sign.
  if (const auto xy = Solve(a.n.x, a.n.y, a.d, b.n.x, b.n.y, b.d))
    m.H = ExactPoint{xy->first, xy->second, WideFraction()};
  if (const auto xz = Solve(a.n.x, a.n.z, a.d, b.n.x, b.n.z, b.d))
    m.V = ExactPoint{xz->first, WideFraction(), xz->second};
  if (const auto yz = Solve(a.n.y, a.n.z, a.d, b.n.y, b.n.z, b.d))
    m.profile = ExactPoint{WideFraction(), yz->first, yz->second};
  return m;
}

NotableLines NotableLinesOf(const PlaneEquation& plane) {
  if (!plane.Defined()) {
    const NotableLine none{std::nullopt, NotableLack::kNoPlane};
    return {none, none, none, none};
  }
  const WideVector n = Widen(plane).n;
  const NotableLack noH =
      n.x.IsZero() && n.y.IsZero() ? NotableLack::kPlaneParallelToH : NotableLack::kNone;
  const NotableLack noV =
      n.x.IsZero() && n.z.IsZero() ? NotableLack::kPlaneParallelToV : NotableLack::kNone;
  // h = (ny, -nx, 0) and f = (nz, 0, -nx) lie in the plane (n . h = n . f = 0); the
  // lines of maximum slope and inclination are n x h and n x f, in the plane and
  // perpendicular to h and f: components below 2 * 2^130 = 2^131.
  const WideVector h{n.y, -n.x, 0};
  const WideVector f{n.z, 0, -n.x};
  NotableLines lines;
  lines.horizontal = Notable(noH, h);
  lines.frontal = Notable(noV, f);
  lines.maxSlope = Notable(noH, Cross(n, h));
  lines.maxInclination = Notable(noV, Cross(n, f));
  return lines;
}

}  // namespace scene
