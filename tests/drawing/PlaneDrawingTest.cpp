// The plane's traces in the flat view, worked out by hand, their seen and hidden
// parts, their labels, and nothing of them for points that define no plane.
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "drawing/DrawingFixture.h"
#include "drawing/PlaneDrawing.h"
#include "scene/Scene.h"

namespace {

struct Stroke {
  std::string line;  // "x1 y1 x2 y2"
  int style;
  std::string colour;
};

class PlaneDrawingTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    painter.Select320x200();
  }
  // Every DrawLine of one DrawPlane with the pen style and colour it was drawn in.
  std::vector<Stroke> Strokes(DihedralPoint A, DihedralPoint B, DihedralPoint C) {
    canvas.Clear();
    painter.Profile = scene.ProfileOn;
    drawing::DrawPlane(painter, A, B, C, scene.EditedIndex(), scene.AnswerHidden);
    std::vector<Stroke> strokes;
    int style = canvas.penStyle;
    std::string colour, from;
    for (const std::string& l : canvas.log) {
      if (l.rfind("PenStyle ", 0) == 0) style = std::stoi(l.substr(9));
      if (l.rfind("PenColor ", 0) == 0) colour = l.substr(9);
      if (l.rfind("MoveTo ", 0) == 0) from = l.substr(7);
      if (l.rfind("LineTo ", 0) == 0) strokes.push_back({from + " " + l.substr(7), style, colour});
    }
    return strokes;
  }
  static std::vector<Stroke> InColour(const std::vector<Stroke>& all, const std::string& colour) {
    std::vector<Stroke> r;
    for (const Stroke& s : all)
      if (s.colour == colour) r.push_back(s);
    return r;
  }
};

const std::string kTraceBlue = "#5454FC";  // colour 9 of the default palette

// alpha(60, 45, 50): A = (60, 0, 0), B = (0, 45, 0), C = (0, 0, 50). The flat view's
// origin is (766, 193), one pixel per unit, its frame x 572..983, y 46..341, so
// units x -194..217 and -147..148 across. alpha 1: x/60 + y/45 = 1, 3x + 4y = 180,
// enters at the bottom (y 148: x -137.33, pixel (628.67, 341)), meets L.T. at x 60
// (826, 193) and leaves on the right (x 217: y -117.75, pixel 75.25). alpha 2:
// 5x + 6z = 300, the cota up: enters at the top (z 147: x -116.4, pixel (649.6,
// 46)), meets L.T. at (826, 193) and leaves on the right (z -130.83, pixel 323.83).
TEST_F(PlaneDrawingTest, ObliquePlaneTracesInTheFlatViewWithSeenAndHiddenParts) {
  const auto traces = InColour(Strokes({60, 0, 0}, {0, 45, 0}, {0, 0, 50}), kTraceBlue);
  // Flat view first: alpha 1 solid where the alejamiento is positive (below L.T.),
  // its posterior half dashed above L.T.; alpha 2 solid above L.T., dashed below.
  ASSERT_GE(traces.size(), 4u);
  EXPECT_EQ(traces[0].line, "629 341 826 193");
  EXPECT_EQ(traces[0].style, delgraph::psSolid);
  EXPECT_EQ(traces[1].line, "826 193 983 75");
  EXPECT_EQ(traces[1].style, delgraph::psLongDash);
  EXPECT_EQ(traces[2].line, "650 46 826 193");
  EXPECT_EQ(traces[2].style, delgraph::psSolid);
  EXPECT_EQ(traces[3].line, "826 193 983 324");
  EXPECT_EQ(traces[3].style, delgraph::psLongDash);
  // Then alpha 1 and alpha 2 in the perspective view: two parts each.
  EXPECT_EQ(traces.size(), 8u);

  // The labels, in UTF-8 (the canvas takes UTF-8), inside the flat frame.
  int labels = 0;
  for (const std::string& l : canvas.Calls("TextOut")) {
    if (l.find("\xCE\xB1") == std::string::npos) continue;
    ++labels;
    int x = 0, y = 0;
    ASSERT_EQ(std::sscanf(l.c_str(), "TextOut %d %d", &x, &y), 2) << l;
    EXPECT_TRUE(x >= 572 && x <= 983 - 16 && y >= 46 && y <= 340 - 16) << l;
  }
  EXPECT_EQ(labels, 2);
  EXPECT_NE(canvas.Calls("TextOut").back().find("\xCE\xB1"
                                                "2"),
            std::string::npos);
}

TEST_F(PlaneDrawingTest, ParallelThroughGroundLineAndAlignedPoints) {
  // Parallel to L.T. at alejamiento 30 and cota 40: alpha 1 across the frame at
  // y 223, alpha 2 at y 153, both solid (drawn right to left: normal (0, -400, -300)).
  auto traces = InColour(Strokes({0, 30, 0}, {10, 30, 0}, {0, 0, 40}), kTraceBlue);
  ASSERT_GE(traces.size(), 2u);
  EXPECT_EQ(traces[0].line, "983 223 572 223");
  EXPECT_EQ(traces[1].line, "983 153 572 153");
  EXPECT_EQ(traces[0].style, delgraph::psSolid);
  // Through L.T.: the two strokes under it, no trace across the flat frame; in the
  // perspective both traces lie on the ground line.
  traces = InColour(Strokes({0, 0, 0}, {10, 0, 0}, {0, 20, 30}), kTraceBlue);
  ASSERT_EQ(traces.size(), 4u);
  EXPECT_EQ(traces[0].line, "706 199 726 199");
  // While an exercise waits the traces would give its type away: none, nor labels.
  scene.AnswerHidden = true;
  EXPECT_TRUE(InColour(Strokes({0, 30, 0}, {10, 30, 0}, {0, 0, 40}), kTraceBlue).empty());
  for (const std::string& l : canvas.Calls("TextOut")) EXPECT_EQ(l.find("\xCE\xB1"), l.npos) << l;
  scene.AnswerHidden = false;
  // Aligned points: the projections only, nothing in the traces' colour.
  EXPECT_TRUE(InColour(Strokes({0, 0, 0}, {10, 10, 10}, {20, 20, 20}), kTraceBlue).empty());
  // At the 32-bit limits the traces still land inside the drawing, or nowhere.
  for (const Stroke& t : InColour(
           Strokes({INT_MIN, INT_MAX, 1}, {INT_MAX, INT_MIN, 0}, {0, 1, INT_MIN}), kTraceBlue)) {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ASSERT_EQ(std::sscanf(t.line.c_str(), "%d %d %d %d", &x1, &y1, &x2, &y2), 4);
    for (int v : {x1, x2}) EXPECT_TRUE(v >= 0 && v <= 1025) << t.line;
    for (int v : {y1, y2}) EXPECT_TRUE(v >= 0 && v <= 473) << t.line;
  }
  // The profile view gets the third trace: 4y + 3z = 0 through the origin.
  scene.ProfileOn = true;
  traces = InColour(Strokes({0, 0, 0}, {10, 0, 0}, {0, 30, -40}), kTraceBlue);
  EXPECT_EQ(traces.size(), 3u);
}

}  // namespace
