// Two-plane exercises: every relation drawn about a third of the time and drawn right,
// inside the bounds; the start triangle; one sentence for each relation and type of i.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "classify/TwoPlanes.h"
#include "figures/Explanations.h"
#include "quiz/TwoPlanesExercise.h"

namespace {

using classify::SixPoints;

TEST(TwoPlanesExercise, EveryRelationAboutEquallyOftenAndInsideTheBounds) {
  std::mt19937 generator(20261208u);
  const quiz::RandomSource random = [&generator](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
  const quiz::ExerciseBounds bounds{90, 110};
  std::array<int, 5> drawn{};
  for (int k = 0; k < 600; ++k) {
    const SixPoints p = quiz::DrawTwoPlanesExercise(random, bounds);
    const std::int32_t code = classify::TwoPlanesRelation(p).code;
    ASSERT_GE(code, 1);
    ASSERT_LE(code, 3) << "no plane";
    ++drawn[code];
    for (const DihedralPoint& q : p) {
      ASSERT_LT(std::abs(q.abscissa), bounds.abscissa);
      ASSERT_LT(std::abs(q.alejamiento), bounds.distance);
      ASSERT_LT(std::abs(q.cota), bounds.distance);
    }
    if (code == classify::kCoincidentPlanes) {
      EXPECT_FALSE(std::is_permutation(p.begin(), p.begin() + 3, p.begin() + 3));
    }
  }
  for (int code = 1; code <= 3; ++code) EXPECT_NEAR(drawn[code], 200, 45) << code;
}

TEST(TwoPlanesExercise, StartTriangleCrossesTheFirst) {
  // Twice this pair is the one whose pixels the drawing tests read.
  const std::array<DihedralPoint, 3> def =
      quiz::CrossingTriangle({0, 40, 40}, {0, 0, 0}, {-40, 30, 50});
  EXPECT_EQ(def, (std::array<DihedralPoint, 3>{{{-31, 21, 15}, {-17, 18, 70}, {9, 31, 5}}}));
}

// Characters, not bytes.
std::size_t Length(const std::string& s) {
  std::size_t n = 0;
  for (const unsigned char c : s) n += (c & 0xC0u) != 0x80u;
  return n;
}

TEST(TwoPlanesExercise, OneSentenceForEachRelationAndTypeOfI) {
  const DihedralPoint o1{40, 0, 0}, o2{0, 60, 0}, o3{0, 0, 50};
  struct Case {
    SixPoints points;
    const char* relation;
    const char* line;
  };
  const Case cases[] = {
      {{{o1, o2, o3, {-30, 0, 0}, {0, 40, 0}, {0, 0, 60}}},
       "α1 y β1 se cortan en h: los planos son secantes.",
       "Los puntos de i difieren en abscisa, alejamiento y cota: i es oblicua."},
      {{{{0, 0, 20}, {10, 0, 20}, {0, 10, 20}, o1, o2, o3}},
       "α2 y β2 se cortan en v': los planos son secantes.",
       "Todos los puntos de i tienen cota 20: i es horizontal."},
      {{{{0, 0, 20}, {10, 0, 20}, {0, 10, 20}, {0, 15, 0}, {10, 15, 0}, {0, 15, 10}}},
       "α3 y β3 se cortan en i'': los planos son secantes.",
       "i tiene cota 20 y alejamiento 15 fijos: es paralela a L.T."},
      // beta is H: no beta 1, and beta 2 is L.T.
      {{{o1, o2, o3, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}}},
       "α2 y β2 se cortan en v': los planos son secantes.",
       "i pasa por el punto de L.T. de abscisa 40: i corta a L.T."},
      {{{{0, 0, 0}, {10, 0, 0}, {0, 20, 30}, {0, 0, 0}, {10, 0, 0}, {0, 30, -10}}},
       "α3 y β3 se cortan en i'': los planos son secantes.",
       "Los dos planos pasan por L.T.: i es la propia L.T."},
      {{{{0, 0, 20}, {10, 0, 20}, {0, 10, 20}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}}},
       "Trazas de igual nombre paralelas y D fuera de α: planos paralelos.",
       ""},
      {{{o1, o2, o3, {0, 60, 0}, {0, 0, 50}, {20, 30, 0}}},
       "D, E y F están en el plano de A, B y C: los planos son coincidentes.",
       ""},
      {{{{1, 2, 3}, {3, 4, 5}, {5, 6, 7}, o1, o2, o3}},
       "A, B y C están alineados: no definen un plano.",
       ""},
      {{{o1, o2, o3, {1, 2, 3}, {3, 4, 5}, {5, 6, 7}}},
       "D, E y F están alineados: no definen un plano.",
       ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(figures::TwoPlanesExplanation(c.points), c.relation);
    EXPECT_EQ(figures::IntersectionExplanation(c.points), c.line);
    EXPECT_LE(Length(c.relation), 70u);  // the strip beside the title
    EXPECT_LE(Length(c.line), 70u);
  }
}

}  // namespace
