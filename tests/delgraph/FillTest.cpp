// Fills, dot patterns, polygons, pixels and text boxes, checked pixel by pixel on the
// real canvas.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <set>
#include <utility>

#include "Pixels.h"

using namespace delgraph;

namespace {

class FillTest : public DelgraphTest {
 protected:
  QtCanvas canvas;
  ColorValue black = 0;
  void SetUp() override {
    DelgraphTest::SetUp();
    g.AttachSurface(&canvas, 1024, 768);  // clears to palette colour 0, black
  }
};

TEST_F(FillTest, AttachClearsExactlyTheSurfaceBounds) {
  QtCanvas wide(1100, 500);  // starts white
  g.AttachSurface(&wide, 640, 400);
  PixelSet white;
  for (int y = 0; y < 500; ++y)
    for (int x = 0; x < 1100; ++x)
      if (At(wide, x, y) != 0) white.insert({x, y});
  EXPECT_EQ(white.size(), 1100u * 500u - 1025u * 481u);
  EXPECT_EQ(At(wide, 1024, 480), 0u);
  EXPECT_NE(At(wide, 1025, 480), 0u);
  EXPECT_NE(At(wide, 1024, 481), 0u);
}

TEST_F(FillTest, WideDotsSetNinePixelsAndNothingElse) {
  g.SetFillStyle(10, 4);
  g.FillBar(10, 10, 20, 20);
  PixelSet expected;
  for (int x : {10, 15, 20})
    for (int y : {10, 15, 20}) expected.insert({x, y});
  EXPECT_EQ(Changed(canvas, black), expected);
  for (const auto& [x, y] : expected) EXPECT_EQ(At(canvas, x, y), g.PaletteColor(4));
}

TEST_F(FillTest, CloseDotsSetEvenPixels) {
  g.SetFillStyle(11, 14);
  g.FillBar(1, 1, 4, 4);
  EXPECT_EQ(Changed(canvas, black), (PixelSet{{2, 2}, {2, 4}, {4, 2}, {4, 4}}));
  EXPECT_EQ(At(canvas, 4, 4), g.PaletteColor(14));
}

TEST_F(FillTest, DotsKeepThePixelsBetweenThemAndSkipNegativeEdges) {
  g.SetFillStyle(1, 2);
  g.FillBar(0, 0, 30, 30);
  g.SetFillStyle(10, 4);
  g.FillBar(-3, 0, 20, 20);
  g.FillBar(0, -1, 20, 20);
  EXPECT_EQ(Changed(canvas, black).size(), 31u * 31u);
  g.FillBar(0, 0, 30, 30);
  EXPECT_EQ(At(canvas, 5, 5), g.PaletteColor(4));
  EXPECT_EQ(At(canvas, 6, 5), g.PaletteColor(2));
}

TEST_F(FillTest, SolidFillCoversBothCorners) {
  g.SetFillStyle(1, 9);
  g.FillBar(3, 4, 7, 9);
  const PixelSet changed = Changed(canvas, black);
  EXPECT_EQ(changed.size(), 5u * 6u);
  EXPECT_EQ(*changed.begin(), std::make_pair(3, 4));
  EXPECT_EQ(*changed.rbegin(), std::make_pair(7, 9));
  EXPECT_EQ(At(canvas, 7, 9), g.PaletteColor(9));
}

// Hatch lines in the palette colour, the pixels between them untouched, nothing
// outside the bar, and lines running the way the pattern names.
TEST_F(FillTest, HatchesDrawOnlyTheirLines) {
  struct Case {
    std::uint16_t pattern;
    int dx, dy;  // a set pixel inside the bar implies the one at this offset is set
  };
  for (const Case c : {Case{2, 1, 0}, Case{9, 0, 1}, Case{3, 1, -1}, Case{4, 1, -1}, Case{5, 1, 1},
                       Case{6, 1, 1}}) {
    SCOPED_TRACE(c.pattern);
    g.SetFillStyle(1, 0);
    g.ClearSurface();
    g.SetFillStyle(c.pattern, 3);
    g.FillBar(100, 100, 199, 199);
    const PixelSet lines = Changed(canvas, black);
    EXPECT_GT(lines.size(), 200u);
    EXPECT_LT(lines.size(), 100u * 100u / 2);
    for (const auto& [x, y] : lines) {
      ASSERT_TRUE(x >= 100 && x <= 199 && y >= 100 && y <= 199) << x << "," << y;
      ASSERT_EQ(At(canvas, x, y), g.PaletteColor(3));
      const int nx = x + c.dx, ny = y + c.dy;
      if (nx >= 100 && nx <= 199 && ny >= 100 && ny <= 199) {
        ASSERT_TRUE(lines.count({nx, ny})) << x << "," << y;
      }
    }
  }
}

TEST_F(FillTest, FillAfterCircleIsSolid) {
  g.SetFillStyle(2, 3);
  g.DrawCircle(500, 300, 10);
  g.FillBar(10, 10, 40, 40);
  for (int y = 10; y <= 40; ++y)
    for (int x = 10; x <= 40; ++x) ASSERT_EQ(At(canvas, x, y), g.PaletteColor(3));
}

TEST_F(FillTest, ClearSurfaceWithPatternZeroIsSolid) {
  g.SetFillStyle(0, 3);
  g.ClearSurface();
  EXPECT_TRUE(Changed(canvas, g.PaletteColor(3)).empty());
}

class PolygonTest : public FillTest {
 protected:
  PointList square;
  void SetUp() override {
    FillTest::SetUp();
    const int corners[8] = {10, 10, 50, 10, 50, 50, 10, 50};
    for (int i = 0; i < 8; ++i) square.xy[i] = corners[i];
    g.SetDrawColor(15);
    g.SetFillStyle(1, 4);
  }
};

TEST_F(PolygonTest, FourPointsFillTheSquare) {
  g.FillPolygon(4, square);
  EXPECT_EQ(At(canvas, 30, 30), g.PaletteColor(4));
  EXPECT_EQ(At(canvas, 11, 49), g.PaletteColor(4));
  EXPECT_EQ(At(canvas, 30, 10), g.PaletteColor(15));
  EXPECT_EQ(At(canvas, 10, 30), g.PaletteColor(15));  // closing edge
  EXPECT_EQ(At(canvas, 30, 60), black);
}

TEST_F(PolygonTest, ThreePointsDrawTwoSegmentsAndNoFill) {
  g.FillPolygon(3, square);
  EXPECT_EQ(At(canvas, 30, 10), g.PaletteColor(15));
  EXPECT_EQ(At(canvas, 50, 30), g.PaletteColor(15));
  EXPECT_EQ(At(canvas, 30, 30), black);
  EXPECT_EQ(At(canvas, 30, 50), black);
  EXPECT_EQ(At(canvas, 10, 30), black);
}

TEST_F(PolygonTest, ElevenPointsDrawTheOpenOutlineOnly) {
  // A star-like path around (100, 100); no fill inside and no closing edge.
  const int xy[22] = {60, 60,  140, 60, 140, 140, 60,  140, 60,  80,  120,
                      80, 120, 120, 80, 120, 80,  100, 100, 100, 100, 90};
  PointList path;
  for (int i = 0; i < 22; ++i) path.xy[i] = xy[i];
  g.FillPolygon(11, path);
  EXPECT_EQ(At(canvas, 100, 60), g.PaletteColor(15));
  EXPECT_EQ(At(canvas, 70, 70), black);
  EXPECT_EQ(At(canvas, 130, 130), black);
  EXPECT_EQ(At(canvas, 100, 95), g.PaletteColor(15));  // tenth segment
  EXPECT_EQ(At(canvas, 80, 75), black);                // a closing edge would cross here
}

TEST_F(FillTest, PutPixelColours) {
  g.PutPixel(5, 5, 14);
  g.PutPixel(6, 5, 259);
  g.PutPixel(7, 5, GetMaxColor());
  g.palette.SetEntry(0, 250, 250, 255);
  g.PutPixel(8, 5, 0);
  EXPECT_EQ(At(canvas, 5, 5), MakeColorValue(252, 252, 84));
  EXPECT_EQ(At(canvas, 6, 5), g.PaletteColor(3));
  EXPECT_EQ(At(canvas, 7, 5), 0u);
  EXPECT_EQ(At(canvas, 8, 5), MakeColorValue(250, 250, 255));
  EXPECT_EQ(Changed(canvas, black).size(), 3u);
}

class TextTest : public FillTest {
 protected:
  QRect box;
  void SetUp() override {
    FillTest::SetUp();
    g.SetDrawColor(15);
    QFont font = canvas.Font();
    font.setPointSize(8);
    const QFontMetrics metrics(font, &canvas.Image());
    box = QRect(100, 100, metrics.horizontalAdvance("Hola"), metrics.height());
  }
  // Colours found inside and outside the text's box.
  void Scan(std::set<ColorValue>& inside, std::set<ColorValue>& outside) {
    for (int y = 90; y < 140; ++y)
      for (int x = 90; x < 200; ++x)
        (box.contains(x, y) ? inside : outside).insert(At(canvas, x, y));
  }
};

TEST_F(TextTest, SolidBrushGivesABoxInTheBrushColour) {
  g.SetBackColor(4);
  g.DrawText(100, 100, "Hola");
  std::set<ColorValue> inside, outside;
  Scan(inside, outside);
  EXPECT_EQ(inside, (std::set<ColorValue>{g.PaletteColor(4), g.PaletteColor(15)}));
  EXPECT_EQ(outside, std::set<ColorValue>{black});
  EXPECT_EQ(At(canvas, box.left(), box.top()), g.PaletteColor(4));
  EXPECT_EQ(At(canvas, box.right(), box.bottom()), g.PaletteColor(4));
}

TEST_F(TextTest, RawFillColourShowsBehindText) {
  g.SetFillStyle(1, 8);
  g.DrawText(100, 100, "Hola");
  EXPECT_EQ(At(canvas, box.left(), box.top()), 8u);  // colour value 8, not dark grey
}

TEST_F(TextTest, ClearBrushOrCircleLeavesTheBackground) {
  g.SetBrushStyle(1);
  g.DrawText(100, 100, "Hola");
  std::set<ColorValue> inside, outside;
  Scan(inside, outside);
  EXPECT_EQ(inside, (std::set<ColorValue>{black, g.PaletteColor(15)}));

  g.SetFillStyle(1, 0);
  g.ClearSurface();
  g.SetBackColor(2);
  g.DrawCircle(500, 300, 5);
  g.DrawText(100, 100, "Hola");
  EXPECT_EQ(At(canvas, box.left(), box.top()), black);
  g.SetBackColor(2);
  g.DrawText(100, 100, "Hola");
  EXPECT_EQ(At(canvas, box.left(), box.top()), g.PaletteColor(2));
}

}  // namespace
