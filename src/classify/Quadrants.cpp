// The quadrants a line crosses: the parts its traces cut it into, shared with the
// drawing's seen and hidden parts.
#include <vector>
#include "classify/Classification.h"
#include "scene/LineParts.h"

namespace classify {

std::vector<std::int32_t> QuadrantsCrossed(const DihedralPoint& A, const DihedralPoint& B) {
  return scene::LinePartCodes(A, B);
}

}  // namespace classify
