#include "classify/TrueNames.h"

#include <algorithm>

namespace classify {

namespace {

// Type and relation codes of the eight base cases, from which coordinates of A
// and B are equal.
struct BaseCodes {
  std::int32_t type;
  std::int32_t relation;
};

BaseCodes BaseOf(const DihedralPoint& A, const DihedralPoint& B) {
  const bool sameAbscissa = A.abscissa == B.abscissa;
  const bool sameAlejamiento = A.alejamiento == B.alejamiento;
  const bool sameCota = A.cota == B.cota;
  if (sameAbscissa) {
    if (sameAlejamiento) return sameCota ? BaseCodes{9, -1} : BaseCodes{3, 8};
    return sameCota ? BaseCodes{4, 5} : BaseCodes{5, 6};
  }
  if (sameAlejamiento) return sameCota ? BaseCodes{7, 2} : BaseCodes{2, 1};
  return sameCota ? BaseCodes{1, 3} : BaseCodes{6, 4};
}

bool OnGroundLine(const DihedralPoint& P) {
  return P.alejamiento == 0 && P.cota == 0;
}

std::vector<std::int32_t> SortedUnique(std::vector<std::int32_t> codes) {
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  return codes;
}

}  // namespace

bool MeetsGroundLine(const DihedralPoint& A, const DihedralPoint& B) {
  // Differences of two 32-bit values and products of a 32-bit value with such a
  // difference all fit 64 bits: |x| <= 2^31 and |d| < 2^32 give |x * d| < 2^63.
  const std::int64_t dAlejamiento = std::int64_t{B.alejamiento} - A.alejamiento;
  const std::int64_t dCota = std::int64_t{B.cota} - A.cota;
  if (dAlejamiento == 0 && dCota == 0) return OnGroundLine(A);
  // Parallel to V (or to H): the whole line keeps A's alejamiento (or cota).
  if (dAlejamiento == 0) return A.alejamiento == 0;
  if (dCota == 0) return A.cota == 0;
  return std::int64_t{A.alejamiento} * dCota == std::int64_t{A.cota} * dAlejamiento;
}

std::vector<std::int32_t> TrueTypeCodes(const DihedralPoint& A, const DihedralPoint& B) {
  if (A == B) return {OnGroundLine(A) ? 8 : 9};
  const bool inV = A.alejamiento == 0 && B.alejamiento == 0;
  const bool inH = A.cota == 0 && B.cota == 0;
  if (inV && inH) return {10};
  std::vector<std::int32_t> codes{BaseOf(A, B).type};
  if (inV || inH) codes.push_back(10);
  if (MeetsGroundLine(A, B)) codes.push_back(8);
  return SortedUnique(codes);
}

std::vector<std::int32_t> TrueRelationCodes(const DihedralPoint& A, const DihedralPoint& B) {
  if (A == B) return {OnGroundLine(A) ? 7 : -1};
  const bool inV = A.alejamiento == 0 && B.alejamiento == 0;
  const bool inH = A.cota == 0 && B.cota == 0;
  if (inV && inH) return {11};
  std::vector<std::int32_t> codes{BaseOf(A, B).relation};
  if (inH) codes.push_back(9);
  if (inV) codes.push_back(10);
  if (MeetsGroundLine(A, B)) codes.push_back(7);
  return SortedUnique(codes);
}

}  // namespace classify
