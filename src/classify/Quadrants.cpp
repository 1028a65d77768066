// The quadrants a line crosses, decided on exact fractions of the line parameter.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "classify/Classification.h"

namespace classify {

namespace {

// Where a coordinate q0 + t dq is 0: t = num / den with den > 0. |num| <= 2^31 and
// den < 2^32, so a product of a numerator and a denominator stays below 2^63.
struct Root {
  std::int64_t num = 0;
  std::int64_t den = 1;
};

Root RootOf(std::int64_t q0, std::int64_t dq) {
  return dq > 0 ? Root{-q0, dq} : Root{q0, -dq};
}

bool Less(const Root& x, const Root& y) {
  return x.num * y.den < y.num * x.den;
}

int Sign(std::int64_t v) {
  return (v > 0) - (v < 0);
}

// The sign of q0 + t dq on a part that starts at `from` (none: from minus infinity),
// knowing that the part holds no root of it.
int SignOnPart(std::int64_t q0, std::int64_t dq, const Root* from) {
  if (dq == 0) return Sign(q0);
  const bool afterRoot = from != nullptr && !Less(*from, RootOf(q0, dq));
  return afterRoot ? Sign(dq) : -Sign(dq);
}

std::int32_t CodeOf(int alejamiento, int cota) {
  static constexpr std::int32_t kCodes[3][3] = {
      {3, 6, 2},  // alejamiento < 0: cota < 0, = 0, > 0
      {8, 9, 7},  // alejamiento = 0
      {4, 5, 1},  // alejamiento > 0
  };
  return kCodes[alejamiento + 1][cota + 1];
}

}  // namespace

std::vector<std::int32_t> QuadrantsCrossed(const DihedralPoint& A, const DihedralPoint& B) {
  const std::int64_t a0 = A.alejamiento, c0 = A.cota;
  const std::int64_t da = std::int64_t{B.alejamiento} - a0;
  const std::int64_t dc = std::int64_t{B.cota} - c0;
  std::vector<Root> roots;
  if (da != 0) roots.push_back(RootOf(a0, da));
  if (dc != 0) roots.push_back(RootOf(c0, dc));
  std::sort(roots.begin(), roots.end(), Less);
  // A line through L.T. has both roots at one t.
  roots.erase(std::unique(roots.begin(), roots.end(),
                          [](const Root& x, const Root& y) { return !Less(x, y) && !Less(y, x); }),
              roots.end());
  std::vector<std::int32_t> codes;
  for (std::size_t part = 0; part <= roots.size(); ++part) {
    const Root* from = part == 0 ? nullptr : &roots[part - 1];
    const std::int32_t code = CodeOf(SignOnPart(a0, da, from), SignOnPart(c0, dc, from));
    if (codes.empty() || codes.back() != code) codes.push_back(code);
  }
  return codes;
}

}  // namespace classify
