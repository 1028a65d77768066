// A screen at 200 %: the drawing is drawn at twice the pixels, not enlarged.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/Controls.h"
#include "app/UnitQuorvel.h"
#include "delgraph/QtCanvas.h"

namespace {

// Before the application object exists, as a desktop at 200 % sets it.
const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

TEST(HiDpiTest, DrawingAreaGetsTwiceThePixels) {
  ASSERT_TRUE(kScaled);
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  QFile::copy(QStringLiteral(QUORVEL_DATA_DIR "/pruebas.pal"), QStringLiteral("pruebas.pal"));
  {
    TQuorvel window;
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Activated(); }, 5000));
    ASSERT_DOUBLE_EQ(window.drawingArea->devicePixelRatioF(), 2.0);
    window.ab->setValue(1);  // the frame alone
    EXPECT_EQ(window.size(), QSize(1036, 541));
    const QImage surface = window.drawingArea->Canvas()->Image();
    EXPECT_EQ(surface.size(), QSize(2050, 962));
    QImage shown = window.drawingArea->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(2050, 946));
    // The flat view's ground line, in the shipped palette's blue.
    const QRgb blue = qRgb(0, 0, 168);
    for (int x = 1144; x <= 1966; ++x) ASSERT_EQ(shown.pixel(x, 386), blue) << x;
    window.abscissaBar->setValue(5);
    shown = window.drawingArea->grab().toImage();
    // The point's texts are drawn at the finer pixels: some 2 x 2 block is not one colour.
    bool finer = false;
    for (int y = 20; y < 60 && !finer; y += 2)
      for (int x = 1140; x < 1500 && !finer; x += 2)
        finer = shown.pixel(x, y) != shown.pixel(x + 1, y + 1);
    EXPECT_TRUE(finer);
  }
  QDir::setCurrent(previous);
}

}  // namespace
