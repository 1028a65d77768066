// The plane through three points: one example per row of its table, the bisectors,
// coordinates at the 32-bit limits, and the traces' text.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "scene/PlaneGeometry.h"

namespace {

struct Row {
  DihedralPoint A, B, C;
  const char* text;
  int code;
};

TEST(PlaneTypeTest, OneExamplePerRowOfTheTable) {
  const Row rows[] = {
      {{1, 2, 3}, {2, 4, 6}, {3, 6, 9}, "NO DEFINEN UN PLANO", 10},  // aligned
      {{1, 2, 3}, {1, 2, 3}, {5, 0, 1}, "NO DEFINEN UN PLANO", 10},  // two coincide
      {{0, 5, 0}, {10, 0, 0}, {3, -7, 0}, "ES EL PLANO H", 9},
      {{0, 5, 20}, {10, 0, 20}, {3, -7, 20}, "HORIZONTAL", 1},
      {{0, 0, 5}, {10, 0, 0}, {3, 0, -7}, "ES EL PLANO V", 9},
      {{0, 30, 5}, {10, 30, 0}, {3, 30, -7}, "FRONTAL", 2},
      {{7, 0, 0}, {7, 10, 0}, {7, 3, 9}, "DE PERFIL", 3},
      {{0, 0, 0}, {10, 20, 0}, {10, 20, 30}, "PROYECTANTE HORIZONTAL", 4},
      {{0, 0, 0}, {10, 0, 20}, {10, 30, 20}, "PROYECTANTE VERTICAL", 5},
      {{0, 30, 0}, {10, 30, 0}, {0, 0, 40}, "PARALELO A L.T.", 6},
      {{0, 0, 0}, {10, 0, 0}, {0, 20, 20}, "PRIMER BISECTOR", 7},
      {{0, 0, 0}, {10, 0, 0}, {0, -20, 20}, "SEGUNDO BISECTOR", 7},
      {{0, 0, 0}, {10, 0, 0}, {0, 20, 30}, "QUE PASA POR L.T.", 7},
      {{60, 0, 0}, {0, 45, 0}, {0, 0, 50}, "OBLICUO", 8},
  };
  for (const Row& r : rows) {
    const classify::Naming type = classify::PlaneType(r.A, r.B, r.C);
    EXPECT_EQ(type.text, r.text);
    EXPECT_EQ(type.code, r.code) << r.text;
  }
}

TEST(PlaneTypeTest, ExactAtThe32BitLimits) {
  const DihedralPoint lo{INT_MIN, INT_MIN, INT_MIN}, hi{INT_MAX, INT_MAX, INT_MAX};
  // Normal components near 2^65: exact, and the two bisectors still told apart.
  EXPECT_EQ(classify::PlaneType({INT_MIN, 0, 0}, {INT_MAX, 0, 0}, {0, INT_MAX, INT_MAX}).text,
            "PRIMER BISECTOR");
  EXPECT_EQ(classify::PlaneType({INT_MIN, 0, 0}, {INT_MAX, 0, 0}, {0, -INT_MAX, INT_MAX}).text,
            "SEGUNDO BISECTOR");
  EXPECT_EQ(classify::PlaneType(lo, hi, {0, 0, 0}).text,
            "NO DEFINEN UN PLANO");  // -1/2 on the line
  EXPECT_EQ(classify::PlaneType(lo, hi, {0, 0, 1}).text, "PROYECTANTE HORIZONTAL");
  EXPECT_EQ(classify::PlaneType({INT_MIN, INT_MAX, 1}, {INT_MAX, INT_MIN, 0}, {0, 1, INT_MIN}).text,
            "OBLICUO");
  // Parallel to L.T. with d near 2^96; one unit off it becomes oblique.
  EXPECT_EQ(classify::PlaneType({INT_MIN, INT_MAX, INT_MIN}, {INT_MAX, INT_MAX, INT_MIN},
                                {0, INT_MIN, INT_MAX})
                .text,
            "PARALELO A L.T.");
  EXPECT_EQ(classify::PlaneType({INT_MIN, INT_MAX, INT_MIN}, {INT_MAX, INT_MAX, INT_MIN + 1},
                                {0, INT_MIN, INT_MAX})
                .text,
            "OBLICUO");
  // The meeting point on L.T. of a plane through (INT_MAX, 0, 0) is exact.
  const auto t = scene::TracesOf(scene::PlaneThrough({INT_MAX, 0, 0}, {0, INT_MAX, 0}, {0, 0, 1}));
  ASSERT_TRUE(t.meetGroundLine);
  EXPECT_TRUE(t.groundLineAbscissa == (scene::ExactFraction{INT_MAX, 1}));
}

TEST(PlaneTypeTest, TracesText) {
  const std::string alpha = "\xCE\xB1";
  EXPECT_EQ(classify::PlaneTracesText({25, 0, 0}, {0, 10, 0}, {0, 0, 10}),
            alpha + "1 y " + alpha + "2 cortan a L.T. en x = 25");
  // 2x + y + z = 25 meets L.T. at x = 25/2.
  EXPECT_EQ(classify::PlaneTracesText({0, 25, 0}, {0, 0, 25}, {10, 5, 0}),
            alpha + "1 y " + alpha + "2 cortan a L.T. en x = 12,5");
  EXPECT_EQ(scene::DecimalText(scene::MakeFraction(25, 2)), "12,5");
  EXPECT_EQ(scene::DecimalText(scene::MakeFraction(-1, 3)), "-0,33");
  EXPECT_EQ(scene::DecimalText(scene::MakeFraction(1, 20)), "0,05");
  EXPECT_EQ(classify::PlaneTracesText({0, 30, 0}, {10, 30, 0}, {0, 0, 40}),
            alpha + "1 y " + alpha + "2 paralelas a L.T.");
  EXPECT_EQ(classify::PlaneTracesText({1, 2, 3}, {2, 4, 6}, {3, 6, 9}), "");
}

}  // namespace
