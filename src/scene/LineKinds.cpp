#include "scene/LineKinds.h"

namespace scene {

namespace {

// The kind a direction gives, from the components that are zero: those are the
// coordinates that every two points of the line share.
LineKind KindOfDirection(const WideVector& u) {
  const bool x = u.x.IsZero(), y = u.y.IsZero(), z = u.z.IsZero();
  if (x)
    return y ? (z ? LineKind::kPoint : LineKind::kVertical)
             : (z ? LineKind::kDePunta : LineKind::kDePerfil);
  return y ? (z ? LineKind::kParallelToGroundLine : LineKind::kFrontal)
           : (z ? LineKind::kHorizontal : LineKind::kOblique);
}

// True when the line has a point with alejamiento 0 and cota 0.
bool MeetsGroundLine(const ExactPoint& P, const WideVector& u) {
  const int y = P.alejamiento.Sign(), z = P.cota.Sign();
  if (u.y.IsZero() || u.z.IsZero()) {
    // Parallel to V (or H): every point keeps P's alejamiento (or cota).
    return (!u.y.IsZero() || y == 0) && (!u.z.IsZero() || z == 0);
  }
  // Where the cota is 0 the alejamiento is 0 too: y u.z = z u.y, with u.y, u.z != 0.
  if (y == 0 || z == 0) return y == z;
  const WideFraction &a = P.alejamiento, &c = P.cota;
  return a.num() * c.den() * u.z == c.num() * a.den() * u.y;
}

}  // namespace

LineKinds KindsOfLine(const ExactPoint& point, const WideVector& direction) {
  const bool onH = point.cota.Sign() == 0, onV = point.alejamiento.Sign() == 0;
  if (direction.IsZero()) {
    const LineKind k = onH && onV ? LineKind::kCutsGroundLine : LineKind::kPoint;
    return {k, {k}};
  }
  const bool inH = onH && direction.z.IsZero(), inV = onV && direction.y.IsZero();
  if (inH && inV) return {LineKind::kInGroundLine, {LineKind::kInGroundLine}};
  const bool meets = MeetsGroundLine(point, direction);
  LineKinds kinds;
  kinds.all.push_back(KindOfDirection(direction));
  if (inH) kinds.all.push_back(LineKind::kInH);
  if (inV) kinds.all.push_back(LineKind::kInV);
  if (meets) kinds.all.push_back(LineKind::kCutsGroundLine);
  kinds.shown = kinds.all.back();  // the override order is the order of pushing
  return kinds;
}

std::optional<LineKinds> KindsOfIntersection(const PlanesMeeting& meeting) {
  if (meeting.relation != PlanesRelation::kSecant) return std::nullopt;
  // n1 x n2 is not zero, so one of its components, and the trace it allows, is not.
  const ExactPoint& point = meeting.H ? *meeting.H : (meeting.V ? *meeting.V : *meeting.profile);
  return KindsOfLine(point, meeting.direction);
}

}  // namespace scene
