// The type of a line known by one exact point and an integer direction, named as the
// line classification names a line AB, so that a line found by computation (where two
// planes meet) reads in the same words. The kinds mirror the classification's line
// cases one for one, in their order, so that it can read them as its own.
#pragma once

#include <optional>
#include <vector>

#include "scene/Incidence.h"

namespace scene {

enum class LineKind {
  kPoint,
  kVertical,
  kDePunta,
  kDePerfil,
  kParallelToGroundLine,
  kFrontal,
  kHorizontal,
  kOblique,
  kInV,
  kInH,
  kInGroundLine,
  kCutsGroundLine,
};

struct LineKinds {
  // The one name the panel gives: the classification's override order (in V, in H,
  // in L.T., through a point of L.T.) applied to the line drawn from its point on L.T.
  // when it has one. For a line AB, LineType(A, B) names the same whenever A or B is
  // that point, or the line does not meet L.T.
  LineKind shown = LineKind::kPoint;
  // Every kind true of the line, each once: the kind its direction gives, kInH or kInV,
  // kCutsGroundLine; L.T. itself is only kInGroundLine; as TrueTypes for a line AB.
  std::vector<LineKind> all;
};

// Exact for any point when the direction's alejamiento or cota is zero, or when the
// point lies on H or on V: no product is formed then, and KindsOfIntersection always
// falls in one of those cases. Otherwise whether the line meets L.T. takes a product of
// three values, exact while each is below 2^80 (as for a point with 32-bit coordinates
// and the direction to another); beyond, it may throw std::overflow_error. A zero
// direction is the point alone.
LineKinds KindsOfLine(const ExactPoint& point, const WideVector& direction);

// The line i of two secant planes, from its first trace of H, V and profile that
// exists; none for planes that are not secant.
std::optional<LineKinds> KindsOfIntersection(const PlanesMeeting& meeting);

}  // namespace scene
