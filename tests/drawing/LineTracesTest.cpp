// The traces of a line as exact fractions: every kind of line, and coordinates at
// the ends of the 32-bit range (the sanitized build checks for overflow).
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "drawing/LineTraces.h"

namespace {

// "x y z side" with fractions as n/d, side "in", "A" or "B"; "-" for no trace.
std::string Text(const drawing::LineTrace& t) {
  if (!t.exists) return "-";
  const auto f = [](const drawing::Fraction& v) {
    return std::to_string(v.num) + (v.den == 1 ? "" : "/" + std::to_string(v.den));
  };
  const char* side[] = {"in", "A", "B"};
  return f(t.abscissa) + " " + f(t.alejamiento) + " " + f(t.cota) + " " +
         side[static_cast<int>(t.side)];
}

TEST(LineTraces, EveryKindOfLineAndTheRangesEnds) {
  const struct {
    DihedralPoint A, B;
    const char *H, *V;
  } rows[] = {
      {{10, 20, 30}, {10, 20, 30}, "-", "-"},                       // a single point
      {{0, 0, 0}, {0, 0, 0}, "-", "-"},                             // a point on the ground line
      {{-20, 0, 0}, {30, 0, 0}, "-", "-"},                          // in the ground line
      {{-20, 0, 30}, {30, 0, 50}, "-95 0 0 A", "-"},                // in V
      {{-20, 30, 0}, {30, 50, 0}, "-", "-95 0 0 A"},                // in H
      {{-20, 0, 0}, {30, 0, 50}, "-20 0 0 in", "-"},                // in V, cutting the ground line
      {{10, 20, 30}, {10, 20, -30}, "10 20 0 in", "-"},             // vertical
      {{10, 20, 30}, {10, -20, 30}, "-", "10 0 30 in"},             // de punta
      {{10, 20, 30}, {10, -20, -10}, "10 -10 0 in", "10 0 10 in"},  // de perfil
      {{10, 20, 30}, {-10, 20, 30}, "-", "-"},                      // parallel to the ground line
      {{10, 20, 30}, {-10, 20, -30}, "0 20 0 in", "-"},             // frontal
      {{10, 20, 30}, {-10, -20, 30}, "-", "0 0 30 in"},             // horizontal
      {{10, 20, 30}, {-10, -20, -30}, "0 0 0 in", "0 0 0 in"},      // through the ground line
      {{11, 31, 20}, {40, 50, 60}, "-7/2 43/2 0 A", "-690/19 0 -860/19 A"},
      {{40, 50, 60}, {11, 31, 20}, "-7/2 43/2 0 B", "-690/19 0 -860/19 B"},
      {{0, -10, -10}, {10, -5, -5}, "20 0 0 B", "20 0 0 B"},  // below H, behind V
      // Products of 2^62 over the widest denominator, 2^32 - 1.
      {{INT_MAX, INT_MIN, INT_MIN}, {INT_MIN, INT_MAX, INT_MAX}, "-1 0 0 in", "-1 0 0 in"},
      // Cotas one apart at the top: t = 2^31 - 1 puts H near 2^63.
      {{INT_MIN, INT_MAX, INT_MAX},
       {INT_MAX, INT_MIN, INT_MAX - 1},
       "9223372028264841217 -9223372028264841218 0 B",
       "-1 0 9223372028264841218/4294967295 in"},
  };
  for (const auto& r : rows) {
    const auto t = drawing::TracesOf(r.A, r.B);
    EXPECT_EQ(Text(t.horizontal), r.H) << r.A.abscissa << " " << r.B.abscissa;
    EXPECT_EQ(Text(t.vertical), r.V) << r.A.abscissa << " " << r.B.abscissa;
  }
}

}  // namespace
