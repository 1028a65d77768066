// Two planes: the plates' seen and hidden edges read from the pixels, and the
// construction drawn only on request, with its auxiliary plane when h is off the sheet.
#include <QImage>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "delgraph/QtCanvas.h"
#include "drawing/DrawingFixture.h"
#include "drawing/TwoPlanesDrawing.h"
#include "drawing/TwoPlanesTexts.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"

namespace {

using delgraph::QtCanvas;

// The start triangle and the one that starts crossing it, at twice their size. The
// flat view's origin is (766, 193). On the horizontal projection f-d is hidden under
// abc from x = -57.6 to 0 and seen from 0 to f; on the vertical one b'-c' is seen
// from c' to x = -52.8, hidden behind d'e'f' to x = -14.4, then seen again.
const classify::SixPoints kCrossing = {
    {{0, 80, 80}, {0, 0, 0}, {-80, 60, 100}, {-62, 42, 30}, {-34, 36, 140}, {18, 62, 10}}};

class TwoPlanesPixelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
    painter.AttachSurface(&surface, 1024, 768);
    painter.Select320x200();
    painter.SetFillStyle(1, 15);  // white
    painter.ClearSurface();
    drawing::TwoPlanesFlags flags;
    flags.visibility = true;
    drawing::DrawTwoPlanes(painter, kCrossing, flags);
  }

  // The rows (or columns, for a line nearer horizontal) from abscissa x0 to x1 of the
  // segment p-q, in flat-view units, where no pixel within one of the line is black.
  int Gaps(double px, double py, double qx, double qy, double x0, double x1) const {
    const drawing::SurfacePoint O = painter.FlatOrigin;
    const bool steep = std::abs(qy - py) > std::abs(qx - px);
    const double k0 = (x0 - px) / (qx - px), k1 = (x1 - px) / (qx - px);
    const double from = steep ? py + k0 * (qy - py) : x0, to = steep ? py + k1 * (qy - py) : x1;
    int gaps = 0;
    for (int m = static_cast<int>(std::ceil(std::min(from, to)));
         m <= static_cast<int>(std::floor(std::max(from, to))); ++m) {
      const double k = steep ? (m - py) / (qy - py) : (m - px) / (qx - px);
      const int other =
          static_cast<int>(std::lround(steep ? px + k * (qx - px) : py + k * (qy - py)));
      bool inked = false;
      for (int d = -1; d <= 1; ++d) {
        const int x = O.x + (steep ? other + d : m), y = O.y + (steep ? m : other + d);
        inked = inked || QtCanvas::FromQRgb(surface.Image().pixel(x, y)) == 0;
      }
      gaps += inked ? 0 : 1;
    }
    return gaps;
  }

  QtCanvas surface{1024, 768};
  drawing::Painter painter;
};

TEST_F(TwoPlanesPixelTest, EachProjectionShowsAnEdgeSeenAndHidden) {
  // f-d on H: from f (18, 62) to d (-62, 42), alejamiento down.
  EXPECT_GE(Gaps(18, 62, -62, 42, -52, -6), 4);
  EXPECT_EQ(Gaps(18, 62, -62, 42, 3, 14), 0);
  // b'-c' on V: from b' (0, 0) to c' (-80, -100), the cota up.
  EXPECT_GE(Gaps(0, 0, -80, -100, -48, -19), 4);
  EXPECT_EQ(Gaps(0, 0, -80, -100, -76, -57), 0);
  EXPECT_EQ(Gaps(0, 0, -80, -100, -11, -4), 0);
}

class TwoPlanesRecordingTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    painter.Select320x200();
  }
  // The strokes "x1 y1 x2 y2" drawn in the construction's dark grey.
  std::vector<std::string> Construction(const classify::SixPoints& points, bool on) {
    canvas.Clear();
    drawing::TwoPlanesFlags flags;
    flags.construction = on;
    drawing::DrawTwoPlanes(painter, points, flags);
    std::vector<std::string> strokes;
    std::string colour, from;
    for (const std::string& l : canvas.log) {
      if (l.rfind("PenColor ", 0) == 0) colour = l.substr(9);
      if (l.rfind("MoveTo ", 0) == 0) from = l.substr(7);
      if (l.rfind("LineTo ", 0) == 0 && colour == kDarkGrey)
        strokes.push_back(from + " " + l.substr(7));
    }
    return strokes;
  }
};

TEST_F(TwoPlanesRecordingTest, TracesMeetOnTheSheetOrAnAuxiliaryPlaneFindsAPointOfI) {
  // -28x + 21y + 24z = 1680 and x - 2y + 5z = 100: h (-156, -128) and v' (-36.59, 27.32)
  // on the sheet, so the two lines to L.T. only.
  const classify::SixPoints near = {
      {{-60, 0, 0}, {0, 80, 0}, {0, 0, 70}, {100, 0, 0}, {0, -50, 0}, {0, 0, 20}}};
  EXPECT_TRUE(Construction(near, false).empty());
  const std::vector<std::string> traces = Construction(near, true);
  EXPECT_EQ(traces, (std::vector<std::string>{"610 65 610 193", "729 193 729 166"}));

  // alpha 1 and beta 1 nearly parallel: h falls far below the frame.
  const classify::SixPoints far = {
      {{-60, 0, 0}, {0, 80, 0}, {0, 0, 70}, {-90, 0, 0}, {0, 100, 0}, {0, 0, -40}}};
  EXPECT_TRUE(Construction(far, false).empty());
  const std::vector<std::string> aux = Construction(far, true);
  // h-h' cut at the frame, v'-v, the plane's trace across the frame, its two
  // horizontal lines and p-p' down to the trace.
  ASSERT_EQ(aux.size(), 6u);
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ASSERT_EQ(std::sscanf(aux[2].c_str(), "%d %d %d %d", &x1, &y1, &x2, &y2), 4);
  EXPECT_EQ(y1, y2);  // horizontal: the trace on V of a horizontal plane
  const int cota = painter.FlatOrigin.y - y1;
  int px = 0, py = 0, qx = 0, qy = 0;
  ASSERT_EQ(std::sscanf(aux[5].c_str(), "%d %d %d %d", &px, &py, &qx, &qy), 4);
  EXPECT_EQ(px, qx);
  EXPECT_EQ(qy, y1);  // p' on the plane's trace
  // p is on i: i's point of that cota, from its exact traces, within a pixel.
  const scene::PlanesMeeting m = scene::TwoPlanes(scene::PlaneThrough(far[0], far[1], far[2]),
                                                  scene::PlaneThrough(far[3], far[4], far[5]));
  ASSERT_TRUE(m.H && m.V);
  const double k = cota / m.V->cota.ToDouble();  // from H (cota 0) towards V
  const double x =
      m.H->abscissa.ToDouble() + k * (m.V->abscissa.ToDouble() - m.H->abscissa.ToDouble());
  const double y = m.H->alejamiento.ToDouble() * (1.0 - k);
  EXPECT_NEAR(px, painter.FlatOrigin.x + x, 1.0);
  EXPECT_NEAR(py, painter.FlatOrigin.y + y, 1.0);
}

TEST_F(TwoPlanesRecordingTest, FarPlanesKeepIAndItsConstructionInsideTheViews) {
  constexpr std::int32_t kMax = 2147483647, kMin = -kMax - 1;
  const classify::SixPoints far = {{{kMin, -kMax, 0},
                                    {kMax - 1, -1, -kMax},
                                    {-kMax, kMax - 1, kMax - 1},
                                    {kMin, kMax - 1, kMax},
                                    {-kMax, -kMax, 0},
                                    {kMax - 1, -1, 12345}}};
  for (const bool profile : {false, true}) {
    painter.Profile = profile;
    canvas.Clear();
    drawing::TwoPlanesFlags flags{true, true, 0};
    drawing::DrawTwoPlanes(painter, far, flags);
    std::string colour;
    int ends = 0;
    for (const std::string& l : canvas.log) {
      if (l.rfind("PenColor ", 0) == 0) colour = l.substr(9);
      if (colour != kGreen && colour != kDarkGrey) continue;
      int x = 0, y = 0;
      if (std::sscanf(l.c_str(), "MoveTo %d %d", &x, &y) == 2 ||
          std::sscanf(l.c_str(), "LineTo %d %d", &x, &y) == 2) {
        EXPECT_TRUE(x >= 0 && x < 1024 && y >= 0 && y < 768) << l;
        ++ends;
      }
    }
    EXPECT_GT(ends, 0);  // i does cross the views
  }
}

TEST_F(TwoPlanesRecordingTest, PanelNamesTheLineAndSaysWhenOnlyTheProfileFindsIt) {
  // Both parallel to L.T., neither projecting: i is found in the profile view alone.
  const classify::SixPoints points = {
      {{0, 20, 0}, {0, 0, 30}, {10, 20, 0}, {0, -10, 0}, {0, 0, 40}, {10, -10, 0}}};
  drawing::TwoPlanesTextFlags flags;
  flags.edited = 4;  // E: written after the scene, with the line
  canvas.Clear();
  drawing::ShowTwoPlanesRelation(painter, points, flags);
  canvas.log.push_back("TextOut scene");
  drawing::ShowTwoPlanesLine(painter, points, flags);
  EXPECT_EQ(
      canvas.Calls("TextOut"),
      (std::vector<std::string>{
          "TextOut 570 355 SECANTES", "TextOut 570 382  A=(  0, 20,  0) traza H ",
          "TextOut 570 403  B=(  0,  0, 30) traza V ", "TextOut 570 424  C=( 10, 20,  0) traza H ",
          "TextOut 792 382  D=(  0,-10,  0) traza H ", "TextOut 792 424  F=( 10,-10,  0) traza H ",
          "TextOut scene", "TextOut 792 403  E=(  0,  0, 40) traza V ",
          "TextOut 570 10 i: PARALELA A L.T.",
          std::string("TextOut 570 445 ") + drawing::kOnlyInProfileText}));

  // An exercise waiting: the coordinates only; then not even those.
  flags.answerHidden = true;
  canvas.Clear();
  drawing::ShowTwoPlanesRelation(painter, points, flags);
  drawing::ShowTwoPlanesLine(painter, points, flags);
  EXPECT_EQ(canvas.Calls("TextOut").size(), 6u);
  flags.coordinatesHidden = true;
  canvas.Clear();
  drawing::ShowTwoPlanesRelation(painter, points, flags);
  drawing::ShowTwoPlanesLine(painter, points, flags);
  EXPECT_TRUE(canvas.Calls("TextOut").empty());
}

}  // namespace
