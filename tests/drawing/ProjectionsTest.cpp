#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "drawing/DrawingFixture.h"

using drawing::EndPointPositionsOf;
using drawing::SurfacePoint;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

::testing::AssertionResult At(SurfacePoint p, int x, int y) {
  if (p.x == x && p.y == y) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << p.x << ", " << p.y << ") instead of (" << x << ", " << y << ")";
}

// The calls of one reference segment in light red from (x1, y1) to (x2, y2).
std::vector<std::string> ReferenceSegmentCalls(int x1, int y1, int x2, int y2) {
  auto ring = [](int x, int y) {
    return "Ellipse " + std::to_string(x - 3) + " " + std::to_string(y - 3) + " " +
           std::to_string(x + 3) + " " + std::to_string(y + 3);
  };
  std::vector<std::string> out = {"PenColor " + kLightRed, "PenStyle 4", "PenMode 4", "PenWidth 1"};
  for (const auto& l : LineCalls(x1, y1, x2, y2)) out.push_back(l);
  for (const auto& l :
       {std::string("PenStyle 0"), std::string("PenMode 4"), std::string("PenWidth 3"),
        std::string("BrushStyle 1"), ring(x1, y1), std::string("BrushStyle 1"), ring(x2, y2),
        std::string("PenStyle 0"), std::string("PenMode 4"), std::string("PenWidth 1")})
    out.push_back(l);
  return out;
}

class ProjectionsTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    painter.Select320x200();
  }
};

TEST_F(ProjectionsTest, OriginsAndStepsFollowTheCurrentMapping) {
  drawing::ComputeSceneOrigins(painter);
  EXPECT_TRUE(At(painter.SpaceOrigin, 255, 242));
  EXPECT_TRUE(At(painter.FlatOrigin, 766, 193));
  EXPECT_NEAR(painter.AbscissaStepX, 0.596691, 1e-6);
  EXPECT_NEAR(painter.AbscissaStepY, 0.404386, 1e-6);

  // In another space the same recipe gives other values.
  painter.Select640x480();
  drawing::ComputeSceneOrigins(painter);
  EXPECT_TRUE(At(painter.SpaceOrigin, 128, 100));
  // Before any selection (identity mapping) the ground line runs at 45 degrees.
  painter = drawing::Painter{};
  painter.ScaleFactorX = painter.ScaleFactorY = 1.0;
  drawing::ComputeSceneOrigins(painter);
  EXPECT_NEAR(painter.AbscissaStepX, 0.707107 - 0.2, 1e-6);
  // With no scale at all (program start) nothing divides by zero.
  painter.ScaleFactorX = painter.ScaleFactorY = 0.0;
  drawing::ComputeSceneOrigins(painter);
  EXPECT_NEAR(painter.AbscissaStepX, 0.8, 1e-12);
  EXPECT_NEAR(painter.AbscissaStepY, -0.2, 1e-12);
}

TEST_F(ProjectionsTest, WorkedPointPositions) {
  drawing::ComputeSceneOrigins(painter);
  const auto a = EndPointPositionsOf(painter, {20, 40, 30});
  EXPECT_TRUE(At(a.S, 307, 204));
  EXPECT_TRUE(At(a.Vp, 267, 204));
  EXPECT_TRUE(At(a.Hp, 307, 234));
  EXPECT_TRUE(At(a.G, 786, 193));
  EXPECT_TRUE(At(a.h, 786, 233));
  EXPECT_TRUE(At(a.v, 786, 163));

  const auto b = EndPointPositionsOf(painter, {-50, -30, 60});
  EXPECT_TRUE(At(b.S, 195, 202));
  EXPECT_TRUE(At(b.Vp, 225, 202));
  EXPECT_TRUE(At(b.Hp, 195, 262));
  EXPECT_TRUE(At(b.h, 716, 163));  // behind V: above the ground line
  EXPECT_TRUE(At(b.v, 716, 133));

  const auto below = EndPointPositionsOf(painter, {0, 10, -20});
  EXPECT_TRUE(At(below.v, 766, 213));  // negative cota: below the ground line
  EXPECT_TRUE(At(below.S, 265, 262));
}

TEST_F(ProjectionsTest, WithTheProfileTheAbscissaMovesNothingInTheSpaceView) {
  painter.Profile = true;  // as DrawScene sets it for a scene with the profile
  drawing::ComputeSceneOrigins(painter);
  const auto a = EndPointPositionsOf(painter, {20, 40, 30});
  const auto b = EndPointPositionsOf(painter, {-80, 40, 30});
  EXPECT_TRUE(At(a.S, 295, 212));
  EXPECT_TRUE(At(b.S, 295, 212));
  EXPECT_TRUE(At(a.Vp, 255, 212));
  EXPECT_TRUE(At(a.Hp, 295, 242));
  // The flat view still places each by its abscissa.
  EXPECT_TRUE(At(a.G, 786, 193));
  EXPECT_TRUE(At(b.G, 686, 193));
  // Alejamiento 0 and cota 0 sit at the centre of the cross whatever the abscissa.
  EXPECT_TRUE(At(EndPointPositionsOf(painter, {77, 0, 0}).S, 255, 242));
}

TEST_F(ProjectionsTest, PointSceneDrawsFourSegmentsThenTheLabels) {
  painter.SpaceOrigin = {0, 0};  // stale values are recomputed
  DrawSceneOf(true, 20, 40, 30, 99, 99, 99, 1);

  std::vector<std::string> expected;
  for (const auto& seg :
       {ReferenceSegmentCalls(307, 204, 267, 204), ReferenceSegmentCalls(307, 204, 307, 234),
        ReferenceSegmentCalls(786, 193, 786, 233), ReferenceSegmentCalls(786, 193, 786, 163)})
    expected.insert(expected.end(), seg.begin(), seg.end());
  const std::vector<std::string> labels = {"PenColor " + kLightMagenta,
                                           "FontColor " + kLightMagenta,
                                           "TextOut 297 204 A",
                                           "FontCharset 1",
                                           "FontName Default",
                                           "FontSize 1",
                                           "FontColor " + kLightMagenta,
                                           "TextOut 786 233 a",
                                           "FontColor " + kLightMagenta,
                                           "TextOut 786 163 a'",
                                           "FontCharset 1",
                                           "FontName Default",
                                           "FontSize 8"};
  expected.insert(expected.end(), labels.begin(), labels.end());
  EXPECT_EQ(canvas.log, expected);

  // Pen left at the label colour, brush clear from the rings, 1-pixel solid line.
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(13));
  EXPECT_EQ(canvas.brushStyle, delgraph::bsClear);
  EXPECT_EQ(canvas.penWidth, 1);
  EXPECT_TRUE(!painter.ForWindow.labels[6]);
  EXPECT_EQ(painter.CurrentWindow, 2);
}

TEST_F(ProjectionsTest, PointOnTheGroundLineHasZeroLengthSegments) {
  DrawSceneOf(true, 0, 0, 0, 0, 0, 0, 1);
  const auto lines = Only({"MoveTo", "LineTo"});
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "MoveTo 255 242");
  EXPECT_EQ(lines[1], "LineTo 255 242");
  const auto texts = canvas.Calls("TextOut");
  EXPECT_EQ(texts[1], "TextOut 766 193 a");
  EXPECT_EQ(texts[2], "TextOut 766 193 a'");
}

TEST_F(ProjectionsTest, LineSceneWithoutProfile) {
  DrawSceneOf(false, 20, 40, 30, -50, -30, 60, 1);

  EXPECT_EQ(
      canvas.Calls("TextOut"),
      (std::vector<std::string>{"TextOut 297 204 A", "TextOut 786 233 a", "TextOut 786 163 a'",
                                "TextOut 185 202 B", "TextOut 706 163 b", "TextOut 716 113 b'"}));
  // Labels in cyan, eight reference segments in light red.
  EXPECT_EQ(canvas.Calls("Ellipse").size(), 16u);

  // The line 3 pixels wide: in space, H and V projections in black, then the
  // projections of the space view in light red; the pen comes back to cyan each time.
  const auto log = canvas.log;
  const auto firstWide = std::find(log.rbegin(), log.rend(), "PenWidth 3").base();
  std::vector<std::string> rest(firstWide, log.end());
  std::vector<std::string> expected;
  auto blackLine = [&](int x1, int y1, int x2, int y2) {
    expected.push_back("PenColor " + kBlue);
    expected.push_back("PenColor " + kBlack);
    for (const auto& l : LineCalls(x1, y1, x2, y2)) expected.push_back(l);
    expected.push_back("PenColor " + kCyan);
  };
  blackLine(307, 204, 195, 202);
  blackLine(786, 233, 716, 163);
  blackLine(786, 163, 716, 133);
  for (const auto& seg :
       {std::vector<int>{307, 234, 195, 262}, std::vector<int>{267, 204, 225, 202}}) {
    expected.push_back("PenColor " + kLightRed);
    for (const auto& l : LineCalls(seg[0], seg[1], seg[2], seg[3])) expected.push_back(l);
    expected.push_back("PenColor " + kCyan);
  }
  for (const auto& l : {"PenStyle 0", "PenMode 4", "PenWidth 1"}) expected.push_back(l);
  EXPECT_EQ(rest, expected);
  EXPECT_EQ(painter.ForWindow.labels[6], "12");
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(3));
}

TEST_F(ProjectionsTest, LineSceneWithProfileLeavesOutTheSpaceViewProjections) {
  scene.ProfileOn = true;
  DrawSceneOf(false, 20, 40, 30, -80, 40, 30, 1);
  const auto lines = Only({"MoveTo", "LineTo"});
  // Eight dashed segments and three lines, no more.
  ASSERT_EQ(lines.size(), 22u);
  // Same alejamiento and cota: the line in space has zero length.
  EXPECT_EQ(lines[16], "MoveTo 295 212");
  EXPECT_EQ(lines[17], "LineTo 295 212");
  EXPECT_EQ(lines[18], "MoveTo 786 233");
  EXPECT_EQ(lines[19], "LineTo 686 233");
  EXPECT_EQ(painter.ForWindow.labels[6], "1");
  // The line colour passes through: a colour other than 1 is not turned black.
  canvas.Clear();
  DrawSceneOf(false, 20, 40, 30, -80, 40, 30, 4);
  EXPECT_EQ(canvas.Calls("PenColor " + kBlack).size(), 0u);
  EXPECT_EQ(canvas.Calls("PenColor " + kRed).size(), 3u);
  EXPECT_EQ(painter.ForWindow.labels[6], "4");
}

TEST_F(ProjectionsTest, SceneLineGivesThePenBackItsExactValue) {
  canvas.SetPenColor(0x123456);  // not a palette colour
  drawing::DrawSceneLine(painter, 1, 2, 3, 4, 1);
  EXPECT_EQ(canvas.penColor, 0x123456u);
  drawing::DrawSceneLine(painter, 1, 2, 3, 4, 7);
  EXPECT_EQ(canvas.penColor, 0x123456u);
}

TEST_F(ProjectionsTest, ExtremeCoordinatesSaturateThePixels) {
  drawing::ComputeSceneOrigins(painter);
  const auto s = EndPointPositionsOf(painter, {0, kMax, kMin});
  EXPECT_TRUE(At(s.S, kMax, kMax));
  const auto p = EndPointPositionsOf(painter, {kMax, kMax, kMin});
  EXPECT_EQ(p.G.x, kMax);
  EXPECT_EQ(p.h.y, kMax);
  EXPECT_EQ(p.v.y, kMax);
  const auto q = EndPointPositionsOf(painter, {kMax, 0, kMax});
  EXPECT_EQ(q.S.y, kMin);
  EXPECT_EQ(q.Vp.y, kMin);
  EXPECT_EQ(q.v.y, 193 - kMax);
  // Drawing them runs without overflow (the sanitizer build checks this).
  DrawSceneOf(false, kMax, kMin, kMax, kMin, kMax, kMin, 1);
  drawing::DrawPointLabels(painter, "b", {kMin, 0}, {kMin, 0}, {0, kMin});
  EXPECT_EQ(canvas.Calls("TextOut").back(), "TextOut 0 " + std::to_string(kMin) + " b'");
}

TEST_F(ProjectionsTest, RestoringTheSavedStyleAlwaysGivesFont0At8Points) {
  painter.SetTextStyle(1, 0, 18);
  painter.SetTextStyle(3, 0, 12);
  drawing::RestoreTextStyle(painter);
  EXPECT_EQ(canvas.fontName, "Default");
  EXPECT_EQ(canvas.fontSize, 8);
  EXPECT_EQ(painter.SavedTextStyle.font, 0);
  EXPECT_EQ(painter.SavedTextStyle.size, 0);
}

}  // namespace
