#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "drawing/DrawingFixture.h"
#include "drawing/Frame.h"

namespace {

struct Vertex {
  int x, y;
};

// The planes view as it must reach the canvas, in the 640 x 480 space.
struct PlanesPolygon {
  int number;
  std::string colour;
  std::vector<Vertex> vertices;
};

const std::vector<PlanesPolygon> kPlanes = {
    {2, kGreen, {{117, 146}, {117, 293}, {200, 190}, {201, 44}, {116, 144}, {116, 144}}},
    {4, kRed, {{117, 189}, {200, 189}, {117, 293}, {117, 293}}},
    {3, kCyan, {{200, 190}, {117, 294}, {200, 294}, {200, 294}}},
    {2, kGreen, {{201, 190}, {312, 190}, {228, 293}, {200, 292}, {200, 293}}},
    {1, kBlue, {{117, 293}, {117, 436}, {201, 336}, {201, 293}, {201, 293}}},
    {2, kGreen, {{72, 190}, {115, 190}, {115, 293}, {2, 293}, {3, 272}, {72, 190}, {72, 190}}},
    {4, kRed, {{201, 44}, {117, 146}, {112, 146}, {198, 44}, {198, 44}}},
    {3, kCyan, {{112, 146}, {117, 147}, {117, 437}, {112, 436}, {112, 436}}},
    {3, kCyan, {{2, 293}, {228, 293}, {228, 298}, {2, 298}, {2, 298}}},
    {1, kBlue, {{228, 293}, {313, 189}, {313, 194}, {228, 298}, {228, 298}}},
};

// The mapping written out from the spaces' extents, independently of ScaleX/ScaleY.
int Map(int v, double pixels, double units) {
  return static_cast<int>(std::lround(v * pixels / units));
}
Vertex In640x480(Vertex v) {
  return {Map(v.x, 1025, 641), Map(v.y, 481, 479)};
}

// A colour number handed to the brush unmapped, as SetFillStyle does.
std::string RawNumber(int number) {
  return Hex(static_cast<delgraph::ColorValue>(number));
}

std::string PolygonLine(const std::vector<Vertex>& vertices) {
  std::string line = "Polygon";
  for (const Vertex& v : vertices) line += " " + std::to_string(v.x) + " " + std::to_string(v.y);
  return line;
}

// Coordinates of a "Polygon x y x y ..." log line.
std::vector<Vertex> VerticesOf(const std::string& line) {
  std::vector<Vertex> out;
  std::size_t pos = line.find(' ');
  std::vector<int> numbers;
  while (pos != std::string::npos) {
    numbers.push_back(std::stoi(line.substr(pos + 1)));
    pos = line.find(' ', pos + 1);
  }
  for (std::size_t k = 0; k + 1 < numbers.size(); k += 2)
    out.push_back({numbers[k], numbers[k + 1]});
  return out;
}

// The flat view's frame in the 320 x 200 space, as surface lines.
std::vector<std::string> FlatViewFrameCalls() {
  std::vector<std::string> out;
  for (const auto& l :
       {LineCalls(572, 46, 983, 46), LineCalls(983, 46, 983, 341), LineCalls(983, 341, 572, 341),
        LineCalls(572, 341, 572, 46), LineCalls(572, 193, 983, 193), LineCalls(983, 198, 952, 198),
        LineCalls(572, 198, 604, 198)})
    out.insert(out.end(), l.begin(), l.end());
  return out;
}

std::vector<std::string> Tail(const std::vector<std::string>& v, std::size_t n) {
  return std::vector<std::string>(v.end() - static_cast<std::ptrdiff_t>(std::min(n, v.size())),
                                  v.end());
}

using FrameTest = DrawingTest;

TEST_F(FrameTest, PlanesViewDrawsItsTenPolygonsInTheirColours) {
  painter.Select640x480();
  drawing::DrawPlanesView(painter);

  // Per polygon: SetFillStyle hands the raw colour number to the brush, the pen
  // takes the palette colour, FillPolygon maps the brush colour and fills.
  std::vector<std::string> expected;
  for (const PlanesPolygon& p : kPlanes) {
    std::vector<Vertex> mapped;
    for (const Vertex& v : p.vertices) mapped.push_back(In640x480(v));
    expected.push_back("BrushColor " + RawNumber(p.number));
    expected.push_back("PenColor " + p.colour);
    expected.push_back("BrushColor " + p.colour);
    expected.push_back(PolygonLine(mapped));
  }
  expected.push_back("BrushColor " + RawNumber(15));  // white fill and blue pen are left
  expected.push_back("PenColor " + kBlue);
  EXPECT_EQ(Only({"PenColor", "Polygon", "BrushColor"}), expected);

  // The outlines pass through every listed vertex, repeated ones included.
  EXPECT_EQ(canvas.Calls("MoveTo").size(), 10u);
  EXPECT_EQ(canvas.Calls("LineTo").size(), 41u);
  EXPECT_EQ(painter.FillPattern, 1);
  EXPECT_EQ(painter.FillColor, 15);
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(1));
}

TEST_F(FrameTest, PlanesViewStaysInsideTheSpaceViewPanel) {
  painter.Select640x480();
  drawing::DrawPlanesView(painter);
  int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
  for (const auto& line : canvas.Calls("Polygon"))
    for (const Vertex& v : VerticesOf(line)) {
      minX = std::min(minX, v.x);
      maxX = std::max(maxX, v.x);
      minY = std::min(minY, v.y);
      maxY = std::max(maxY, v.y);
    }
  EXPECT_EQ(minX, 3);
  EXPECT_EQ(maxX, 501);
  EXPECT_EQ(minY, 44);
  EXPECT_EQ(maxY, 439);
  // The ground line of the view: lower edge of the upper half of V.
  const auto first = VerticesOf(canvas.Calls("Polygon").front());
  EXPECT_EQ(first[1].x, 187);
  EXPECT_EQ(first[1].y, 294);
  EXPECT_EQ(first[2].x, 320);
  EXPECT_EQ(first[2].y, 191);
}

TEST_F(FrameTest, PanelsDrawTheGlyphRowThenTheOutlines) {
  painter.Select320x200();
  drawing::DrawPanels(painter);

  // Bars keep their corners as given: the first two reach the canvas with x descending.
  EXPECT_EQ(canvas.Calls("FillRect"),
            (std::vector<std::string>{"FillRect 32 438 25 452", "FillRect 83 442 76 456",
                                      "FillRect 125 444 145 450", "FillRect 163 444 183 450"}));
  const auto polygons = canvas.Calls("Polygon");
  ASSERT_EQ(polygons.size(), 6u);
  EXPECT_EQ(polygons[0], "Polygon 27 457 16 450 38 450 38 450");
  EXPECT_EQ(polygons[4], "Polygon 225 456 211 451 219 451 224 439 229 439 233 451 241 451 241 451");
  int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
  for (const auto& line : polygons)
    for (const Vertex& v : VerticesOf(line)) {
      minX = std::min(minX, v.x);
      maxX = std::max(maxX, v.x);
      minY = std::min(minY, v.y);
      maxY = std::max(maxY, v.y);
    }
  EXPECT_GE(minX, 16);
  EXPECT_LE(maxY, 457);
  EXPECT_GE(minY, 438);

  // Everything of the glyph row in dark grey; the outlines in blue.
  const auto pens = canvas.Calls("PenColor");
  ASSERT_EQ(pens.size(), 2u);
  EXPECT_EQ(pens[0], "PenColor " + kDarkGrey);
  EXPECT_EQ(pens[1], "PenColor " + kBlue);
  for (const auto& fill : canvas.Calls("BrushColor"))
    EXPECT_TRUE(fill == "BrushColor " + kDarkGrey || fill == "BrushColor #080000") << fill;

  // The lines after the glyph polygons: plus sign, stroke, then the nine outlines.
  const auto lines = Only({"MoveTo", "LineTo", "PenColor"});
  const auto bluePen = std::find(lines.begin(), lines.end(), "PenColor " + kBlue);
  ASSERT_NE(bluePen, lines.end());
  const std::vector<std::string> outlines(bluePen + 1, lines.end());
  std::vector<std::string> expected;
  for (const auto& l :
       {LineCalls(0, 12, 511, 12), LineCalls(511, 12, 511, 459), LineCalls(0, 12, 0, 459),
        LineCalls(0, 459, 511, 459), LineCalls(527, 350, 1019, 350), LineCalls(527, 387, 1019, 387),
        LineCalls(527, 459, 1019, 459), LineCalls(527, 350, 527, 459),
        LineCalls(1019, 350, 1019, 459)})
    expected.insert(expected.end(), l.begin(), l.end());
  EXPECT_EQ(outlines, expected);
  const std::vector<std::string> glyphLines(bluePen - 6, bluePen);
  std::vector<std::string> expectedGlyphLines;
  for (const auto& l : {LineCalls(328, 452, 328, 441), LineCalls(336, 446, 320, 446),
                        LineCalls(390, 455, 366, 440)})
    expectedGlyphLines.insert(expectedGlyphLines.end(), l.begin(), l.end());
  EXPECT_EQ(glyphLines, expectedGlyphLines);

  EXPECT_EQ(painter.CurrentWindow, 2);
  EXPECT_DOUBLE_EQ(painter.WindowHeight, 199.0);
  EXPECT_EQ(painter.FillColor, 8);
}

TEST_F(FrameTest, RedrawFrameWithoutProfileClearsDrawsPlanesPanelsAndFlatView) {
  painter.Select320x200();
  drawing::RedrawFrame(painter, false);

  EXPECT_TRUE(painter.ForWindow.hideSplash);
  const auto fills = canvas.Calls("FillRect");
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills.front(), "FillRect 0 0 1025 481");
  EXPECT_EQ(canvas.Calls("Polygon").size(), 16u);  // ten planes, six glyphs
  // No profile cross.
  for (const auto& f : fills) EXPECT_EQ(f.find("FillRect 250 92"), std::string::npos);

  const auto lines = Only({"MoveTo", "LineTo"});
  EXPECT_EQ(Tail(lines, 14), FlatViewFrameCalls());
  // The flat view is drawn in the blue the panels left.
  EXPECT_EQ(canvas.Calls("PenColor").back(), "PenColor " + kBlue);
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(1));
  EXPECT_EQ(painter.FillColor, 8);
  EXPECT_EQ(painter.CurrentWindow, 2);
  EXPECT_DOUBLE_EQ(painter.WindowWidth, 321.0);

  // A second redraw gives exactly the same calls.
  const auto once = canvas.log;
  canvas.Clear();
  drawing::RedrawFrame(painter, false);
  EXPECT_EQ(canvas.log, once);
}

TEST_F(FrameTest, ProfileFrameDrawsTracesInThePreviousPenAndTheGreenCross) {
  painter.SetDrawColor(12);  // what the information update leaves
  painter.Select320x200();
  canvas.Clear();
  drawing::RedrawFrame(painter, true);

  EXPECT_TRUE(canvas.Calls("Polygon").size() == 6u) << "the planes view must not be drawn";
  // Clear, then the two traces and the flat-view frame before any pen change.
  const auto seq = Only({"FillRect", "MoveTo", "LineTo", "PenColor"});
  ASSERT_GE(seq.size(), 19u);
  EXPECT_EQ(seq[0], "FillRect 0 0 1025 481");
  std::vector<std::string> expected = LineCalls(252, 94, 252, 384);
  const auto h = LineCalls(444, 239, 61, 239);
  expected.insert(expected.end(), h.begin(), h.end());
  const auto flat = FlatViewFrameCalls();
  expected.insert(expected.end(), flat.begin(), flat.end());
  EXPECT_EQ(std::vector<std::string>(seq.begin() + 1, seq.begin() + 19), expected);

  // The cross: green fill and pen, two bars in surface pixels, then the flat view again.
  const auto tail = Tail(Only({"FillRect", "MoveTo", "LineTo", "PenColor"}), 17);
  std::vector<std::string> cross = {"PenColor " + kGreen, "FillRect 250 92 254 385",
                                    "FillRect 137 238 379 242"};
  cross.insert(cross.end(), flat.begin(), flat.end());
  EXPECT_EQ(tail, cross);

  // Line style and text style left as the profile frame sets them.
  EXPECT_EQ(canvas.penStyle, delgraph::psSolid);
  EXPECT_EQ(canvas.penWidth, 1);
  EXPECT_EQ(canvas.fontName, "Default");
  EXPECT_EQ(canvas.fontSize, 8);
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(2));
  EXPECT_EQ(painter.FillColor, 2);
  EXPECT_EQ(painter.CurrentWindow, 2);
  EXPECT_DOUBLE_EQ(painter.WindowHeight, 199.0);
}

TEST_F(FrameTest, ProfileFrameInThe640x481SpaceMapsItsTracesThere) {
  painter.Select640x481();
  canvas.Clear();
  drawing::RedrawFrame(painter, true);

  const auto lines = Only({"MoveTo", "LineTo"});
  ASSERT_GE(lines.size(), 4u);
  std::vector<std::string> expected = LineCalls(126, 39, 126, 159);
  const auto h = LineCalls(222, 99, 30, 99);
  expected.insert(expected.end(), h.begin(), h.end());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4), expected);
  // The first flat-view frame lands elsewhere too, the second where it belongs.
  EXPECT_EQ(lines[4], "MoveTo 286 19");
  EXPECT_EQ(Tail(lines, 14), FlatViewFrameCalls());
  EXPECT_EQ(canvas.Calls("FillRect").back(), "FillRect 137 238 379 242");
}

TEST_F(FrameTest, FullRedrawEndsWithThePictureOfRedrawFrame) {
  for (bool profile : {false, true}) {
    scene.ProfileOn = profile;
    painter.Select320x200();
    canvas.Clear();
    drawing::RedrawFrame(painter, profile);
    const auto alone = canvas.log;

    canvas.Clear();
    drawing::FullRedraw(painter, scene.ProfileOn);
    const auto full = canvas.log;
    // First a clear in palette colour 1 and the planes view.
    const auto fills = canvas.Calls("BrushColor");
    EXPECT_EQ(fills[1], "BrushColor " + kBlue);
    EXPECT_EQ(canvas.Calls("FillRect").front(), "FillRect 0 0 1025 481");

    // From the frame's own clear on, the calls are those of RedrawFrame alone.
    const std::string clear = "FillRect 0 0 1025 481";
    const auto fromClear = [&](const std::vector<std::string>& log, bool second) {
      auto it = std::find(log.begin(), log.end(), clear);
      if (second) it = std::find(it + 1, log.end(), clear);
      return std::vector<std::string>(it, log.end());
    };
    EXPECT_EQ(fromClear(full, true), fromClear(alone, false)) << "profile " << profile;
  }
}

TEST_F(FrameTest, RedrawFrameWithoutAWindowStillDraws) {
  drawing::RedrawFrame(painter, false);
  EXPECT_EQ(canvas.Calls("FillRect").front(), "FillRect 0 0 1025 481");
}

}  // namespace
