// The layer's state and the canvas calls it makes, checked on a recording canvas.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "Pixels.h"
#include "delgraph/delgraph.h"
#include "support/RecordingCanvas.h"

using namespace delgraph;

namespace {

// What graphics hold before anything is set.
const PaletteRecord StartPalette = Graphics{}.palette.active;

// The default colours, written out independently of the code.
constexpr ColorValue Expected[16] = {0x000000, 0xA80000, 0x00A800, 0xA8A800, 0x0000A8, 0xA800A8,
                                     0x0054FC, 0xA8A8A8, 0x545454, 0xFC5454, 0x54FC54, 0xFCFC54,
                                     0x5454FC, 0xFC54FC, 0x54FCFC, 0xFCFCFC};

class StateTest : public DelgraphTest {
 protected:
  RecordingCanvas canvas;
  void Attach() {
    g.AttachSurface(&canvas, 1024, 768);
    canvas.Clear();
  }
};

TEST_F(StateTest, DefaultPaletteAtProgramStartAndAfterReset) {
  EXPECT_EQ(StartPalette.count, 16);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(StartPalette.colors[i], Expected[i]) << "colour " << i;
    EXPECT_EQ(g.PaletteColor(i), Expected[i]) << "colour " << i;
    EXPECT_EQ(g.palette.rgb[i].red + g.palette.rgb[i].green + g.palette.rgb[i].blue, 0);
  }
  PaletteRecord record;
  DefaultPalette(record);
  EXPECT_EQ(record.count, 16);
  EXPECT_EQ(record.colors[6], MakeColorValue(252, 84, 0));
  EXPECT_EQ(g.FillPattern, 0);
  EXPECT_EQ(g.FillColor, 0);
  EXPECT_EQ(g.SurfaceCanvas, nullptr);
  EXPECT_TRUE(g.FontTable[0].empty());
}

TEST_F(StateTest, ColourNumbersUseTheirLowByte) {
  EXPECT_EQ(g.PaletteColor(259), g.PaletteColor(3));
  EXPECT_EQ(g.PaletteColor(16), 0u);
  EXPECT_EQ(g.PaletteColor(255), 0u);
  EXPECT_EQ(g.PaletteColor(-1), 0u);
  EXPECT_EQ(GetMaxColor(), 2147483647);
  EXPECT_EQ(g.PaletteColor(GetMaxColor()), 0u);

  g.palette.SetEntry(0, 250, 250, 255);
  Attach();
  g.SetDrawColor(GetMaxColor());
  EXPECT_EQ(g.GetPenColor(), 0u);
  g.SetDrawColor(259);
  EXPECT_EQ(g.GetPenColor(), Expected[3]);
  // A ColorValue passed as a number: light red's low byte is 252, blue's is 0.
  g.SetDrawColor(0x5454FC);
  EXPECT_EQ(g.GetPenColor(), 0u);
  g.SetDrawColor(0xA80000);
  EXPECT_EQ(g.GetPenColor(), MakeColorValue(250, 250, 255));
  g.SetDrawColor(4);
  EXPECT_EQ(g.GetPenColor(), 0x0000A8u);
}

TEST_F(StateTest, SetPaletteEntryKeepsBothTablesAndIgnoresIndexesPastTheTable) {
  g.palette.SetEntry(0, 250, 250, 255);
  EXPECT_EQ(g.PaletteColor(0), MakeColorValue(250, 250, 255));
  EXPECT_EQ(g.palette.rgb[0].blue, 255);
  g.palette.SetEntry(3, 300, 0, 0);
  EXPECT_EQ(g.PaletteColor(3), 44u);
  EXPECT_EQ(g.palette.rgb[3].red, 44);

  const PaletteRecord before = g.palette.active;
  g.palette.SetEntry(16, 1, 2, 3);
  g.palette.SetEntry(65535, 1, 2, 3);
  EXPECT_EQ(g.palette.active.count, 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(g.palette.active.colors[i], before.colors[i]);
  EXPECT_EQ(g.palette.rgb[15].red, 0);
}

TEST_F(StateTest, FillStyleSetsStyleThenRawColour) {
  Attach();
  g.SetFillStyle(1, 8);
  EXPECT_EQ(canvas.log, (std::vector<std::string>{"BrushStyle 0", "BrushColor #080000"}));
  EXPECT_EQ(canvas.brushColor, 8u);
  EXPECT_EQ(g.FillPattern, 1);
  EXPECT_EQ(g.FillColor, 8);

  for (std::uint16_t pattern : {0, 10, 11, 12, 300}) {
    g.SetFillStyle(pattern, 5);
    EXPECT_EQ(canvas.brushStyle, bsSolid) << "pattern " << pattern;
    EXPECT_EQ(canvas.brushColor, 5u);
  }
  const int styles[10] = {bsSolid,     bsSolid,     bsHorizontal, bsBDiagonal, bsBDiagonal,
                          bsFDiagonal, bsFDiagonal, bsCross,      bsDiagCross, bsVertical};
  for (std::uint16_t pattern = 0; pattern < 10; ++pattern) {
    g.SetFillStyle(pattern, 2);
    EXPECT_EQ(canvas.brushStyle, styles[pattern]) << "pattern " << pattern;
  }
}

TEST_F(StateTest, LineStyleMapsModeZeroToCopy) {
  Attach();
  g.SetLineStyle(0, 0, 3);
  EXPECT_EQ(canvas.penStyle, psSolid);
  EXPECT_EQ(canvas.penMode, pmCopy);
  EXPECT_EQ(canvas.penWidth, 3);
  g.SetLineStyle(4, 14, 1);
  EXPECT_EQ(canvas.penStyle, psDashDotDot);
  EXPECT_EQ(canvas.penMode, 14);
}

TEST_F(StateTest, BackColourAndBrushStyle) {
  Attach();
  g.SetBrushStyle(1);
  EXPECT_EQ(canvas.brushStyle, bsClear);
  g.SetBackColor(4);
  EXPECT_EQ(canvas.brushStyle, bsSolid);
  EXPECT_EQ(canvas.brushColor, Expected[4]);
  g.SetFillStyle(2, 0);
  g.SetBackColor(1);
  EXPECT_EQ(canvas.brushStyle, bsHorizontal);
}

TEST_F(StateTest, TextStyleSelectsFaceAndSize) {
  Attach();
  g.SetTextStyle(0, 7, 0);
  EXPECT_EQ(canvas.log,
            (std::vector<std::string>{"FontCharset 1", "FontName Default", "FontSize 8"}));
  g.SetTextStyle(3, 0, 18);
  EXPECT_EQ(canvas.fontName, "MS Sans Serif");
  EXPECT_EQ(canvas.fontSize, 18);

  // Slot 5 is empty and there is no slot past it: the face stays.
  canvas.Clear();
  g.SetTextStyle(5, 0, 12);
  g.SetTextStyle(6, 0, 10);
  g.SetTextStyle(65535, 0, 9);
  EXPECT_TRUE(canvas.Calls("FontName").empty());
  EXPECT_EQ(canvas.fontName, "MS Sans Serif");
  EXPECT_EQ(canvas.fontSize, 9);

  // A default style record restores font 0 at 8 points.
  TextStyleRecord saved;
  g.SetTextStyle(saved.font, saved.spare, saved.size);
  EXPECT_EQ(canvas.fontName, "Default");
  EXPECT_EQ(canvas.fontSize, 8);
}

TEST_F(StateTest, AttachSurfaceResetsStylesAndClears) {
  g.AttachSurface(&canvas, 640, 400);
  EXPECT_EQ(canvas.log,
            (std::vector<std::string>{"BrushStyle 0", "BrushColor #000000", "FontCharset 1",
                                      "FontName Arial", "FontSize 8", "Refresh",
                                      "BrushColor #000000", "FillRect 0 0 1025 481"}));
  EXPECT_EQ(g.FontTable[2], "MS Serif");
  EXPECT_EQ(g.FontTable[4], "MS LineDraw");
  EXPECT_TRUE(g.FontTable[5].empty());
  EXPECT_EQ(GetMaxX(), 1024);
  EXPECT_EQ(GetMaxY(), 480);

  g.SetFillStyle(3, 5);
  g.SetTextStyle(2, 0, 20);
  RecordingCanvas second;
  g.AttachSurface(&second, 1024, 768);
  EXPECT_EQ(g.SurfaceCanvas, &second);
  EXPECT_EQ(g.FillPattern, 1);
  EXPECT_EQ(g.FillColor, 0);
  EXPECT_EQ(second.fontName, "Arial");
  EXPECT_EQ(second.fontSize, 8);
  canvas.Clear();
  g.DrawLine(1, 2, 3, 4);
  EXPECT_TRUE(canvas.log.empty());
  EXPECT_EQ(second.Calls("LineTo"), std::vector<std::string>{"LineTo 3 4"});
}

TEST_F(StateTest, PrimitivesHandTheirGeometryToTheCanvas) {
  Attach();
  g.DrawLine(1, 2, 3, 4);
  g.DrawCircle(100, 50, 7);
  g.SetFillStyle(1, 2);
  canvas.Clear();
  g.FillBar(5, 6, 7, 8);
  EXPECT_EQ(canvas.log, (std::vector<std::string>{"BrushColor #00A800", "FillRect 5 6 8 9"}));
  canvas.Clear();
  g.DrawCircle(100, 50, 7);
  EXPECT_EQ(canvas.log, (std::vector<std::string>{"BrushStyle 1", "Ellipse 93 43 107 57"}));
  // Far-off coordinates are saturated, never overflowed.
  canvas.Clear();
  g.DrawCircle(INT_MAX, INT_MIN, 10);
  g.FillBar(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
  EXPECT_EQ(canvas.Calls("Ellipse"), std::vector<std::string>{"Ellipse 2147483637 -2147483648 "
                                                              "2147483647 -2147483638"});
  EXPECT_EQ(canvas.Calls("FillRect"),
            std::vector<std::string>{"FillRect 2147483647 2147483647 2147483647 2147483647"});
}

TEST_F(StateTest, DotPatternsRunOverXThenY) {
  Attach();
  g.SetFillStyle(10, 4);
  canvas.Clear();
  g.FillBar(10, 10, 20, 15);
  EXPECT_EQ(canvas.log,
            (std::vector<std::string>{"SetPixel 10 10 #A80000", "SetPixel 10 15 #A80000",
                                      "SetPixel 15 10 #A80000", "SetPixel 15 15 #A80000",
                                      "SetPixel 20 10 #A80000", "SetPixel 20 15 #A80000"}));
  // Corners are 16-bit: 65541 is 5 and 65536 is 0.
  canvas.Clear();
  g.FillBar(65536, 0, 65541, 0);
  EXPECT_EQ(canvas.log, (std::vector<std::string>{"SetPixel 0 0 #A80000", "SetPixel 5 0 #A80000"}));
}

TEST_F(StateTest, FillPolygonOutlinesThenFillsOnlyFourToTen) {
  Attach();
  g.SetFillStyle(1, 2);
  PointList list;
  for (int k = 0; k < 30; ++k) {
    list.xy[2 * k] = 10 * k;
    list.xy[2 * k + 1] = k;
  }
  canvas.Clear();
  g.FillPolygon(3, list);
  EXPECT_EQ(canvas.log, (std::vector<std::string>{"MoveTo 0 0", "LineTo 10 1", "LineTo 20 2",
                                                  "BrushColor #00A800"}));
  for (std::uint16_t n : {0, 1, 2, 3, 11, 30}) {
    canvas.Clear();
    g.FillPolygon(n, list);
    EXPECT_EQ(canvas.Calls("MoveTo").size(), 1u) << n;
    EXPECT_EQ(canvas.Calls("LineTo").size(), n > 1 ? n - 1u : 0u) << n;
    EXPECT_TRUE(canvas.Calls("Polygon").empty()) << n;
  }
  for (std::uint16_t n = 4; n <= 10; ++n) {
    canvas.Clear();
    g.FillPolygon(n, list);
    ASSERT_EQ(canvas.Calls("Polygon").size(), 1u) << n;
    EXPECT_EQ(canvas.log.back().substr(0, 13), "Polygon 0 0 1") << n;
  }
  // A count past the list's 30 points draws the 30 and reads nothing beyond them.
  canvas.Clear();
  g.FillPolygon(1000, list);
  EXPECT_EQ(canvas.Calls("LineTo").size(), 29u);
  EXPECT_EQ(canvas.Calls("LineTo").back(), "LineTo 290 29");
}

TEST_F(StateTest, DrawTextUsesPenColourAndCutsTo255Characters) {
  Attach();
  g.SetDrawColor(12);
  g.DrawText(3, 4, "Primer Cuadrante");
  EXPECT_EQ(canvas.log, (std::vector<std::string>{"PenColor #FC5454", "FontColor #FC5454",
                                                  "TextOut 3 4 Primer Cuadrante"}));
  canvas.Clear();
  g.DrawText(0, 0, std::string(300, 'a'));
  EXPECT_EQ(canvas.log.back(), "TextOut 0 0 " + std::string(255, 'a'));
  // Characters, not bytes: a two-byte sign is never split.
  std::string signs;
  for (int i = 0; i < 300; ++i) signs += "\xC3\xB7";
  canvas.Clear();
  g.DrawText(0, 0, signs);
  EXPECT_EQ(canvas.log.back(), "TextOut 0 0 " + signs.substr(0, 510));
}

TEST_F(StateTest, PutPixelMapsThroughThePalette) {
  Attach();
  g.PutPixel(5, 5, 14);
  g.PutPixel(6, 5, 259);
  g.PutPixel(7, 5, 16);
  EXPECT_EQ(canvas.log, (std::vector<std::string>{"SetPixel 5 5 #FCFC54", "SetPixel 6 5 #00A8A8",
                                                  "SetPixel 7 5 #000000"}));
}

TEST_F(StateTest, EveryRoutineIsHarmlessWithoutACanvas) {
  PointList list;
  g.SetDrawColor(3);
  g.SetBackColor(3);
  g.SetLineStyle(0, 0, 3);
  g.SetBrushStyle(1);
  g.SetTextStyle(1, 0, 8);
  g.MoveToPoint(1, 1);
  g.LineToPoint(2, 2);
  g.DrawLine(1, 2, 3, 4);
  g.DrawCircle(5, 5, 5);
  g.FillBar(0, 0, 10, 10);
  g.ClearSurface();
  g.FillPolygon(4, list);
  g.PutPixel(1, 1, 1);
  g.DrawText(1, 1, "x");
  EXPECT_EQ(g.GetPenColor(), 0u);
  g.SetFillStyle(10, 3);  // the fill state is kept even before a surface exists
  g.FillBar(0, 0, 10, 10);
  EXPECT_EQ(g.FillPattern, 10);
  EXPECT_EQ(g.FillColor, 3);
}

}  // namespace
