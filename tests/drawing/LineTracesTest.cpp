// The traces of a line as exact fractions: every kind of line, and coordinates at
// the ends of the 32-bit range (the sanitized build checks for overflow).
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "drawing/LineTraces.h"

using drawing::Fraction;
using drawing::LineTrace;
using drawing::TraceSide;

namespace {

struct Expected {
  Fraction abscissa, alejamiento, cota;
  TraceSide side;
};

::testing::AssertionResult Is(const LineTrace& t, const std::optional<Expected>& e) {
  if (!e) {
    if (!t.exists) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "a trace where there is none";
  }
  if (!t.exists) return ::testing::AssertionFailure() << "no trace";
  const auto text = [](const Fraction& f) {
    return std::to_string(f.num) + "/" + std::to_string(f.den);
  };
  if (t.abscissa == e->abscissa && t.alejamiento == e->alejamiento && t.cota == e->cota &&
      t.side == e->side)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << text(t.abscissa) << ", " << text(t.alejamiento) << ", " << text(t.cota)
         << ") side " << static_cast<int>(t.side);
}

Expected At(std::int64_t x, std::int64_t y, std::int64_t z,
            TraceSide side = TraceSide::kOnSegment) {
  return {{x, 1}, {y, 1}, {z, 1}, side};
}

struct Row {
  const char* name;
  DihedralPoint A, B;
  std::optional<Expected> H, V;
};

constexpr auto kBeyondA = TraceSide::kBeyondA;
constexpr auto kBeyondB = TraceSide::kBeyondB;

TEST(LineTraces, EveryKindOfLine) {
  const Row rows[] = {
      {"single point", {10, 20, 30}, {10, 20, 30}, {}, {}},
      {"single point on the ground line", {0, 0, 0}, {0, 0, 0}, {}, {}},
      {"in the ground line", {-20, 0, 0}, {30, 0, 0}, {}, {}},
      {"in V", {-20, 0, 30}, {30, 0, 50}, At(-95, 0, 0, kBeyondA), {}},
      {"in H", {-20, 30, 0}, {30, 50, 0}, {}, At(-95, 0, 0, kBeyondA)},
      {"in V through the ground line", {-20, 0, 0}, {30, 0, 50}, At(-20, 0, 0), {}},
      {"vertical", {10, 20, 30}, {10, 20, -30}, At(10, 20, 0), {}},
      {"de punta", {10, 20, 30}, {10, -20, 30}, {}, At(10, 0, 30)},
      {"de perfil", {10, 20, 30}, {10, -20, -10}, At(10, -10, 0), At(10, 0, 10)},
      {"parallel to the ground line", {10, 20, 30}, {-10, 20, 30}, {}, {}},
      {"frontal", {10, 20, 30}, {-10, 20, -30}, At(0, 20, 0), {}},
      {"horizontal", {10, 20, 30}, {-10, -20, 30}, {}, At(0, 0, 30)},
      {"oblique through the ground line", {10, 20, 30}, {-10, -20, -30}, At(0, 0, 0), At(0, 0, 0)},
      {"trace at B", {5, 7, 9}, {3, 0, 0}, At(3, 0, 0), At(3, 0, 0)},
      // t = -1/2 for H and -31/19 for V: fractions, in lowest terms.
      {"oblique, traces beyond A",
       {11, 31, 20},
       {40, 50, 60},
       Expected{{-7, 2}, {43, 2}, {0, 1}, kBeyondA},
       Expected{{-690, 19}, {0, 1}, {-860, 19}, kBeyondA}},
      {"the same, from B",
       {40, 50, 60},
       {11, 31, 20},
       Expected{{-7, 2}, {43, 2}, {0, 1}, kBeyondB},
       Expected{{-690, 19}, {0, 1}, {-860, 19}, kBeyondB}},
      {"below H and behind V, beyond B",
       {0, -10, -10},
       {10, -5, -5},
       At(20, 0, 0, kBeyondB),
       At(20, 0, 0, kBeyondB)},
  };
  for (const Row& r : rows) {
    const auto traces = drawing::TracesOf(r.A, r.B);
    EXPECT_TRUE(Is(traces.horizontal, r.H)) << r.name << " (H)";
    EXPECT_TRUE(Is(traces.vertical, r.V)) << r.name << " (V)";
  }
}

TEST(LineTraces, ExtremeCoordinatesStayExact) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  // Products of 2^62 and the widest denominator, 2^32 - 1; the line lies in the
  // plane alejamiento = cota, so both traces are at abscissa kMin + kMax.
  auto t = drawing::TracesOf({kMax, kMin, kMin}, {kMin, kMax, kMax});
  EXPECT_TRUE(Is(t.horizontal, At(-1, 0, 0)));
  EXPECT_TRUE(Is(t.vertical, At(-1, 0, 0)));

  // Cotas one apart at the top of the range: t = kMax, a trace 2^63 away.
  t = drawing::TracesOf({kMin, kMax, kMax}, {kMax, kMin, kMax - 1});
  EXPECT_TRUE(Is(t.horizontal,
                 Expected{{9223372028264841217, 1}, {-9223372028264841218, 1}, {0, 1}, kBeyondB}));
  EXPECT_TRUE(
      Is(t.vertical,
         Expected{{-1, 1}, {0, 1}, {9223372028264841218, 4294967295}, TraceSide::kOnSegment}));
}

}  // namespace
