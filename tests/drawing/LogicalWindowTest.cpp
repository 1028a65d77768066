#include <cmath>
#include <cstdint>
#include <limits>

#include "drawing/DrawingFixture.h"

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

using LogicalWindowTest = DrawingTest;

TEST_F(LogicalWindowTest, BeforeTheFirstSelectionTheMappingIsTheIdentity) {
  EXPECT_EQ(painter.CurrentWindow, 0);
  EXPECT_EQ(painter.ScaleX(110), 110);
  EXPECT_EQ(painter.ScaleY(140), 140);
  // Halves go to the even neighbour; the absolute value mirrors negatives.
  EXPECT_EQ(painter.ScaleX(2.5), 2);
  EXPECT_EQ(painter.ScaleX(3.5), 4);
  EXPECT_EQ(painter.ScaleX(-3.5), 4);
  EXPECT_EQ(painter.ScaleY(-140), 140);
}

TEST_F(LogicalWindowTest, The320x200SpaceMapsTheFramePositions) {
  painter.Select320x200();
  EXPECT_EQ(painter.CurrentWindow, 2);
  EXPECT_DOUBLE_EQ(painter.WindowWidth, 321.0);
  EXPECT_DOUBLE_EQ(painter.WindowHeight, 199.0);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorX, 1025.0 / 321.0);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorY, 481.0 / 199.0);

  EXPECT_EQ(painter.ScaleX(80), 255);
  EXPECT_EQ(painter.ScaleX(100), 319);
  EXPECT_EQ(painter.ScaleX(179), 572);
  EXPECT_EQ(painter.ScaleX(240), 766);
  EXPECT_EQ(painter.ScaleX(308), 983);
  EXPECT_EQ(painter.ScaleY(19), 46);
  EXPECT_EQ(painter.ScaleY(80), 193);
  EXPECT_EQ(painter.ScaleY(82), 198);
  EXPECT_EQ(painter.ScaleY(100), 242);
  EXPECT_EQ(painter.ScaleY(141), 341);
  EXPECT_EQ(painter.ScaleX(0), 0);
  EXPECT_EQ(painter.ScaleY(0), 0);
  // Left of the window's edge maps onto the mirror image, never a negative pixel.
  EXPECT_EQ(painter.ScaleX(-10), 32);
  EXPECT_EQ(painter.ScaleX(10), 32);
}

TEST_F(LogicalWindowTest, The640SpacesMapThePlanesViewAndTheGlyphRow) {
  painter.Select640x480();
  EXPECT_DOUBLE_EQ(painter.WindowWidth, 641.0);
  EXPECT_DOUBLE_EQ(painter.WindowHeight, 479.0);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorY, 481.0 / 479.0);
  // The ground line of the planes view.
  EXPECT_EQ(painter.ScaleX(117), 187);
  EXPECT_EQ(painter.ScaleY(293), 294);
  EXPECT_EQ(painter.ScaleX(200), 320);
  EXPECT_EQ(painter.ScaleY(190), 191);
  EXPECT_EQ(painter.ScaleX(0), 0);
  EXPECT_EQ(painter.ScaleY(0), 0);

  painter.Select640x481();
  EXPECT_DOUBLE_EQ(painter.WindowWidth, 641.0);
  EXPECT_DOUBLE_EQ(painter.WindowHeight, 480.0);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorX, 1025.0 / 641.0);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorY, 481.0 / 480.0);
  EXPECT_EQ(painter.ScaleX(10), 16);
  EXPECT_EQ(painter.ScaleX(244), 390);
  EXPECT_EQ(painter.ScaleY(437), 438);
  EXPECT_EQ(painter.ScaleY(456), 457);
  EXPECT_EQ(painter.ScaleX(79), 126);
  // 240 x 481/480 lands a hair above 240.5 in doubles: rounded up, not to even.
  EXPECT_EQ(painter.ScaleY(240), 241);
}

TEST_F(LogicalWindowTest, SlotsOutsideTheTableAreIgnored) {
  painter.Select320x200();
  const double fx = painter.ScaleFactorX;
  const double fy = painter.ScaleFactorY;
  painter.SelectLogicalWindow(0);
  painter.SelectLogicalWindow(6);
  EXPECT_EQ(painter.CurrentWindow, 2);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorX, fx);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorY, fy);

  painter.SetLogicalWindow(0, 5, 5, 5, 5);
  painter.SetLogicalWindow(6, 5, 5, 5, 5);
  for (int slot : {0, 1, 3, 4, 5}) {
    const drawing::LogicalWindow& w = painter.LogicalWindowTable[slot];
    EXPECT_EQ(w.x1 + w.y1 + w.x2 + w.y2, 0.0) << "slot " << slot;
  }
}

TEST_F(LogicalWindowTest, StoringTheCurrentSlotMovesTheBoundsButKeepsTheFactors) {
  painter.Select320x200();
  painter.SetLogicalWindow(2, 10.0, 200.0, 320.0, -5.0);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorX, 1025.0 / 321.0);
  EXPECT_EQ(painter.ScaleX(20), 32);  // (20 - 10) x 3.193
  EXPECT_EQ(painter.ScaleY(-5), 0);
  // Selecting it now brings the factors in step.
  painter.SelectLogicalWindow(2);
  EXPECT_DOUBLE_EQ(painter.WindowWidth, 311.0);
  EXPECT_DOUBLE_EQ(painter.WindowHeight, 204.0);
}

TEST_F(LogicalWindowTest, AnEmptyWindowIsNotSelected) {
  painter.Select320x200();
  painter.SetLogicalWindow(3, 5.0, 100.0, 4.0, 0.0);  // width |4 - 5 + 1| = 0
  painter.SelectLogicalWindow(3);
  EXPECT_EQ(painter.CurrentWindow, 2);
  EXPECT_DOUBLE_EQ(painter.ScaleFactorX, 1025.0 / 321.0);
  EXPECT_EQ(painter.ScaleX(100), 319);
}

TEST_F(LogicalWindowTest, ExtremeCoordinatesSaturateInsteadOfOverflowing) {
  painter.Select320x200();
  EXPECT_EQ(painter.ScaleX(1e300), kInt32Max);
  EXPECT_EQ(painter.ScaleX(-1e300), kInt32Max);
  EXPECT_EQ(painter.ScaleY(3e9), kInt32Max);
  EXPECT_EQ(painter.ScaleX(std::numeric_limits<std::int32_t>::min()), kInt32Max);
  EXPECT_EQ(painter.ScaleX(std::numeric_limits<double>::infinity()), kInt32Max);
  EXPECT_EQ(painter.ScaleX(std::nan("")), 0);
  // Just below the limit still maps exactly.
  painter.ScaleFactorX = 1.0;
  EXPECT_EQ(painter.ScaleX(2147483646.0), 2147483646);
}

TEST_F(LogicalWindowTest, LogicalLinesAreMappedInTheCurrentSpace) {
  painter.Select320x200();
  painter.DrawLogicalLine(179, 80, 308, 80);
  EXPECT_EQ(Only({"MoveTo", "LineTo"}), LineCalls(572, 193, 983, 193));
}

TEST_F(LogicalWindowTest, ResetForgetsTheTableAndTheSelection) {
  painter.Select640x481();
  painter = drawing::Painter{};
  EXPECT_EQ(painter.CurrentWindow, 0);
  EXPECT_EQ(painter.LogicalWindowTable[2].y1, 0.0);
  EXPECT_EQ(painter.WindowWidth, 0.0);
}

}  // namespace
