#include "drawing/LineTraces.h"

#include <cstdint>
#include <numeric>

namespace drawing {

namespace {

// den is never 0 here, and |num| stays below 2^63, so negating either is defined.
Fraction Reduced(std::int64_t num, std::int64_t den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const std::int64_t g = std::gcd(num, den);
  return {num / g, den / g};
}

// The point of AB where one coordinate, aZero at A and bZero at B, becomes 0. With
// t = aZero / (aZero - bZero), each coordinate A.q + t (B.q - A.q) simplifies to
// (aZero B.q - bZero A.q) / (aZero - bZero): two products below 2^62 in size whose
// difference stays below 2^63 - 2^31, so nothing overflows.
LineTrace TraceWhere(std::int64_t aZero, std::int64_t bZero, const DihedralPoint& A,
                     const DihedralPoint& B) {
  LineTrace trace;
  if (aZero == bZero) return trace;  // parallel to the plane, or lying in it
  const std::int64_t den = aZero - bZero;
  const auto at = [&](std::int32_t a, std::int32_t b) {
    return Reduced(aZero * static_cast<std::int64_t>(b) - bZero * static_cast<std::int64_t>(a),
                   den);
  };
  trace.exists = true;
  trace.abscissa = at(A.abscissa, B.abscissa);
  trace.alejamiento = at(A.alejamiento, B.alejamiento);
  trace.cota = at(A.cota, B.cota);
  // The plane separates A from B (or touches one) exactly when their signs differ.
  const bool sameSide = (aZero > 0 && bZero > 0) || (aZero < 0 && bZero < 0);
  if (sameSide) {
    const bool aNearer = (aZero > 0) ? aZero < bZero : aZero > bZero;
    trace.side = aNearer ? TraceSide::kBeyondA : TraceSide::kBeyondB;
  }
  return trace;
}

}  // namespace

LineTraces TracesOf(const DihedralPoint& A, const DihedralPoint& B) {
  LineTraces traces;
  traces.horizontal = TraceWhere(A.cota, B.cota, A, B);
  traces.vertical = TraceWhere(A.alejamiento, B.alejamiento, A, B);
  return traces;
}

}  // namespace drawing
