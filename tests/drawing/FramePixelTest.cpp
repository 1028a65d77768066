#include <QImage>
#include <algorithm>
#include <string>

#include "delgraph/QtCanvas.h"
#include "drawing/DrawingFixture.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"

namespace {

using delgraph::ColorValue;
using delgraph::QtCanvas;

class FramePixelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
    scene::Activate(scene);
    painter.AttachSurface(&surface, 1024, 768);
    painter.palette.SetEntry(0, 250, 250, 255);  // as the activation handler does
    painter.Select640x480();
  }

  ColorValue At(int x, int y) const { return QtCanvas::FromQRgb(surface.Image().pixel(x, y)); }
  ColorValue Colour(int number) const { return painter.PaletteColor(number); }

  // Bounding box of the pixels of one colour inside a region.
  struct Box {
    int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
  };
  Box BoxOf(ColorValue colour, int x1, int y1, int x2, int y2) const {
    Box b;
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x)
        if (At(x, y) == colour) {
          b.minX = std::min(b.minX, x);
          b.maxX = std::max(b.maxX, x);
          b.minY = std::min(b.minY, y);
          b.maxY = std::max(b.maxY, y);
        }
    return b;
  }

  QtCanvas surface;
  drawing::Painter painter;
  scene::Scene scene;
};

TEST_F(FramePixelTest, FlatViewGroundLineAndEndMarks) {
  drawing::RedrawFrame(painter, false);
  for (int x = 572; x <= 983; ++x) ASSERT_EQ(At(x, 193), Colour(1)) << "x " << x;
  EXPECT_EQ(At(700, 192), Colour(0));
  EXPECT_EQ(At(700, 194), Colour(0));
  EXPECT_EQ(At(571, 193), Colour(0));
  EXPECT_EQ(At(984, 193), Colour(0));
  // End marks two units below, 10 units long, at y 198.
  for (int x = 953; x <= 982; ++x) EXPECT_EQ(At(x, 198), Colour(1)) << "x " << x;
  for (int x = 573; x <= 603; ++x) EXPECT_EQ(At(x, 198), Colour(1)) << "x " << x;
  EXPECT_EQ(At(700, 198), Colour(0));
  EXPECT_EQ(At(940, 198), Colour(0));
  // The outline of the flat view.
  EXPECT_EQ(At(700, 46), Colour(1));
  EXPECT_EQ(At(700, 341), Colour(1));
  EXPECT_EQ(At(572, 100), Colour(1));
  EXPECT_EQ(At(983, 100), Colour(1));
}

TEST_F(FramePixelTest, PanelOutlinesLieOnTheirBounds) {
  drawing::RedrawFrame(painter, false);
  // Space-view panel x 0..511, y 12..459.
  EXPECT_EQ(At(0, 300), Colour(1));
  EXPECT_EQ(At(511, 300), Colour(1));
  EXPECT_EQ(At(400, 12), Colour(1));
  EXPECT_EQ(At(400, 459), Colour(1));
  EXPECT_EQ(At(400, 11), Colour(0));
  EXPECT_EQ(At(512, 300), Colour(0));
  // Text panel x 527..1019, y 350..459, divided at 387.
  for (int y : {350, 387, 459}) EXPECT_EQ(At(800, y), Colour(1)) << "y " << y;
  EXPECT_EQ(At(527, 420), Colour(1));
  EXPECT_EQ(At(1019, 420), Colour(1));
  EXPECT_EQ(At(800, 420), Colour(0));
  EXPECT_EQ(At(800, 349), Colour(0));
}

TEST_F(FramePixelTest, PlanesViewAndGlyphRowStayInsideTheSpaceViewPanel) {
  drawing::RedrawFrame(painter, false);
  // Green, red and cyan occur only in the planes view.
  for (int c : {2, 3, 4}) {
    const Box b = BoxOf(Colour(c), 0, 0, 1024, 480);
    EXPECT_GE(b.minX, 3) << "colour " << c;
    EXPECT_LE(b.maxX, 501) << "colour " << c;
    EXPECT_GE(b.minY, 44) << "colour " << c;
    EXPECT_LE(b.maxY, 439) << "colour " << c;
  }
  const Box all = [&] {
    Box u;
    for (int c : {2, 3, 4}) {
      const Box b = BoxOf(Colour(c), 0, 0, 1024, 480);
      u.minX = std::min(u.minX, b.minX);
      u.maxX = std::max(u.maxX, b.maxX);
      u.minY = std::min(u.minY, b.minY);
      u.maxY = std::max(u.maxY, b.maxY);
    }
    return u;
  }();
  EXPECT_EQ(all.minX, 3);
  EXPECT_EQ(all.minY, 44);
  // Inside the upper half of V and inside H right of V.
  EXPECT_EQ(At(256, 151), Colour(2));
  EXPECT_EQ(At(380, 260), Colour(2));
  // The glyph row in dark grey, above the panel's lower edge.
  const Box glyphs = BoxOf(Colour(8), 0, 0, 1024, 480);
  EXPECT_GE(glyphs.minX, 16);
  EXPECT_LE(glyphs.maxX, 390);
  EXPECT_GE(glyphs.minY, 438);
  EXPECT_LE(glyphs.maxY, 457);
  EXPECT_LT(glyphs.maxY, 459);
}

TEST_F(FramePixelTest, ProfileCrossBarsAndTraceEnds) {
  scene.EditPoint = {20, 40, 30};
  drawing::PointInfoUpdate(painter, scene);  // leaves the pen light red
  painter.Select320x200();
  drawing::RedrawFrame(painter, true);

  for (int y = 92; y <= 383; y += 7)
    for (int x = 250; x <= 253; ++x) ASSERT_EQ(At(x, y), Colour(2)) << x << "," << y;
  for (int x = 137; x <= 378; x += 7)
    for (int y = 238; y <= 241; ++y) ASSERT_EQ(At(x, y), Colour(2)) << x << "," << y;
  EXPECT_NE(At(249, 150), Colour(2));
  EXPECT_NE(At(254, 150), Colour(2));
  EXPECT_NE(At(200, 237), Colour(2));
  // The ends of the trace of H stay in the pen the information update left.
  EXPECT_EQ(At(100, 239), Colour(12));
  EXPECT_EQ(At(420, 239), Colour(12));
  // No planes view; the flat view's frame in green.
  EXPECT_EQ(BoxOf(Colour(4), 0, 0, 511, 459).maxX, -1);
  EXPECT_EQ(At(700, 193), Colour(2));
}

TEST_F(FramePixelTest, PointSceneLandsOnItsPositions) {
  painter.Select320x200();
  drawing::RedrawFrame(painter, false);
  scene.EditPoint = {20, 40, 30};
  drawing::PointInfoUpdate(painter, scene);
  // Rings of light red around S and the flat-view projections, 3 pixels out.
  EXPECT_EQ(At(307 + 3, 204), Colour(12));
  EXPECT_EQ(At(786, 233 + 3), Colour(12));
  EXPECT_EQ(At(786, 163 - 3), Colour(12));
}

TEST_F(FramePixelTest, ProfileBarCoversTheWholeTraceOfV) {
  scene.EditPoint = {20, 40, 30};
  drawing::PointInfoUpdate(painter, scene);  // the traces are drawn in the light red it leaves
  painter.Select320x200();
  drawing::RedrawFrame(painter, true);
  for (int y = 85; y <= 400; ++y)
    for (int x = 245; x <= 259; ++x) ASSERT_NE(At(x, y), Colour(12)) << x << "," << y;
  EXPECT_EQ(At(252, 384), Colour(2));
}

}  // namespace
