// Where the infinite line through two points meets H (cota 0) and V (alejamiento
// 0): exact fractions, computed without a window. Pure: only the point type.
#pragma once

#include <cstdint>

#include "scene/Scene.h"

namespace drawing {

// num / den in lowest terms with den > 0.
struct Fraction {
  std::int64_t num = 0;
  std::int64_t den = 1;
  double ToDouble() const { return static_cast<double>(num) / static_cast<double>(den); }
};

inline bool operator==(const Fraction& a, const Fraction& b) {
  return a.num == b.num && a.den == b.den;
}

// Where a trace lies along the line: between the end points (either included), or
// beyond one of them, which is then the end point nearer to it.
enum class TraceSide { kOnSegment, kBeyondA, kBeyondB };

struct LineTrace {
  bool exists = false;
  Fraction abscissa, alejamiento, cota;
  TraceSide side = TraceSide::kOnSegment;
};

struct LineTraces {
  LineTrace horizontal;  // on H: cota 0; none when the two cotas are equal
  LineTrace vertical;    // on V: alejamiento 0; none when the two alejamientos are equal
};

// Exact for any 32-bit coordinates: every intermediate fits 64 bits.
LineTraces TracesOf(const DihedralPoint& A, const DihedralPoint& B);

}  // namespace drawing
