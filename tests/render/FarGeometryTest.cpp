// Geometry far outside the drawing is cut before it reaches the device, so files
// open in every viewer, and what lies inside the drawing is still drawn.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "render/Export.h"

namespace {

class FarGeometryTest : public ::testing::Test {
 protected:
  void SetUp() override { delgraph::ApplyShippedPalette(palette); }
  delgraph::Palette palette;
};

// Rows of the image that hold a light red (reference colour) pixel.
int ReddishRows(const QImage& image) {
  int rows = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 150 && c.blue() < 150) {
        ++rows;
        break;
      }
    }
  }
  return rows;
}

// A point at 10^8 once made poppler drop lines with "Bogus memory allocation size"
// warnings, and at the 32-bit limit render for over a minute. The time limit only
// guards against that hang.
TEST_F(FarGeometryTest, PdfOfAFarPointRendersQuicklyWithItsReferenceLine) {
  const QString renderer = QStandardPaths::findExecutable("pdftoppm");
  if (renderer.isEmpty()) GTEST_SKIP() << "pdftoppm not installed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath("p.pdf");
  const render::SceneSpec far{
      scene::Figure::kPoint, {0, 0, 100000000}, {0, 0, 100000000}, false, false};
  ASSERT_EQ(render::WriteFile(far, palette, pdf, render::Format::Pdf, 1), QString());
  QProcess p;
  p.start(renderer, {"-png", "-r", "60", "-singlefile", pdf, dir.filePath("page")});
  const bool finished = p.waitForFinished(5000);
  if (!finished) p.kill();
  ASSERT_TRUE(finished) << "pdftoppm took more than 5 s";
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_EQ(p.readAllStandardError(), QByteArray());
  // The flat view's reference line climbs from the ground line to the page's top
  // edge; the rings alone would fill a handful of rows.
  const QImage page(dir.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  EXPECT_GT(ReddishRows(page), 60);
}

}  // namespace
