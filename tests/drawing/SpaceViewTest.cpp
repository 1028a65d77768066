#include <cmath>
#include <string>

#include "drawing/DrawingFixture.h"
#include "drawing/SpaceView.h"

using drawing::SurfacePoint;
using drawing::Vec3;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Screen direction in degrees, y up.
double Angle(double dx, double dyDown) {
  return std::atan2(-dyDown, dx) * 180.0 / kPi;
}

class SpaceViewTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    painter.Select320x200();
    drawing::ComputeSceneOrigins(painter);
  }
};

// The start view looks like the drawing's fixed perspective: L.T., the alejamiento
// and the cota point the same ways on the screen, within 10 degrees.
TEST_F(SpaceViewTest, StartViewPointsTheAxesAsTheFixedPerspective) {
  const drawing::SpaceProjection pr = drawing::ProjectionOf(drawing::SpaceCamera{}, 1.0, 0, 0);
  const drawing::EndPointPositions o = drawing::PositionsAt(painter, 0, 0, 0);
  const Vec3 axes[3] = {{100, 0, 0}, {0, 100, 0}, {0, 0, 100}};
  for (const Vec3& axis : axes) {
    const drawing::EndPointPositions p = drawing::PositionsAt(painter, axis.x, axis.y, axis.z);
    const drawing::ScreenPoint s = pr(axis);
    const double flat = Angle(p.S.x - o.S.x, p.S.y - o.S.y);
    EXPECT_NEAR(Angle(s.x, s.y), flat, 10.0) << axis.x << " " << axis.y << " " << axis.z;
  }
}

// Folded down and seen from straight above, the view is the flat one: each
// projection where the flat view puts it relative to L.T., within a pixel.
TEST_F(SpaceViewTest, FoldedFromAboveTheProjectionsLieAsInTheFlatView) {
  drawing::SpaceView view;
  view.camera.yaw = 0.0;
  view.camera.pitch = 90.0;
  view.fold = 0.0;
  const drawing::SpaceProjection pr = drawing::ProjectionOf(view.camera, 1.0, 0, 0);
  for (const Vec3 P :
       {Vec3{20, 40, 30}, Vec3{-50, -30, 60}, Vec3{70, -25, -45}, Vec3{-5, 35, -80}}) {
    drawing::SpaceFigure figure;
    drawing::AddPointWithProjections(figure, P, "a", drawing::Ink::kFigure);
    const drawing::SpaceScene placed = drawing::BuildSpaceScene(figure, view);
    const drawing::EndPointPositions flat = drawing::PositionsAt(painter, P.x, P.y, P.z);
    const SurfacePoint O = painter.FlatOrigin;
    int found = 0;
    for (const drawing::SpacePoint& m : placed.points) {
      if (m.label != "a" && m.label != "a'") continue;
      const SurfacePoint expected = m.label == "a" ? flat.h : flat.v;
      const drawing::ScreenPoint s = pr(m.at);
      EXPECT_NEAR(s.x, expected.x - O.x, 1.0) << m.label << " of " << P.x;
      EXPECT_NEAR(s.y, expected.y - O.y, 1.0) << m.label << " of " << P.x;
      ++found;
    }
    EXPECT_EQ(found, 2);
  }
}

// Faces that cross are painted so that the nearer part of each comes later, and a
// segment is hidden only where a face lies between it and the viewer.
TEST_F(SpaceViewTest, DepthOrderAndHiddenParts) {
  drawing::SpaceFigure figure;
  drawing::AddPointWithProjections(figure, {0, -20, -15}, "a", drawing::Ink::kFigure);
  const drawing::SpaceView view;
  const drawing::SpaceScene placed = drawing::BuildSpaceScene(figure, view);
  const drawing::SpaceProjection pr = drawing::ProjectionOf(view.camera, 1.0, 0, 0);
  // H's posterior half (face 1) lies behind V's halves (faces 2 and 3) from the
  // start view; H's anterior half (0) is in front of V's lower half.
  const auto order = drawing::PaintOrder(placed.faces, pr.towards);
  const auto last = [&](int face) {
    int at = -1;
    for (std::size_t k = 0; k < order.size(); ++k)
      if (order[k].face == face) at = static_cast<int>(k);
    return at;
  };
  const auto first = [&](int face) {
    for (std::size_t k = 0; k < order.size(); ++k)
      if (order[k].face == face) return static_cast<int>(k);
    return -1;
  };
  EXPECT_LT(first(1), first(2));
  EXPECT_LT(first(3), last(0));
  // The point in the third quadrant is behind H and V; L.T. lies on them, seen whole.
  EXPECT_TRUE(drawing::IsHidden({0, -20, -15}, placed.faces, pr));
  EXPECT_FALSE(drawing::IsHidden({0, 20, 15}, placed.faces, pr));
  EXPECT_TRUE(drawing::HiddenParts({-80, 0, 0}, {80, 0, 0}, placed.faces, pr).empty());
  // A short vertical segment through H's anterior half: H hides the part below it.
  const auto parts = drawing::HiddenParts({10, 30, 5}, {10, 30, -5}, placed.faces, pr);
  ASSERT_EQ(parts.size(), 1u);
  EXPECT_NEAR(parts[0].first, 0.5, 0.02);
  EXPECT_NEAR(parts[0].second, 1.0, 1e-9);
}

}  // namespace
