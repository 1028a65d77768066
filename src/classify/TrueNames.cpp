#include "classify/TrueNames.h"

#include <algorithm>

#include "classify/Vocabulary.h"

namespace classify {

namespace {

const LineCaseWords& BaseOf(const DihedralPoint& A, const DihedralPoint& B) {
  return BaseCase({A.abscissa == B.abscissa, A.alejamiento == B.alejamiento, A.cota == B.cota});
}

std::vector<std::int32_t> SortedUnique(std::vector<std::int32_t> codes) {
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  return codes;
}

}  // namespace

bool OnGroundLine(const DihedralPoint& P) {
  return P.alejamiento == 0 && P.cota == 0;
}

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

std::vector<std::int32_t> TrueTypes(const DihedralPoint& A, const DihedralPoint& B) {
  if (A == B) return {OnGroundLine(A) ? kCutsGroundLineType : kSinglePointType};
  const bool inV = A.alejamiento == 0 && B.alejamiento == 0;
  const bool inH = A.cota == 0 && B.cota == 0;
  if (inV && inH) return {kContainedType};
  std::vector<std::int32_t> codes{BaseOf(A, B).typeCode};
  if (inV || inH) codes.push_back(kContainedType);
  if (MeetsGroundLine(A, B)) codes.push_back(kCutsGroundLineType);
  return SortedUnique(codes);
}

std::vector<std::int32_t> TrueRelations(const DihedralPoint& A, const DihedralPoint& B) {
  if (A == B) return {OnGroundLine(A) ? kMeetsGroundLineRelation : kNoRelation};
  const bool inV = A.alejamiento == 0 && B.alejamiento == 0;
  const bool inH = A.cota == 0 && B.cota == 0;
  if (inV && inH) return {kInGroundLineRelation};
  std::vector<std::int32_t> codes{BaseOf(A, B).relationCode};
  if (inH) codes.push_back(kInHRelation);
  if (inV) codes.push_back(kContainedType);
  if (MeetsGroundLine(A, B)) codes.push_back(kMeetsGroundLineRelation);
  return SortedUnique(codes);
}

}  // namespace classify
