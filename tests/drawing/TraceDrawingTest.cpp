// The traces drawn over a line's projections: positions worked out by hand for one
// oblique line, and nothing at all drawn off, in point mode or while a test waits.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "drawing/DrawingFixture.h"
#include "drawing/TraceDrawing.h"

namespace {

class TraceDrawingTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    painter.Select320x200();
  }
  // The log of one DrawScene, and the shapes (lines, rings, texts) it added to the
  // same scene drawn with the traces off, which must come first and unchanged.
  std::vector<std::string> Added(DihedralPoint A, DihedralPoint B, bool pointMode = false) {
    std::vector<std::string> logs[2];
    for (bool on : {false, true}) {
      scene.TracesOn = on;
      canvas.Clear();
      DrawSceneOf(pointMode, A.abscissa, A.alejamiento, A.cota, B.abscissa, B.alejamiento, B.cota,
                  1);
      logs[on] = canvas.log;
    }
    EXPECT_TRUE(std::equal(logs[0].begin(), logs[0].end(), logs[1].begin()));
    std::vector<std::string> shapes;
    for (auto l = logs[1].begin() + logs[0].size(); l != logs[1].end(); ++l)
      if (l->find_first_of("MLET") == 0) shapes.push_back(*l);  // MoveTo, LineTo, Ellipse, TextOut
    return shapes;
  }
};

// A = (11, 31, 20), B = (38, 48, 60), both traces beyond A. H = (-2.5, 22.5, 0): to
// even, abscissa -2 and alejamiento 22: h = (764, 215), h' = (764, 193). V =
// (-650/17, 0, -900/17) = (-38.2, 0, -52.9): v = (728, 193), v' = (728, 246). A's
// a = (777, 224), a' = (777, 173), S = (293, 218). In space (steps 0.5967, 0.4044)
// H = (255 - 1 + 22, 242 + 1) and V = (255 - 23, 242 + 15 + 53).
TEST_F(TraceDrawingTest, ObliqueLineWithBothTracesBeyondA) {
  const std::vector<std::string> expected = {
      // H: the line, a-h and a'-h' dashed; h-h'; rings at h, h', H; labels up-right.
      "MoveTo 293 218", "LineTo 276 243", "MoveTo 777 224", "LineTo 764 215", "MoveTo 777 173",
      "LineTo 764 193", "MoveTo 764 215", "LineTo 764 193", "Ellipse 761 212 767 218",
      "Ellipse 761 190 767 196", "Ellipse 273 240 279 246", "TextOut 281 231 H",
      "TextOut 769 203 h", "TextOut 769 181 h'",
      // V: v on the ground line, v' below it.
      "MoveTo 293 218", "LineTo 232 310", "MoveTo 777 224", "LineTo 728 193", "MoveTo 777 173",
      "LineTo 728 246", "MoveTo 728 193", "LineTo 728 246", "Ellipse 725 190 731 196",
      "Ellipse 725 243 731 249", "Ellipse 229 307 235 313", "TextOut 237 298 V",
      "TextOut 733 181 v", "TextOut 733 234 v'"};
  EXPECT_EQ(Added({11, 31, 20}, {38, 48, 60}), expected);
  // Pen, line and text style come back as DrawScene leaves them.
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(3));
  EXPECT_EQ(canvas.penWidth, 1);
  EXPECT_EQ(canvas.fontSize, 8);

  // In the profile view H lies on the trace of H, V on the trace of V.
  scene.ProfileOn = true;
  const auto profile = Added({11, 31, 20}, {38, 48, 60});
  EXPECT_EQ(profile[10], "Ellipse 274 239 280 245");
  EXPECT_EQ(profile[24], "Ellipse 252 292 258 298");
}

TEST_F(TraceDrawingTest, NothingDrawnOffInPointModeWhileATestWaitsOrFarAway) {
  EXPECT_TRUE(Added({11, 31, 20}, {38, 48, 60}, true).empty());
  EXPECT_TRUE(Added({10, 20, 30}, {-10, 20, 30}).empty());  // parallel to the ground line
  scene.AnswerHidden = true;
  EXPECT_TRUE(Added({11, 31, 20}, {38, 48, 60}).empty());
  scene.AnswerHidden = false;
  // H some 2^63 away: its lines are cut short, its rings and labels left out.
  for (const auto& l : Added({0, 10, INT_MAX - 1}, {1, 11, INT_MAX})) {
    const char* numbers = l.c_str() + l.find(' ');
    char* end = nullptr;
    EXPECT_LE(std::labs(std::strtol(numbers, &end, 10)), 16384) << l;
    EXPECT_LE(std::labs(std::strtol(end, nullptr, 10)), 16384) << l;
  }
  Added({INT_MIN, INT_MAX, INT_MIN}, {INT_MAX, INT_MIN, INT_MAX});  // no undefined behaviour
  EXPECT_FALSE(scene::Scene{}.TracesOn);                            // off at start
}

}  // namespace
