// A plane's edits in the window put back only what the edit before drew over
// the kept frame: after each, the picture equals the same calls drawn afresh,
// through moving labels and texts, a change of mode, of colours and of size.
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/SurfaceCanvas.h"
#include "scene/PlaneScene.h"

namespace {

class KeptPictureTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  void TearDown() override {
    scene::ResetPlaneScene();
    WindowTest::TearDown();
  }
  // Two edits, so the second puts back what the first drew; then the picture
  // against the same calls drawn again.
  void EditTwiceAndCompare(QScrollBar* bar, int value, const char* step) {
    bar->setValue(value);
    bar->setValue(value + 9);
    auto* canvas = window->PaintBox1->Canvas();
    const QImage shown = Surface();
    canvas->Redraw(canvas->Scale());
    ASSERT_EQ(Surface(), shown) << step;
  }
};

TEST_F(KeptPictureTest, PlaneEditsMatchAFullRedrawThroughModesColoursAndSizes) {
  QTest::keyClick(window.get(), Qt::Key_P);
  ASSERT_TRUE(scene::PlaneMode);
  const int values[] = {-100, -40, 0, 35, 90};
  for (const int v : values) {
    ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar1, v, "abscisa"));
    ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar2, -v, "alejamiento"));
    ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar3, v, "cota"));
    window->PAClick();  // the next of A, B, C
  }
  EXPECT_GT(window->PaintBox1->Canvas()->CachedCalls(), 200u);  // the frame was kept

  // A plane, then a point, then a plane again.
  QTest::keyClick(window.get(), Qt::Key_P);
  window->Punto->click();
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar1, 20, "point"));
  QTest::keyClick(window.get(), Qt::Key_P);
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar1, -20, "plane again"));
  window->Cperfil->click();
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar2, 30, "profile"));

  // Other colours for the frame and the texts.
  delgraph::SetPaletteEntry(1, 200, 30, 40);
  delgraph::SetPaletteEntry(13, 0, 90, 0);
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar3, -50, "palette"));

  // Larger and back, with edits at each size.
  window->resize(1600, 800);
  ASSERT_NE(window->DrawingScale(), 1.0);
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar1, 60, "larger"));
  window->resize(1036, 541);
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->ScrollBar1, -60, "start size"));
  EXPECT_TRUE(errors.isEmpty());
}

TEST(KeptPictureCanvasTest, ALineFromWhereThePenStartedIsNotTakenFromTheKeptPicture) {
  // The pen starts each picture where the one before left it. Two pictures that
  // agree but for that place agree up to the first line drawn from it.
  TSurfaceCanvas canvas;
  const auto picture = [&canvas](std::int32_t x, std::int32_t y) {
    canvas.FillRect(0, 0, canvas.SurfaceWidth(), canvas.SurfaceHeight());
    canvas.LineTo(50, 50);  // from where the pen starts
    canvas.MoveTo(0, 0);
    canvas.LineTo(x, y);
  };
  picture(0, 0);
  picture(60, 10);  // keeps the line from (0, 0); the pen ends at (60, 10)
  picture(60, 10);  // the same calls, the first line now from (60, 10)
  const QImage shown = canvas.Image();
  canvas.Redraw(1.0);
  EXPECT_EQ(canvas.Image(), shown);
  EXPECT_EQ(shown.pixel(55, 30), qRgb(0, 0, 0));  // on the line from (60, 10)
}

}  // namespace
