// The window's icon and the desktop entry name that task bars match it to.
#include <QGuiApplication>
#include <QIcon>
#include <QImage>

#include "WindowFixture.h"

TEST_F(WindowTest, CarriesItsIconAndNamesItsDesktopEntry) {
  StartWindow();
  const QIcon icon = window->windowIcon();
  ASSERT_FALSE(icon.isNull());
  for (const int size : {16, 48, 256}) {
    // Drawn from a bitmap of that size: the point in space is opaque magenta.
    const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
    ASSERT_EQ(image.size(), QSize(size, size)) << size;
    const QColor point = image.pixelColor(size * 21 / 48, size * 21 / 48);
    EXPECT_EQ(point.alpha(), 255) << size;
    EXPECT_GT(point.red(), 200) << size;
    EXPECT_GT(point.blue(), 200) << size;
    EXPECT_LT(point.green(), 120) << size;
  }
  // The installed entry is quorvel.desktop.
  EXPECT_EQ(QGuiApplication::desktopFileName(), "quorvel");
}
