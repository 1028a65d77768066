// The traces drawn over a line's projections: positions worked out by hand for one
// oblique line, and nothing at all drawn off, in point mode or while a test waits.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "drawing/DrawingFixture.h"
#include "drawing/TraceDrawing.h"

namespace {

class TraceDrawingTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    scene::Quorvel = &window;
    drawing::Select320x200();
  }
  // The log of one DrawScene of line AB (or point A), with the traces on or off.
  std::vector<std::string> Scene(bool traces, DihedralPoint A, DihedralPoint B,
                                 bool pointMode = false) {
    drawing::TracesOn = traces;
    canvas.Clear();
    drawing::DrawScene(pointMode, A.abscissa, A.alejamiento, A.cota, B.abscissa, B.alejamiento,
                       B.cota, 1);
    return canvas.log;
  }
  FakeWindow window;
};

std::string Ring(int x, int y) {
  return "Ellipse " + std::to_string(x - 3) + " " + std::to_string(y - 3) + " " +
         std::to_string(x + 3) + " " + std::to_string(y + 3);
}
std::vector<std::string> Line(int x1, int y1, int x2, int y2) {
  return LineCalls(x1, y1, x2, y2);
}

// A = (11, 31, 20), B = (38, 48, 60): both traces lie beyond A.
//   H = (-2.5, 22.5, 0): halves to even give abscissa -2 and alejamiento 22, so
//   h = (766 - 2, 193 + 22) = (764, 215) and h' = (764, 193).
//   V = (-650/17, 0, -900/17) = (-38.2, 0, -52.9): v' = (728, 193), v = (728, 246).
//   A lands at a = (777, 224), a' = (777, 173), and in space at S = (293, 218);
//   in space H lands at (255 - 1 + 22, 242 + 1) = (276, 243) and V at
//   (255 - 23, 242 + 15 + 53) = (232, 310) (abscissa steps 0.5967 and 0.4044).
const DihedralPoint kA{11, 31, 20};
const DihedralPoint kB{38, 48, 60};

TEST_F(TraceDrawingTest, ObliqueLineWithBothTracesBeyondA) {
  const auto plain = Scene(false, kA, kB);
  const auto log = Scene(true, kA, kB);
  // Nothing of the picture without traces changes: the traces only come after it.
  ASSERT_GT(log.size(), plain.size());
  ASSERT_TRUE(std::equal(plain.begin(), plain.end(), log.begin()));

  std::vector<std::string> added(log.begin() + static_cast<std::ptrdiff_t>(plain.size()),
                                 log.end());
  std::vector<std::string> shapes;
  for (const auto& l : added)
    for (const char* p : {"MoveTo", "LineTo", "Ellipse", "TextOut"})
      if (l.rfind(p, 0) == 0) shapes.push_back(l);

  std::vector<std::string> expected;
  const auto add = [&](const std::vector<std::string>& v) {
    expected.insert(expected.end(), v.begin(), v.end());
  };
  // H: the line, a-h and a'-h' extended to it; h-h' joined; rings; labels up-right.
  add(Line(293, 218, 276, 243));
  add(Line(777, 224, 764, 215));
  add(Line(777, 173, 764, 193));
  add(Line(764, 215, 764, 193));
  add({Ring(764, 215), Ring(764, 193), Ring(276, 243)});
  add({"TextOut 281 231 H", "TextOut 769 203 h", "TextOut 769 181 h'"});
  // V, likewise: v' on the ground line, v below it (negative cota).
  add(Line(293, 218, 232, 310));
  add(Line(777, 224, 728, 193));
  add(Line(777, 173, 728, 246));
  add(Line(728, 193, 728, 246));
  add({Ring(728, 193), Ring(728, 246), Ring(232, 310)});
  add({"TextOut 237 298 V", "TextOut 733 181 v'", "TextOut 733 234 v"});
  EXPECT_EQ(shapes, expected);

  // Extensions dashed in black, the rest in red; the state comes back as it was.
  EXPECT_EQ(added[0], "PenColor " + kBlue);
  EXPECT_EQ(added[1], "PenColor " + kBlack);
  EXPECT_EQ(added[2], "PenStyle 1");
  EXPECT_NE(std::find(added.begin(), added.end(), "PenColor " + kRed), added.end());
  EXPECT_EQ(canvas.penColor, delgraph::PaletteColor(3));
  EXPECT_EQ(canvas.penStyle, delgraph::psSolid);
  EXPECT_EQ(canvas.penWidth, 1);
  EXPECT_EQ(canvas.fontSize, 8);
  EXPECT_EQ(canvas.brushStyle, delgraph::bsClear);
}

TEST_F(TraceDrawingTest, ProfileViewPutsThemOnTheTracesOfHAndV) {
  scene::ProfileOn = true;
  Scene(true, kA, kB);
  const auto rings = canvas.Calls("Ellipse");
  // On the profile trace of H at alejamiento 22, on that of V at cota -53.
  EXPECT_NE(std::find(rings.begin(), rings.end(), Ring(277, 242)), rings.end());
  EXPECT_NE(std::find(rings.begin(), rings.end(), Ring(255, 295)), rings.end());
}

TEST_F(TraceDrawingTest, NothingDrawnOffInPointModeWhileATestWaitsOrWithoutTraces) {
  const auto off = Scene(false, kA, kB);
  EXPECT_EQ(std::count(off.begin(), off.end(), "PenColor " + kRed), 0);
  EXPECT_EQ(Scene(true, kA, kB, true), Scene(false, kA, kB, true));
  scene::AnswerHidden = true;
  EXPECT_EQ(Scene(true, kA, kB), Scene(false, kA, kB));
  scene::AnswerHidden = false;
  // Parallel to the ground line: no trace to draw.
  EXPECT_EQ(Scene(true, {10, 20, 30}, {-10, 20, 30}), Scene(false, {10, 20, 30}, {-10, 20, 30}));
  drawing::ResetProjections();
  EXPECT_FALSE(drawing::TracesOn);
}

TEST_F(TraceDrawingTest, FarTracesAreCutToASensibleSize) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  // Cotas one apart: H lies 2^63 away, beyond every pixel.
  const DihedralPoint A{0, 10, kMax - 1}, B{1, 11, kMax};
  const auto plain = Scene(false, A, B);
  const auto log = Scene(true, A, B);
  for (auto it = log.begin() + static_cast<std::ptrdiff_t>(plain.size()); it != log.end(); ++it) {
    if (it->rfind("MoveTo", 0) != 0 && it->rfind("LineTo", 0) != 0) continue;
    const std::string numbers = it->substr(it->find(' ') + 1);
    const long x = std::strtol(numbers.c_str(), nullptr, 10);
    const long y = std::strtol(numbers.c_str() + numbers.find(' '), nullptr, 10);
    EXPECT_LE(std::labs(x), 16384) << *it;
    EXPECT_LE(std::labs(y), 16384) << *it;
  }
  Scene(true, {kMin, kMax, kMin}, {kMax, kMin, kMax});  // no undefined behaviour
}

}  // namespace
