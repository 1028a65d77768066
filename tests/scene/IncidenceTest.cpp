#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "scene/Incidence.h"
#include "scene/LineKinds.h"

namespace {

using scene::LineKind;
using scene::LinePlane;
using scene::PlanesRelation;
using scene::PointPlane;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

std::string Text(const std::optional<scene::ExactPoint>& p) {
  return p ? "(" + p->abscissa.Text() + " " + p->alejamiento.Text() + " " + p->cota.Text() + ")"
           : "-";
}
std::string Text(const scene::WideVector& v) {
  return "(" + v.x.ToString() + " " + v.y.ToString() + " " + v.z.ToString() + ")";
}
// Secant planes: i's direction, H, V and the profile point.
std::string Text(const scene::PlanesMeeting& m) {
  return Text(m.direction) + " H" + Text(m.H) + " V" + Text(m.V) + " P" + Text(m.profile);
}
// Each notable line's direction, or the plane of projection the plane is parallel to.
std::string Text(const scene::NotableLines& lines) {
  std::string text;
  for (const scene::NotableLine* l :
       {&lines.horizontal, &lines.frontal, &lines.maxSlope, &lines.maxInclination})
    text += l->direction ? Text(*l->direction)
                         : (l->lack == scene::NotableLack::kPlaneParallelToH ? "H" : "V");
  return text;
}

DihedralPoint Plus(const DihedralPoint& a, const DihedralPoint& b, const DihedralPoint& c) {
  return {a.abscissa + b.abscissa - c.abscissa, a.alejamiento + b.alejamiento - c.alejamiento,
          a.cota + b.cota - c.cota};
}

// One plane of each kind, by three points.
struct Points {
  DihedralPoint A, B, C;
};
const Points kOblique{{40, 0, 0}, {0, 60, 0}, {0, 0, 50}};
const Points kHorizontal{{0, 0, 20}, {10, 0, 20}, {0, 10, 20}};
const Points kFrontal{{0, 15, 0}, {10, 15, 0}, {0, 15, 10}};
const Points kProfile{{5, 0, 0}, {5, 10, 0}, {5, 0, 10}};
const Points kProjectingH{{10, 0, 0}, {0, 20, 0}, {10, 0, 30}};
const Points kProjectingV{{10, 0, 0}, {0, 0, 20}, {10, 30, 0}};
const Points kParallelToLT{{0, 20, 0}, {0, 0, 30}, {10, 20, 0}};
const Points kThroughLT{{0, 0, 0}, {10, 0, 0}, {0, 20, 30}};

scene::PlaneEquation Plane(const Points& p) {
  return scene::PlaneThrough(p.A, p.B, p.C);
}

TEST(Incidence, APointAndALineWithEveryKindOfPlane) {
  struct Case {
    Points plane;
    const char* I;  // of the line from (7, 11, 13) to (-3, -5, -9)
    const char* notable;
  };
  const Case cases[] = {
      {kOblique, "(3154/287 4989/287 6250/287)", "(2 -3 0)(4 0 -5)(36 24 -65)(50 -123 40)"},
      {kHorizontal, "(112/11 177/11 20)", "H(1 0 0)H(0 1 0)"},
      {kFrontal, "(19/2 15 37/2)", "(1 0 0)V(0 0 1)V"},
      {kProfile, "(5 39/5 43/5)", "(0 1 0)(0 0 1)(0 0 1)(0 1 0)"},
      {kProjectingH, "(101/18 79/9 179/18)", "(1 -2 0)(0 0 1)(0 0 1)(1 -2 0)"},
      {kProjectingV, "(16/3 25/3 28/3)", "(0 1 0)(1 0 -2)(1 0 -2)(0 1 0)"},
      {kParallelToLT, "(327/46 257/23 609/46)", "(1 0 0)(1 0 0)(0 2 -3)(0 2 -3)"},
      {kThroughLT, "(-21/2 -17 -51/2)", "(1 0 0)(1 0 0)(0 2 3)(0 2 3)"},
  };
  const DihedralPoint outside{7, 11, 13};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.I);
    const scene::PlaneEquation plane = Plane(c.plane);
    const DihedralPoint inside = Plus(c.plane.B, c.plane.C, c.plane.A);
    EXPECT_EQ(PointAndPlane(plane, inside), PointPlane::kBelongs);
    EXPECT_EQ(PointAndPlane(plane, outside), PointPlane::kOutside);
    EXPECT_EQ(LineAndPlane(plane, inside, inside).relation, LinePlane::kPointBelongs);
    EXPECT_EQ(LineAndPlane(plane, outside, outside).relation, LinePlane::kPointOutside);
    EXPECT_EQ(LineAndPlane(plane, c.plane.A, inside).relation, LinePlane::kContained);
    EXPECT_EQ(LineAndPlane(plane, outside, Plus(outside, c.plane.B, c.plane.A)).relation,
              LinePlane::kParallel);
    const scene::LinePlaneMeeting secant = LineAndPlane(plane, outside, {-3, -5, -9});
    EXPECT_EQ(secant.relation, LinePlane::kSecant);
    EXPECT_EQ(Text(secant.I), c.I);
    EXPECT_EQ(Text(NotableLinesOf(plane)), c.notable);
  }
}

TEST(Incidence, ThreePointsOnALineGiveNoRelation) {
  const scene::PlaneEquation none = Plane({{1, 2, 3}, {3, 4, 5}, {5, 6, 7}});
  const scene::PlaneEquation some = Plane(kOblique);
  EXPECT_EQ(PointAndPlane(none, {1, 2, 3}), PointPlane::kNoPlane);
  EXPECT_EQ(LineAndPlane(none, {1, 2, 3}, {1, 2, 3}).relation, LinePlane::kNoPlane);
  EXPECT_EQ(LineAndPlane(none, {0, 0, 0}, {1, 2, 3}).relation, LinePlane::kNoPlane);
  EXPECT_EQ(TwoPlanes(none, some).relation, PlanesRelation::kNoPlane);
  EXPECT_EQ(TwoPlanes(some, none).relation, PlanesRelation::kNoPlane);
  EXPECT_FALSE(KindsOfIntersection(TwoPlanes(some, none)));
  EXPECT_EQ(NotableLinesOf(none).maxSlope.lack, scene::NotableLack::kNoPlane);
}

TEST(Incidence, TwoPlanesOfEveryPair) {
  const Points H{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  const Points oblique{{-30, 0, 0}, {0, 40, 0}, {0, 0, 60}};
  const Points parallelToLT{{0, -10, 0}, {0, 0, 40}, {10, -10, 0}};
  const Points throughLT{{0, 0, 0}, {10, 0, 0}, {0, 30, -10}};
  struct Pair {
    Points alpha, beta;
    const char* i;
    LineKind kind;
  };
  const Pair pairs[] = {
      {kOblique, oblique, "(16 78 -85) H(120/17 840/17 0) V(-40/13 0 700/13) P(0 15 75/2)",
       LineKind::kOblique},
      {kProjectingH, kProjectingV, "(1 -2 -2) H(10 0 0) V(10 0 0) P(0 20 20)",
       LineKind::kCutsGroundLine},
      // Parallel to L.T., as is i: only the profile view finds it.
      {kParallelToLT, parallelToLT, "(1 0 0) H- V- P(0 -20/11 360/11)",
       LineKind::kParallelToGroundLine},
      {kThroughLT, throughLT, "(1 0 0) H- V- P(0 0 0)", LineKind::kInGroundLine},
      {kHorizontal, kFrontal, "(1 0 0) H- V- P(0 15 20)", LineKind::kParallelToGroundLine},
      // i is alpha 1 itself: it lies in H, so it has no single point on H.
      {kOblique, H, "(2 -3 0) H- V(40 0 0) P(0 60 0)", LineKind::kCutsGroundLine},
  };
  for (const Pair& p : pairs) {
    const scene::PlanesMeeting m = TwoPlanes(Plane(p.alpha), Plane(p.beta));
    EXPECT_EQ(m.relation, PlanesRelation::kSecant);
    EXPECT_EQ(Text(m), p.i);
    EXPECT_EQ(KindsOfIntersection(m)->shown, p.kind) << p.i;
  }
  const auto relation = [](const Points& a, const Points& b) {
    return TwoPlanes(Plane(a), Plane(b)).relation;
  };
  EXPECT_EQ(relation(kHorizontal, H), PlanesRelation::kParallel);
  EXPECT_EQ(relation(kFrontal, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}}), PlanesRelation::kParallel);
  EXPECT_EQ(relation(kOblique, {{0, 60, 0}, {0, 0, 50}, {20, 30, 0}}), PlanesRelation::kCoincident);
}

TEST(Incidence, ExactAtThe32BitExtremes) {
  // x + y + z = -2^31 - 1, with a normal of (2^32 - 1)^2 (1, 1, 1).
  const scene::PlaneEquation sum =
      Plane({{kMin, kMin, kMax}, {kMax, kMin, kMin}, {kMin, kMax, kMin}});
  EXPECT_EQ(PointAndPlane(sum, {-1, kMin, 0}), PointPlane::kBelongs);
  EXPECT_EQ(PointAndPlane(sum, {0, kMin, 0}), PointPlane::kOutside);

  // I's numerators need 132 bits before they are reduced.
  const scene::LinePlaneMeeting m =
      LineAndPlane(Plane({{-kMax, -kMax, -kMax}, {kMax - 1, -7, kMin}, {-kMax, kMax - 1, -7}}),
                   {-kMax, -kMax, kMax - 1}, {kMax, kMin, kMax});
  const std::string e = "/19807040517885620211679231911";
  EXPECT_EQ(Text(m.I), "(-382817661657054457057604205810215288975" + e +
                           " -42535295528397618072790187892270956660" + e +
                           " 42535295508590577554904567680591724749" + e + ")");
  EXPECT_EQ(m.I.abscissa.DecimalCommaText(), "-19327352883");

  // Two planes whose line has traces of 159-bit numerators.
  const scene::PlanesMeeting i =
      TwoPlanes(Plane({{kMin, -kMax, 0}, {kMax - 1, -1, -kMax}, {-kMax, kMax - 1, kMax - 1}}),
                Plane({{kMin, kMax - 1, kMax}, {-kMax, -kMax, 0}, {kMax - 1, -1, 12345}}));
  // V and the profile point are found as H is, by the same rule.
  const std::string d = "/85071080548189548353947727189927501725";
  EXPECT_EQ(
      Text(i.direction),
      "(227734278670352990175691 -170142161076571600661500654971592080073 -" + d.substr(1) + ")");
  EXPECT_EQ(Text(i.H), "(-182688754437462737814954436567997761265604866567" + d +
                           " -182688754373659060612082966659130443992966386974" + d + " 0)");
  EXPECT_EQ(i.H->abscissa.DecimalCommaText(), "-2147483648,5");
}

}  // namespace
