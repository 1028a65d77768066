// Two painters share nothing: pictures drawn step by step in turn, each in its own
// palette on its own canvas, equal the same pictures drawn one after the other.
#include <QImage>

#include "delgraph/QtCanvas.h"
#include "delgraph/ShippedPalette.h"
#include "drawing/DrawingFixture.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"

namespace {

class PainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetAllModules();
    scene::SetActivationScene(delgraph::GetMaxX(), delgraph::GetMaxY());
    scene::PointMode = false;
    scene::PointA = {20, 40, 30};
  }
  void TearDown() override { ResetAllModules(); }

  // Attaches a fresh painter, in the shipped or the print palette, to the canvas.
  static drawing::Painter Attached(delgraph::QtCanvas& canvas, bool print) {
    drawing::Painter painter;
    print ? delgraph::ApplyPrintPalette(painter.palette)
          : delgraph::ApplyShippedPalette(painter.palette);
    painter.AttachSurface(&canvas, 1024, 768);
    painter.Select640x480();
    return painter;
  }
  // Step k of an edit: the frame, then the point stored and the scene named.
  static void Step(drawing::Painter& painter, int k) {
    painter.Select320x200();
    drawing::RedrawFrame(painter, scene::ProfileOn);
    scene::EditPoint = {-50, -30 + k, 60};
    drawing::InfoUpdate(painter);
  }
};

TEST_F(PainterTest, InterleavedPicturesEqualSerialOnes) {
  delgraph::QtCanvas serial[2] = {{1025, 481}, {1025, 481}};
  for (int p = 0; p < 2; ++p) {
    drawing::Painter painter = Attached(serial[p], p == 1);
    for (int k = 0; k < 3; ++k) Step(painter, k);
  }
  delgraph::QtCanvas turns[2] = {{1025, 481}, {1025, 481}};
  drawing::Painter painters[2] = {Attached(turns[0], false), Attached(turns[1], true)};
  for (int k = 0; k < 3; ++k)
    for (drawing::Painter& painter : painters) Step(painter, k);
  for (int p = 0; p < 2; ++p) EXPECT_EQ(turns[p].Image(), serial[p].Image()) << p;
  EXPECT_NE(serial[0].Image(), serial[1].Image());
  EXPECT_EQ(painters[0].FramesDrawn, 3u);
}

}  // namespace
