// The point and line exercises with a plane: every answer about equally often, each
// answer true of its figure, every point in bounds, a point that does not belong well
// off the plane, a secant line through the triangle; and the sentence for each case.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>

#include "classify/IncidenceNames.h"
#include "figures/Explanations.h"
#include "quiz/IncidenceExercise.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"

namespace {

using scene::Int128;

constexpr quiz::ExerciseBounds kBounds{97, 144};

bool InBounds(const DihedralPoint& p) {
  return std::abs(p.abscissa) < kBounds.abscissa && std::abs(p.alejamiento) < kBounds.distance &&
         std::abs(p.cota) < kBounds.distance;
}

Int128 Abs(Int128 v) {
  return v < 0 ? -v : v;
}

// How far P lies from the plane along the axis that meets it soonest, times the
// largest normal component: n . P - d in size.
bool AtLeastFiveOff(const scene::PlaneEquation& p, const DihedralPoint& P) {
  const Int128 off = p.nx * P.abscissa + p.ny * P.alejamiento + p.nz * P.cota - p.d;
  return Abs(off) >= 5 * std::max({Abs(p.nx), Abs(p.ny), Abs(p.nz)});
}

// Whether one projection of X, on H, V or the profile plane, lies strictly inside the
// triangle's: one that is not edge on always holds a point of the plate.
bool InsideTriangle(const DihedralPoint (&T)[3], double x, double y, double z) {
  const auto at = [](const DihedralPoint& P) {
    return std::array<double, 3>{double(P.abscissa), double(P.alejamiento), double(P.cota)};
  };
  const std::array<double, 3> X{x, y, z};
  for (const auto& [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}}) {
    int positive = 0, negative = 0;
    for (int k = 0; k < 3; ++k) {
      const auto P = at(T[k]), Q = at(T[(k + 1) % 3]);
      const double c = (Q[i] - P[i]) * (X[j] - P[j]) - (Q[j] - P[j]) * (X[i] - P[i]);
      positive += c > 0;
      negative += c < 0;
    }
    if (positive == 3 || negative == 3) return true;
  }
  return false;
}

TEST(IncidenceExerciseTest, AnswersEquallyLikelyTrueInBoundsAndWellOffThePlane) {
  std::mt19937 generator(29u);
  const quiz::RandomSource random = [&](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
  constexpr int kDraws = 600;
  int points[3] = {}, lines[4] = {};
  for (int i = 0; i < kDraws; ++i) {
    const quiz::PointPlaneExercise p = quiz::DrawPointPlaneExercise(random, kBounds);
    const DihedralPoint pT[3] = {p.a, p.b, p.c};
    const scene::PlaneEquation pp = scene::PlaneThrough(p.a, p.b, p.c);
    ++points[p.answer];
    ASSERT_EQ(classify::PointPlaneRelation(p.a, p.b, p.c, p.p).code, p.answer);
    for (const DihedralPoint& q : {p.a, p.b, p.c, p.p}) ASSERT_TRUE(InBounds(q));
    if (p.answer == classify::kOutsideCode) {
      ASSERT_TRUE(AtLeastFiveOff(pp, p.p));
    } else {
      ASSERT_TRUE(InsideTriangle(pT, p.p.abscissa, p.p.alejamiento, p.p.cota));
    }

    const quiz::LinePlaneExercise l = quiz::DrawLinePlaneExercise(random, kBounds);
    const DihedralPoint lT[3] = {l.a, l.b, l.c};
    const scene::PlaneEquation lp = scene::PlaneThrough(l.a, l.b, l.c);
    ++lines[l.answer];
    ASSERT_EQ(classify::LinePlaneRelation(l.a, l.b, l.c, l.d, l.e).code, l.answer);
    for (const DihedralPoint& q : {l.a, l.b, l.c, l.d, l.e}) ASSERT_TRUE(InBounds(q));
    if (l.answer != classify::kContainedCode) {
      ASSERT_TRUE(AtLeastFiveOff(lp, l.d));
      ASSERT_TRUE(AtLeastFiveOff(lp, l.e));
    }
    if (l.answer == classify::kSecantCode) {
      const scene::ExactPoint I = scene::LineAndPlane(lp, l.d, l.e).I;
      ASSERT_TRUE(
          InsideTriangle(lT, I.abscissa.ToDouble(), I.alejamiento.ToDouble(), I.cota.ToDouble()));
    }
  }
  for (int code = 1; code <= 2; ++code) EXPECT_NEAR(points[code], kDraws / 2, kDraws / 10);
  for (int code = 1; code <= 3; ++code) EXPECT_NEAR(lines[code], kDraws / 3, kDraws / 10);
}

TEST(IncidenceExerciseTest, OneSentenceFromTheCoordinates) {
  const DihedralPoint A{0, 0, 42}, B{10, 0, 42}, C{0, 10, 42};  // horizontal, cota 42
  EXPECT_EQ(figures::PointPlaneExplanation(A, B, C, {5, 5, 30}, classify::kBelongsCode),
            "La horizontal del plano por p da p' con cota 42, y P tiene cota 30: P no pertenece "
            "al plano.");
  // Oblique, x + 2z = 10 (y free): over p (1, 7) the plane's cota is 4,5.
  const DihedralPoint O1{10, 0, 0}, O2{0, 0, 5}, O3{0, 9, 5};
  EXPECT_EQ(figures::PointPlaneExplanation(O1, O2, O3, {1, 7, 4}, classify::kBelongsCode),
            "La horizontal del plano por p da p' con cota 4,5, y P tiene cota 4: P no pertenece "
            "al plano.");
  EXPECT_EQ(figures::PointPlaneExplanation(O1, O2, O3, {2, 7, 4}, classify::kOutsideCode),
            "La horizontal del plano por p da p' con cota 4, la de P: P pertenece al plano.");
  // Proyectante horizontal, x = y; de perfil, x = 7.
  EXPECT_EQ(figures::PointPlaneExplanation({0, 0, 0}, {10, 10, 0}, {0, 0, 9}, {3, 5, 1}, 1),
            "α1 tiene alejamiento 3 en la abscisa de p, y P tiene alejamiento 5: P no pertenece "
            "al plano.");
  EXPECT_EQ(figures::PointPlaneExplanation({7, 0, 0}, {7, 10, 0}, {7, 3, 9}, {7, 1, 1}, 2),
            "El plano de perfil tiene abscisa 7, la de P: P pertenece al plano.");
  EXPECT_EQ(figures::PointPlaneExplanation(A, B, C, {5, 5, 30}, 0),
            "Falta elegir si P pertenece al plano.");

  // The line with the horizontal plane of cota 42.
  EXPECT_EQ(figures::LinePlaneExplanation(A, B, C, {0, 5, 42}, {9, 1, 42}, classify::kParallelCode),
            "D y E están en el plano: la recta está contenida en él.");
  EXPECT_EQ(figures::LinePlaneExplanation(A, B, C, {0, 5, 30}, {9, 1, 30}, classify::kSecantCode),
            "D está 12 por debajo del plano, y E igual: la recta es paralela al plano.");
  EXPECT_EQ(figures::LinePlaneExplanation(A, B, C, {0, 5, 30}, {9, 1, 50}, classify::kParallelCode),
            "D está 12 por debajo del plano y E está 8 por encima del plano: la recta lo corta "
            "en I(5,4; 2,6; 42).");
  // A frontal plane measures in alejamiento.
  EXPECT_EQ(figures::LinePlaneExplanation({0, 20, 0}, {10, 20, 0}, {0, 20, 10}, {0, 25, 0},
                                          {5, 25, 5}, classify::kSecantCode),
            "D está 5 delante del plano, y E igual: la recta es paralela al plano.");
}

}  // namespace
