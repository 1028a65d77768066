// The parts into which its traces cut a line, on exact fractions of the line
// parameter t along A + t (B - A). Pure: only the point type.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/Scene.h"

namespace drawing {

// t = num / den with den > 0, |num| <= 2^31 and den < 2^32: a product of a numerator
// and a denominator stays below 2^63, so two of them compare exactly in 64 bits.
struct LineParameter {
  std::int64_t num = 0;
  std::int64_t den = 1;
};

inline bool operator<(const LineParameter& x, const LineParameter& y) {
  return x.num * y.den < y.num * x.den;
}
inline bool operator==(const LineParameter& x, const LineParameter& y) {
  return x.num * y.den == y.num * x.den;
}

// Where the line meets H (cota 0) or V (alejamiento 0); only meaningful where that
// trace exists (the two cotas, or alejamientos, differ).
LineParameter HorizontalTraceParameter(const DihedralPoint& A, const DihedralPoint& B);
LineParameter VerticalTraceParameter(const DihedralPoint& A, const DihedralPoint& B);

// The location code (1..9, as for a point, no bisector mark) of the open part of the
// line that starts at `from` (null: from minus infinity) and holds no trace.
std::int32_t PartCode(const DihedralPoint& A, const DihedralPoint& B, const LineParameter* from);

// The codes of the whole line's parts by increasing t, equal neighbours merged.
std::vector<std::int32_t> LinePartCodes(const DihedralPoint& A, const DihedralPoint& B);

// Seen from the first quadrant: the quadrant itself, H anterior and V superior.
inline bool SeenCode(std::int32_t code) {
  return code == 1 || code == 5 || code == 7;
}

}  // namespace drawing
