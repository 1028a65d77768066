// "Partes vistas y ocultas": the pixels of one oblique line split at its traces, the
// extensions to the traces and the named parts.
#include <QImage>
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "delgraph/QtCanvas.h"
#include "drawing/DrawingFixture.h"
#include "drawing/SeenAndHidden.h"
#include "drawing/TraceDrawing.h"

namespace {

using delgraph::QtCanvas;

// A = (-60, -20, -70), B = (60, 100, 50): in the third quadrant up to V at t = 1/6
// (abscissa -40), the fourth up to H at t = 7/12 (abscissa 10), then the first.
// Both projections move one pixel across per pixel along, so the centre pixel of
// abscissa X is (O.x + X, O.y + X + 40) on h and (O.x + X, O.y - X + 10) on v'.
class SeenAndHiddenPixelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
    scene::Activate(scene);
    painter.AttachSurface(&surface, 1024, 768);
    painter.Select320x200();
  }

  void Draw(bool visibility) {
    scene.VisibilityOn = visibility;
    painter.SetFillStyle(1, 15);  // white: the surface starts black, like the line
    painter.ClearSurface();
    DrawPointOrLine(painter, scene, false, -60, -20, -70, 60, 100, 50, 1);
  }
  // Whether the line's centre pixel at abscissa X is drawn, on h (alejamiento
  // X + 40 below the ground line) or on v' (cota X - 10 above it).
  bool Inked(int X, bool horizontal) const {
    const drawing::SurfacePoint O = painter.FlatOrigin;
    const int y = horizontal ? O.y + X + 40 : O.y - (X - 10);
    return QtCanvas::FromQRgb(surface.Image().pixel(O.x + X, y)) == 0;
  }
  // How many centre pixels from abscissa x1 to x2 are not drawn.
  int Gaps(int x1, int x2, bool horizontal) const {
    int gaps = 0;
    for (int X = x1; X <= x2; ++X) gaps += Inked(X, horizontal) ? 0 : 1;
    return gaps;
  }

  QtCanvas surface{1024, 768};
  drawing::Painter painter;
  scene::Scene scene;
};

TEST_F(SeenAndHiddenPixelTest, SolidWhereSeenDashedElsewhereSplitAtTheTraces) {
  Draw(true);
  for (bool horizontal : {true, false}) {
    SCOPED_TRACE(horizontal ? "h" : "v'");
    // First quadrant, from H's projection (abscissa 10) to b: no gap.
    EXPECT_EQ(Gaps(11, 55, horizontal), 0);
    // Fourth and third quadrants: a dash's gaps every 18 pixels or so, away from
    // where h and v' cross (abscissa -15).
    EXPECT_GE(Gaps(-55, -25, horizontal), 2);
    EXPECT_GE(Gaps(-5, 8, horizontal), 1);
    // Either side of H's projection: inked right up to it on the seen side, and a
    // gap within one dash of it on the hidden side.
    EXPECT_TRUE(Inked(11, horizontal) && Inked(12, horizontal));
    EXPECT_GE(Gaps(-8, 9, horizontal), 1);
  }
  Draw(false);  // off: solid throughout
  EXPECT_EQ(Gaps(-55, 55, true) + Gaps(-55, 55, false), 0);
}

class SeenAndHiddenTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    painter.Select320x200();
  }
  // The pen styles set between the first and the last call of one DrawScene.
  std::vector<std::string> Styles(DihedralPoint A, DihedralPoint B) {
    canvas.Clear();
    DrawSceneOf(false, A.abscissa, A.alejamiento, A.cota, B.abscissa, B.alejamiento, B.cota, 1);
    return Only({"PenStyle"});
  }
};

TEST_F(SeenAndHiddenTest, ExtensionsToTheTracesFollowTheRule) {
  scene.TracesOn = true;
  const std::vector<std::string> before = Styles({-10, 40, 40}, {50, 60, 80});
  scene.VisibilityOn = true;
  drawing::ComputeSceneOrigins(painter);
  // AB lies in the first quadrant; beyond A it reaches H in the first quadrant too,
  // then V across the fourth.
  const auto toH = drawing::LinePieces(painter, {-10, 40, 40}, {50, 60, 80},
                                       drawing::LineStation::kA, drawing::LineStation::kH);
  ASSERT_EQ(toH.size(), 1u);
  EXPECT_TRUE(toH[0].seen);
  const auto toV = drawing::LinePieces(painter, {-10, 40, 40}, {50, 60, 80},
                                       drawing::LineStation::kA, drawing::LineStation::kV);
  ASSERT_EQ(toV.size(), 2u);
  EXPECT_TRUE(toV[0].seen);
  EXPECT_FALSE(toV[1].seen);
  const std::vector<std::string> after = Styles({-10, 40, 40}, {50, 60, 80});
  EXPECT_NE(before, after);
  // While an exercise waits, the picture is the plain one.
  scene.AnswerHidden = true;
  scene.TracesOn = false;
  canvas.Clear();
  DrawSceneOf(false, -10, 40, 40, 50, 60, 80, 1);
  const auto hidden = canvas.log;
  scene.VisibilityOn = false;
  canvas.Clear();
  DrawSceneOf(false, -10, 40, 40, 50, 60, 80, 1);
  EXPECT_EQ(hidden, canvas.log);

  // Traces some 2^63 away, or at the limits: no undefined behaviour.
  scene.AnswerHidden = false;
  scene.TracesOn = scene.VisibilityOn = true;
  DrawSceneOf(false, 0, 10, INT_MAX - 1, 1, 11, INT_MAX, 1);
  DrawSceneOf(false, INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX, 1);
  DrawSceneOf(false, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, 1);
}

TEST_F(SeenAndHiddenTest, NamesThePartsAsTheClassificationDoes) {
  EXPECT_EQ(drawing::PartsText({3, 4, 1}), "Cuadrantes: 3º, 4º, 1º");
  EXPECT_EQ(drawing::PartsText({5, 6}), "Semiplanos: H anterior, H posterior");
  EXPECT_EQ(drawing::PartsText({7, 8}), "Semiplanos: V superior, V inferior");
  // The text goes where no other text is: the top left of the space view.
  scene.VisibilityOn = true;
  canvas.Clear();
  DrawSceneOf(false, -10, 40, 40, 50, 60, 80, 1);
  const auto texts = Only({"TextOut"});
  EXPECT_NE(std::find(texts.begin(), texts.end(), "TextOut 8 16 Cuadrantes: 3º, 4º, 1º"),
            texts.end());
}

}  // namespace
