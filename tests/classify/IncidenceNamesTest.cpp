// A point and a line with a plane named for one plane of each type, the cases with no
// plane or no line, and I written exactly at the 32-bit limits.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "classify/IncidenceNames.h"
#include "classify/Planes.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"

namespace {

using classify::LinePlaneRelation;
using classify::PointPlaneRelation;

DihedralPoint Plus(const DihedralPoint& p, const DihedralPoint& q, int k = 1) {
  return {p.abscissa + k * q.abscissa, p.alejamiento + k * q.alejamiento, p.cota + k * q.cota};
}

struct PlaneRow {
  DihedralPoint A, B, C;
  DihedralPoint off;  // a step that leaves the plane
  int type;
};

TEST(IncidenceNamesTest, PointAndLineWithOnePlaneOfEachType) {
  const PlaneRow rows[] = {
      {{0, 5, 20}, {10, 0, 20}, {3, -7, 20}, {0, 0, 3}, 1},
      {{0, 30, 5}, {10, 30, 0}, {3, 30, -7}, {0, 2, 0}, 2},
      {{7, 0, 0}, {7, 10, 0}, {7, 3, 9}, {1, 0, 0}, 3},
      {{0, 0, 0}, {10, 20, 0}, {10, 20, 30}, {1, 0, 0}, 4},
      {{0, 0, 0}, {10, 0, 20}, {10, 30, 20}, {0, 0, 1}, 5},
      {{0, 30, 0}, {10, 30, 0}, {0, 0, 40}, {0, 1, 1}, 6},
      {{0, 0, 0}, {10, 0, 0}, {0, 20, 30}, {0, 0, 1}, 7},
      {{60, 0, 0}, {0, 45, 0}, {0, 0, 50}, {1, 1, 1}, 8},
      {{0, 5, 0}, {10, 0, 0}, {3, -7, 0}, {0, 0, -4}, 9},
  };
  for (const PlaneRow& r : rows) {
    SCOPED_TRACE(r.type);
    ASSERT_EQ(classify::PlaneType(r.A, r.B, r.C).code, r.type);
    // B + C - A is in the plane, off it one step along `off`.
    const DihedralPoint in = Plus(Plus(r.B, r.C), r.A, -1), out = Plus(in, r.off);
    EXPECT_EQ(PointPlaneRelation(r.A, r.B, r.C, in).text, "PERTENECE AL PLANO");
    EXPECT_EQ(PointPlaneRelation(r.A, r.B, r.C, in).code, classify::kBelongsCode);
    EXPECT_EQ(PointPlaneRelation(r.A, r.B, r.C, out).text, "NO PERTENECE AL PLANO");
    EXPECT_EQ(PointPlaneRelation(r.A, r.B, r.C, out).code, classify::kOutsideCode);

    const classify::Naming contained = LinePlaneRelation(r.A, r.B, r.C, r.A, in);
    const classify::Naming parallel =
        LinePlaneRelation(r.A, r.B, r.C, Plus(r.A, r.off), Plus(in, r.off));
    const classify::Naming secant =
        LinePlaneRelation(r.A, r.B, r.C, Plus(in, r.off), Plus(in, r.off, -2));
    EXPECT_EQ(contained.text, "CONTENIDA EN EL PLANO");
    EXPECT_EQ(contained.code, classify::kContainedCode);
    EXPECT_EQ(parallel.text, "PARALELA AL PLANO");
    EXPECT_EQ(parallel.code, classify::kParallelCode);
    EXPECT_EQ(secant.text, "SECANTE AL PLANO");
    EXPECT_EQ(secant.code, classify::kSecantCode);
    // The secant line was drawn through `in`: I is that point, exactly.
    const scene::LinePlaneMeeting m = scene::LineAndPlane(scene::PlaneThrough(r.A, r.B, r.C),
                                                          Plus(in, r.off), Plus(in, r.off, -2));
    EXPECT_EQ(classify::ExactCoordinateTexts(m.I)[2], std::to_string(in.cota));
  }
}

TEST(IncidenceNamesTest, NoPlaneNamesNothingAndALineOfOnePointIsThatPoint) {
  const DihedralPoint A{1, 2, 3}, B{2, 4, 6}, C{3, 6, 9}, P{0, 0, 0};
  for (const classify::Naming& n :
       {PointPlaneRelation(A, B, C, P), LinePlaneRelation(A, B, C, P, {1, 1, 1})}) {
    EXPECT_EQ(n.code, classify::kNoRelation);
    EXPECT_EQ(n.text, "");
  }
  EXPECT_EQ(classify::LinePlaneWord(scene::LinePlane::kNoPlane), "sin plano");
  const DihedralPoint H1{0, 5, 0}, H2{10, 0, 0}, H3{3, -7, 0};
  const classify::Naming in = LinePlaneRelation(H1, H2, H3, {4, 4, 0}, {4, 4, 0});
  const classify::Naming out = LinePlaneRelation(H1, H2, H3, {4, 4, 1}, {4, 4, 1});
  EXPECT_EQ(in.text, "PERTENECE AL PLANO");
  EXPECT_EQ(in.code, classify::kPointOfLineBelongsCode);
  EXPECT_EQ(out.text, "NO PERTENECE AL PLANO");
  EXPECT_EQ(out.code, classify::kPointOfLineOutsideCode);
}

TEST(IncidenceNamesTest, IWrittenExactlyAtThe32BitLimits) {
  // z = -x / 3, met by vertical lines at the extreme abscissas.
  const DihedralPoint A{0, 0, 0}, B{0, 1, 0}, C{3, 0, -1};
  const auto I = [&](const DihedralPoint& D, const DihedralPoint& E) {
    return scene::LineAndPlane(scene::PlaneThrough(A, B, C), D, E).I;
  };
  const scene::ExactPoint low = I({INT_MIN, 5, INT_MIN}, {INT_MIN, 5, INT_MAX});
  EXPECT_EQ(classify::IntersectionText(low), " I=(-2147483648,00; 5,00; 715827882,67)");
  const scene::ExactPoint high = I({INT_MAX, 5, INT_MIN}, {INT_MAX, 5, INT_MAX});
  EXPECT_EQ(classify::IntersectionText(high), " I=(2147483647,00; 5,00; -715827882,33)");
  EXPECT_EQ(classify::ExactCoordinateTexts(high)[2], "-2147483647/3");
  // A normal near 2^65 and a line corner to corner: I just short of -1/2 and -1, worked
  // out apart in exact fractions, rounds away from zero.
  const scene::ExactPoint far =
      scene::LineAndPlane(
          scene::PlaneThrough({INT_MIN, INT_MAX, 1}, {INT_MAX, INT_MIN, 0}, {0, 1, INT_MIN}),
          {INT_MIN, INT_MIN, INT_MIN}, {INT_MAX, INT_MAX, INT_MAX - 1})
          .I;
  EXPECT_EQ(classify::IntersectionText(far), " I=(-0,50; -0,50; -1,00)");
  EXPECT_EQ(classify::ExactCoordinateTexts(far)[0], "-9223372028264841217/18446744082299486204");
  EXPECT_EQ(classify::ExactCoordinateTexts(far)[2], "-9223372034707292161/9223372041149743102");
  EXPECT_EQ(classify::TwoDecimals(scene::WideFraction::Of(-1, 1000)), "0,00");
  EXPECT_EQ(classify::TwoDecimals(scene::WideFraction::Of(25, 2)), "12,50");
}

}  // namespace
