// The window's icon, drawn from the same picture as the desktop menu's, and the
// desktop entry name that Wayland compositors and task bars match the window to.
#include <QGuiApplication>
#include <QIcon>

#include "app/UnitQuorvel.h"

void TQuorvel::SetWindowIdentity() {
  // Bitmaps, not the SVG: Qt needs no image plugin to read them.
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/quorvel/icons/quorvel-%1.png").arg(size), QSize(size, size));
  setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
}
