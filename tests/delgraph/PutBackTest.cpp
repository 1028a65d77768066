// The two shortcuts of the window's canvas: putting back only the pixels drawn
// since a kept picture, and texts drawn again from a picture of their glyphs.
// Both must give exactly the pixels drawing gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Pixels.h"

using namespace delgraph;

namespace {

// A picture with something under everything the tests draw over it.
void Background(QtCanvas& canvas) {
  canvas.SetBrushColor(0xF0E0D0);
  canvas.FillRect(0, 0, canvas.SurfaceWidth(), canvas.SurfaceHeight());
  canvas.SetPenColor(0x204060);
  for (int y = 3; y < canvas.SurfaceHeight(); y += 7) {
    canvas.MoveTo(0, y);
    canvas.LineTo(canvas.SurfaceWidth(), y + 40);
  }
}

// Everything the layer draws, wide pens, slanted lines across the surface and
// lines from far outside it, texts with accents and overhangs.
void Scribble(QtCanvas& canvas, int shift) {
  canvas.SetPenWidth(5);
  canvas.SetPenStyle(psDash);
  canvas.MoveTo(-30000, 20 + shift);
  canvas.LineTo(400, 290 - shift);
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(psSolid);
  canvas.LineTo(12 + shift, 7);
  canvas.SetBrushStyle(bsClear);
  canvas.Ellipse(100 + shift, 100, 112 + shift, 112);
  canvas.Ellipse(150, 30, 290, 95 + shift);
  canvas.SetBrushColor(0x00FF00);
  canvas.SetBrushStyle(bsDiagCross);
  canvas.Polygon({{200, 200}, {260 + shift, 150}, {380, 280}});
  canvas.SetPixel(390 - shift, 5, 0x0000FF);
  canvas.FillRect(300, 10 + shift, 330, 20 + shift);
  canvas.SetFontSize(20);
  canvas.SetFontColor(0x800080);
  canvas.TextOut(20 + shift, 150, "Ángulo fj ÉÑ α1");
  canvas.SetBrushStyle(bsSolid);
  canvas.SetFontSize(1);
  canvas.TextOut(250, 230 - shift, "a'");
}

TEST(PutBackTest, OnlyWhatWasDrawnComesBackAndThePictureIsTheKeptOne) {
  for (const double scale : {1.0, 1.5}) {
    QtCanvas canvas(400, 300, scale);
    Background(canvas);
    const QImage kept = canvas.Image();
    canvas.ForgetChanges();
    for (int shift = 0; shift < 3; ++shift) {
      Scribble(canvas, shift * 13);
      ASSERT_NE(canvas.Image(), kept);
      canvas.PutBackChanges(kept);
      ASSERT_EQ(canvas.Image(), kept) << "scale " << scale << ", round " << shift;
    }
    // A new scale: the next put-back takes the whole picture.
    canvas.SetScale(2.0);
    Background(canvas);
    const QImage big = canvas.Image();
    canvas.SetScale(2.0);
    canvas.PutBackChanges(big);
    EXPECT_EQ(canvas.Image(), big);
  }
  // A picture of another size was never this image: it stops the program.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QtCanvas canvas(400, 300);
  EXPECT_DEATH(canvas.PutBackChanges(QImage(400, 301, QImage::Format_RGB32)), "400x301");
}

TEST(TextPictureTest, TextsDrawnAgainLandAsTheyDidTheFirstTime) {
  struct Text {
    int size;
    ColorValue colour;
    bool opaque;
    std::string text;
  };
  const std::vector<Text> texts = {{1, 0x0000C0, false, "b'"},
                                   {1, 0x0000C0, true, "α2"},
                                   {10, 0x000000, true, "A=(-50,-30, 60)"},
                                   {16, 0xC000C0, false, "α1 y α2 cortan a L.T. en x = 12,5"},
                                   {16, 0x00C000, false, "ÉSÑ fj"},
                                   {16, 0x00C000, false, "   "}};
  const auto draw = [&texts](QtCanvas& canvas, int dx, ColorValue tint) {
    int y = 5;
    for (const Text& t : texts) {
      canvas.SetFontSize(t.size);
      canvas.SetFontColor(t.colour ^ tint);
      if (t.opaque)
        canvas.SetBrushColor(0xFFFF00);
      else
        canvas.SetBrushStyle(bsClear);
      canvas.TextOut(10 + dx, y, t.text);
      y += 40;
    }
  };
  for (const ColorValue tint : {0x000000u, 0x303030u}) {
    // Each text once, drawn; and each again, kept in another colour, kept anew
    // in its own and then put down from what was kept.
    QtCanvas once(420, 250), again(420, 250);
    Background(once);
    draw(once, 0, tint);
    draw(again, 3, tint);
    draw(again, 7, 0x0F0F0F);
    draw(again, 5, tint);
    Background(again);
    draw(again, 0, tint);
    ASSERT_EQ(again.Image(), once.Image()) << "tint " << tint;
  }
}

}  // namespace
