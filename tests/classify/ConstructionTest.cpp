// The graphic constructions against the exact answers, and the marker check.
#include "classify/Construction.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using classify::BuildConstruction;
using classify::CheckMarker;
using classify::ConstructionKind;
using classify::ConstructionPoints;
using classify::FlatPoint;
using classify::Marker;

// The last step's point labelled `label`, as the construction finds it.
std::optional<FlatPoint> Found(const classify::Construction& c, const std::string& label) {
  for (auto step = c.steps.rbegin(); step != c.steps.rend(); ++step)
    for (const classify::Label& l : step->labels)
      if (l.point && l.text == label) return l.at;
  return std::nullopt;
}

void ExpectStepsReach(const classify::Construction& c) {
  ASSERT_TRUE(c.lack.empty()) << c.lack;
  for (const Marker& m : c.markers) {
    if (!m.exact) continue;
    const auto at = Found(c, m.label);
    ASSERT_TRUE(at.has_value()) << m.label;
    EXPECT_NEAR(at->x, m.exact->x, 1e-6) << m.label;
    EXPECT_NEAR(at->y, m.exact->y, 1e-6) << m.label;
  }
}

TEST(ConstructionTest, EachConstructionEndsAtTheExactAnswer) {
  ConstructionPoints p{};
  p[0] = {-30, 10, 30};
  p[1] = {20, 30, 10};
  const auto traces = BuildConstruction(ConstructionKind::kLineTraces, p);
  ExpectStepsReach(traces);
  // h: cota 0 at t = 1.5: (45, 40, 0), drawn 40 below L.T.; v': alejamiento 0 at t = -0.5.
  EXPECT_NEAR(traces.markers[0].exact->x, 45.0, 1e-9);
  EXPECT_NEAR(traces.markers[0].exact->y, -40.0, 1e-9);
  EXPECT_NEAR(traces.markers[1].exact->x, -55.0, 1e-9);
  EXPECT_NEAR(traces.markers[1].exact->y, 40.0, 1e-9);

  p = {};
  p[0] = {-40, 0, 0};
  p[1] = {20, 40, 0};
  p[2] = {30, 0, 40};
  p[3] = {0, 15, 0};
  const auto missing = BuildConstruction(ConstructionKind::kMissingProjection, p);
  ExpectStepsReach(missing);
  // Plane 40x - 30y - 35z... checked through its equation: P's cota makes n.P = d.
  ASSERT_EQ(missing.markers.size(), 1u);

  p[3] = {-20, 10, 5};
  p[4] = {30, 20, 35};
  ExpectStepsReach(BuildConstruction(ConstructionKind::kLinePlane, p));
  // The same line with no crossing of L.T. in plan goes through a plane perpendicular to V.
  p[3] = {-20, 10, 5};
  p[4] = {30, 10, 35};
  const auto viaV = BuildConstruction(ConstructionKind::kLinePlane, p);
  ExpectStepsReach(viaV);
  EXPECT_NE(viaV.steps[1].sentence.find("β2 ≡ r'"), std::string::npos);

  p[3] = {40, 0, 0};
  p[4] = {-20, 40, 0};
  p[5] = {-30, 0, 40};
  ExpectStepsReach(BuildConstruction(ConstructionKind::kTwoPlanes, p));
}

TEST(ConstructionTest, MissingTracesAndFiguresWithoutAConstruction) {
  ConstructionPoints p{};
  p[0] = {-30, 10, 20};
  p[1] = {20, 30, 20};  // parallel to H
  const auto c = BuildConstruction(ConstructionKind::kLineTraces, p);
  ASSERT_EQ(c.markers.size(), 2u);
  EXPECT_FALSE(c.markers[0].exact.has_value());
  EXPECT_EQ(c.markers[0].absence, "r es paralela a H: no tiene traza horizontal.");
  ExpectStepsReach(c);
  EXPECT_TRUE(CheckMarker(c.markers[0], std::nullopt, 2.0).right);
  EXPECT_FALSE(CheckMarker(c.markers[0], FlatPoint{0, 0}, 2.0).right);
  EXPECT_FALSE(CheckMarker(c.markers[1], std::nullopt, 2.0).right);

  p[1] = p[0];
  EXPECT_FALSE(BuildConstruction(ConstructionKind::kLineTraces, p).lack.empty());
  p = {};
  p[0] = {-40, 0, 0};
  p[1] = {20, 40, 0};
  p[2] = {30, 0, 40};
  p[3] = {40, 0, 0};
  p[4] = {100, 40, 0};
  p[5] = {110, 0, 40};  // alpha moved along L.T.: parallel
  const auto parallel = BuildConstruction(ConstructionKind::kTwoPlanes, p);
  EXPECT_EQ(parallel.lack, "α y β son paralelos: no se cortan.");
  EXPECT_TRUE(parallel.markers.empty());
  EXPECT_TRUE(parallel.steps.empty());
}

TEST(ConstructionTest, AnAuxiliaryHorizontalPlaneWhenTheFirstTracesMeetOffTheDrawing) {
  ConstructionPoints p{};
  p[0] = {-40, 0, 0};
  p[1] = {20, 40, 0};
  p[2] = {30, 0, 40};
  p[3] = {-30, 0, 0};
  p[4] = {32, 41, 0};  // beta 1 nearly parallel to alpha 1: they meet far away
  p[5] = {-60, 0, 30};
  const auto c = BuildConstruction(ConstructionKind::kTwoPlanes, p);
  ASSERT_TRUE(c.lack.empty());
  ASSERT_TRUE(c.markers[0].exact.has_value());
  EXPECT_FALSE(classify::kExerciseBox.Holds(*c.markers[0].exact));
  EXPECT_NE(c.steps[0].sentence.find("plano horizontal auxiliar"), std::string::npos);
  // The line i drawn in the last step runs through the exact h, however far.
  const classify::Stroke* i = nullptr;
  for (const auto& s : c.steps.back().strokes)
    if (s.role == classify::StrokeRole::kAnswer && !i) i = &s;
  ASSERT_NE(i, nullptr);
  const FlatPoint h = *c.markers[0].exact;
  const double cross =
      (i->to.x - i->from.x) * (h.y - i->from.y) - (i->to.y - i->from.y) * (h.x - i->from.x);
  const double length = std::hypot(i->to.x - i->from.x, i->to.y - i->from.y);
  EXPECT_LT(std::fabs(cross / length), 1e-6);
}

TEST(ConstructionTest, AMarkerIsRightUpToTheToleranceAndTheVerdictSaysWhere) {
  const Marker m{"i'", FlatPoint{10.5, 20.0}, ""};
  EXPECT_TRUE(CheckMarker(m, FlatPoint{12.5, 20.0}, 2.0).right);
  EXPECT_FALSE(CheckMarker(m, FlatPoint{12.6, 20.0}, 2.0).right);
  EXPECT_TRUE(CheckMarker(m, FlatPoint{10.5, 15.0}, 5.0).right);
  EXPECT_FALSE(CheckMarker(m, FlatPoint{10.5, 14.0}, 5.0).right);
  EXPECT_EQ(CheckMarker(m, FlatPoint{10.5, 24.0}, 2.0).text, "i' está 4 mm por encima.");
  EXPECT_EQ(CheckMarker(m, FlatPoint{7.5, 20.0}, 2.0).text, "i' está 3 mm a la izquierda.");
  EXPECT_EQ(CheckMarker(m, FlatPoint{13.5, 17.0}, 2.0).text,
            "i' está 4,2 mm por debajo y a la derecha.");
  EXPECT_EQ(CheckMarker(m, FlatPoint{11.0, 20.0}, 2.0).text, "i' está bien.");
}

}  // namespace
