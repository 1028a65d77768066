#include "drawing/LineParts.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace drawing {

namespace {

// Where q0 + t dq is 0, for dq != 0.
LineParameter RootOf(std::int64_t q0, std::int64_t dq) {
  return dq > 0 ? LineParameter{-q0, dq} : LineParameter{q0, -dq};
}

int Sign(std::int64_t v) {
  return (v > 0) - (v < 0);
}

int SignOnPart(std::int64_t q0, std::int64_t dq, const LineParameter* from) {
  if (dq == 0) return Sign(q0);
  const bool afterRoot = from != nullptr && !(*from < RootOf(q0, dq));
  return afterRoot ? Sign(dq) : -Sign(dq);
}

}  // namespace

LineParameter HorizontalTraceParameter(const DihedralPoint& A, const DihedralPoint& B) {
  return RootOf(A.cota, std::int64_t{B.cota} - A.cota);
}

LineParameter VerticalTraceParameter(const DihedralPoint& A, const DihedralPoint& B) {
  return RootOf(A.alejamiento, std::int64_t{B.alejamiento} - A.alejamiento);
}

std::int32_t PartCode(const DihedralPoint& A, const DihedralPoint& B, const LineParameter* from) {
  static constexpr std::int32_t kCodes[3][3] = {
      {3, 6, 2},  // alejamiento < 0: cota < 0, = 0, > 0
      {8, 9, 7},  // alejamiento = 0
      {4, 5, 1},  // alejamiento > 0
  };
  const int a = SignOnPart(A.alejamiento, std::int64_t{B.alejamiento} - A.alejamiento, from);
  const int c = SignOnPart(A.cota, std::int64_t{B.cota} - A.cota, from);
  return kCodes[a + 1][c + 1];
}

std::vector<std::int32_t> LinePartCodes(const DihedralPoint& A, const DihedralPoint& B) {
  std::vector<LineParameter> traces;
  if (A.cota != B.cota) traces.push_back(HorizontalTraceParameter(A, B));
  if (A.alejamiento != B.alejamiento) traces.push_back(VerticalTraceParameter(A, B));
  std::sort(traces.begin(), traces.end());
  std::vector<std::int32_t> codes{PartCode(A, B, nullptr)};
  for (const LineParameter& t : traces) {
    const std::int32_t code = PartCode(A, B, &t);
    if (codes.back() != code) codes.push_back(code);
  }
  return codes;
}

}  // namespace drawing
