// A line through an opaque plate: its horizontal projection dashed where it runs
// inside abc below the plate and solid elsewhere; the construction's and the notable
// lines only on request; no undefined behaviour at the 32-bit limits.
#include <QImage>
#include <climits>
#include <string>

#include "delgraph/QtCanvas.h"
#include "drawing/DrawingFixture.h"
#include "drawing/IncidenceDrawing.h"
#include "drawing/IncidenceTexts.h"

namespace {

using delgraph::QtCanvas;

// The plate ABC at cota 30, its horizontal projection the triangle (-50, 10), (50,
// 10), (0, 80); r from D (-40, 40, 10) to E (40, 40, 50) rises through it at I (0, 40,
// 30). On h (alejamiento 40) r runs inside abc for |x| < 28.57 and below the plate
// for x < 0. Rings sit at x = -40, 0 and 40, the triangle's edges cross h at +-28.57.
// Turned about L.T. (alejamiento and cota swapped) the plate is frontal and the same
// holds of v' (cota 40) and what lies behind it.
class PlatePixelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
    painter.AttachSurface(&surface, 1024, 768);
    painter.Select320x200();
  }

  void Draw(bool visibility, bool frontal) {
    painter.SetFillStyle(1, 15);  // white: the surface starts black, like the line
    painter.ClearSurface();
    drawing::IncidenceView view;
    view.visibility = visibility;
    const auto at = [frontal](int x, int y, int z) {
      return frontal ? DihedralPoint{x, z, y} : DihedralPoint{x, y, z};
    };
    drawing::DrawLineAndPlane(painter, at(-50, 10, 30), at(50, 10, 30), at(0, 80, 30),
                              at(-40, 40, 10), at(40, 40, 50), view);
  }
  // Undrawn centre pixels of r from abscissa x1 to x2 on h (down = 40) or v' (-40).
  int Gaps(int x1, int x2, int down) const {
    const drawing::SurfacePoint O = painter.FlatOrigin;
    int gaps = 0;
    for (int X = x1; X <= x2; ++X)
      gaps += QtCanvas::FromQRgb(surface.Image().pixel(O.x + X, O.y + down)) == 0 ? 0 : 1;
    return gaps;
  }

  QtCanvas surface{1024, 768};
  drawing::Painter painter;
};

TEST_F(PlatePixelTest, DashedInsideAbcBelowThePlateSolidElsewhere) {
  for (const bool frontal : {false, true}) {
    SCOPED_TRACE(frontal ? "v'" : "h");
    const int down = frontal ? -40 : 40;
    Draw(true, frontal);
    EXPECT_GE(Gaps(-25, -5, down), 2);   // inside the triangle, hidden by the plate
    EXPECT_EQ(Gaps(5, 25, down), 0);     // inside it, in front of the plate
    EXPECT_EQ(Gaps(-36, -31, down), 0);  // outside it
    EXPECT_EQ(Gaps(31, 36, down), 0);
    Draw(false, frontal);
    EXPECT_EQ(Gaps(-25, -5, down), 0);
  }
}

class IncidenceDrawingTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    painter.Select320x200();
  }
  // The DrawLine calls made in one colour.
  int LinesIn(const std::string& colour) const {
    int lines = 0;
    std::string pen;
    for (const std::string& l : canvas.log) {
      if (l.rfind("PenColor ", 0) == 0) pen = l.substr(9);
      if (l.rfind("LineTo ", 0) == 0 && pen == colour) ++lines;
    }
    return lines;
  }
};

const std::string kLightGreen = "#54FC54";  // the construction's colour 10
const std::string kOrange = "#FC5400";      // the notable lines' colour 6
const std::string kTraceBlue = "#5454FC";   // the plane's traces, colour 9

TEST_F(IncidenceDrawingTest, ConstructionAndNotableLinesOnlyOnRequest) {
  const DihedralPoint A{-50, 10, 20}, B{50, 30, 40}, C{0, 80, 35};
  for (const bool on : {false, true}) {
    SCOPED_TRACE(on);
    drawing::IncidenceView view;
    view.construction = view.notable = on;
    canvas.Clear();
    EXPECT_EQ(drawing::DrawPointAndPlane(painter, A, B, C, {0, 40, 22}, view), "");
    EXPECT_EQ(LinesIn(kLightGreen), on ? 2 : 0);  // h and h'
    EXPECT_EQ(LinesIn(kOrange), on ? 8 : 0);      // four lines, two projections each
    canvas.Clear();
    drawing::DrawLineAndPlane(painter, A, B, C, {-40, 40, 5}, {40, 50, 60}, view);
    // beta 1 and s'; beta 2 meets L.T. at x = -360, outside the flat view.
    EXPECT_EQ(LinesIn(kLightGreen), on ? 2 : 0);
    EXPECT_GT(LinesIn(kTraceBlue), 0);
    // While an exercise waits nothing tells the answer, the plane's traces included.
    view.answerHidden = true;
    canvas.Clear();
    drawing::DrawLineAndPlane(painter, A, B, C, {-40, 40, 5}, {40, 50, 60}, view);
    EXPECT_EQ(LinesIn(kLightGreen) + LinesIn(kOrange) + LinesIn(kTraceBlue), 0);
  }
  // The projecting plane's traces are a plane's: beta 2, with no prime.
  drawing::IncidenceView construction;
  construction.construction = true;
  canvas.Clear();
  drawing::DrawLineAndPlane(painter, {0, 40, 55}, {30, 0, 0}, {-40, 30, 50}, {-30, 60, 10},
                            {30, 0, 60}, construction);
  const std::string beta2 = std::string("\xCE\xB2") + "2";
  int labels = 0;
  for (const std::string& text : canvas.Calls("TextOut")) {
    EXPECT_EQ(text.find(beta2 + "'"), std::string::npos) << text;
    labels += text.find(beta2) != std::string::npos;
  }
  EXPECT_EQ(labels, 1);
  // A horizontal plane has neither h nor a line of maximum slope: f-f' and the line of
  // maximum inclination, de punta (its v' a point, no line), and the panel is told why.
  drawing::IncidenceView notable;
  notable.notable = true;
  canvas.Clear();
  EXPECT_NE(
      drawing::DrawPointAndPlane(painter, {0, 5, 20}, {10, 0, 20}, {3, -7, 20}, {1, 1, 1}, notable),
      "");
  EXPECT_EQ(LinesIn(kOrange), 3);
}

TEST_F(IncidenceDrawingTest, PanelBesidePlaneModesTextsAndTheAnswerHiddenWhileAsked) {
  const drawing::IncidencePanel panel =
      drawing::LinePlaneTexts({0, 0, 42}, {10, 0, 42}, {0, 10, 42}, {0, 5, 30}, {9, 1, 50});
  drawing::DrawIncidencePanel(painter, panel, false, false);
  const auto shown = Only({"TextOut"});
  EXPECT_EQ(shown,
            (std::vector<std::string>{
                "TextOut 570 355 SECANTE AL PLANO", "TextOut 570 382  A=(  0,  0, 42) traza V ",
                "TextOut 570 403  B=( 10,  0, 42) traza V ", "TextOut 570 424  C=(  0, 10, 42)",
                "TextOut 800 382  D=(  0,  5, 30)", "TextOut 800 403  E=(  9,  1, 50)",
                "TextOut 800 424  I=(5,40; 2,60; 42,00)"}));
  canvas.Clear();
  drawing::DrawIncidencePanel(painter, panel, true, false);
  EXPECT_EQ(Only({"TextOut"}), std::vector<std::string>(shown.begin() + 1, shown.end() - 1));
}

TEST_F(IncidenceDrawingTest, EverythingOnAtThe32BitLimits) {
  drawing::IncidenceView all;
  all.visibility = all.construction = all.notable = true;
  const DihedralPoint lo{INT_MIN, INT_MIN, INT_MIN}, hi{INT_MAX, INT_MAX, INT_MAX};
  drawing::DrawLineAndPlane(painter, {INT_MIN, INT_MAX, 1}, {INT_MAX, INT_MIN, 0}, {0, 1, INT_MIN},
                            lo, {INT_MAX, INT_MAX, INT_MAX - 1}, all);
  drawing::DrawLineAndPlane(painter, lo, hi, {0, 0, 1}, {INT_MAX, 0, INT_MIN}, hi, all);
  drawing::DrawPointAndPlane(painter, {0, 0, 0}, {0, 1, 0}, {3, 0, -1}, lo, all);
  EXPECT_FALSE(canvas.log.empty());
}

}  // namespace
