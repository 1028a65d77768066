// "Vista en el espacio" in the real window: the entry opens a window of its own
// that follows the edits, turns by keys and by mouse, folds V, saves and closes.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include "WindowFixture.h"
#include "app/SpaceWindow.h"

namespace {

class SpaceViewWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    entry = window->findChild<QAction*>(QStringLiteral("VistaEspacio"));
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    space = window->findChild<app::SpaceWindow*>();
    ASSERT_NE(space, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(space));
    space->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(space));
    space->canvas->setFocus();
  }
  QImage Shown() const { return space->canvas->grab().toImage(); }
  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(space->canvas, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, space->canvas->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(space->canvas, &move);
    QTest::mouseRelease(space->canvas, Qt::LeftButton, {}, to);
  }
  QAction* entry = nullptr;
  app::SpaceWindow* space = nullptr;
};

TEST_F(SpaceViewWindowTest, OpensBesideTheWindowAndFollowsEachEdit) {
  EXPECT_TRUE(window->contextMenu->actions().contains(entry));
  EXPECT_EQ(entry->text() + " " + entry->shortcut().toString(), "Vista en el espacio Ctrl+E");
  for (const QAction* other : window->actions()) {
    if (other != entry) {
      EXPECT_NE(other->shortcut(), entry->shortcut());
    }
  }
  EXPECT_TRUE(space->isVisible() && space->isWindow() && entry->isChecked());

  const QImage before = Shown();
  window->abscissaBar->setValue(window->abscissaBar->value() + 30);
  EXPECT_NE(Shown(), before);

  // Closed by the user, the entry is unticked.
  space->close();
  EXPECT_FALSE(entry->isChecked());
}

TEST_F(SpaceViewWindowTest, KeysAndMouseTurnTiltZoomAndReset) {
  drawing::SpaceCamera& camera = space->View().camera;
  const QImage start = Shown();
  QTest::keyClick(space->canvas, Qt::Key_Left);
  QTest::keyClick(space->canvas, Qt::Key_Up);
  EXPECT_DOUBLE_EQ(camera.yaw, drawing::kStartYaw + app::SpaceCanvas::kKeyStep);
  EXPECT_DOUBLE_EQ(camera.pitch, drawing::kStartPitch + app::SpaceCanvas::kKeyStep);
  EXPECT_NE(Shown(), start);
  QTest::keyClick(space->canvas, Qt::Key_Home);
  EXPECT_EQ(Shown(), start);

  // Right by 50 pixels and down by 25.
  Drag({200, 200}, {250, 225});
  EXPECT_DOUBLE_EQ(camera.yaw, drawing::kStartYaw - 50 * app::SpaceCanvas::kDragStep);
  EXPECT_DOUBLE_EQ(camera.pitch, drawing::kStartPitch + 25 * app::SpaceCanvas::kDragStep);
  QTest::keyClick(space->canvas, Qt::Key_Plus);
  EXPECT_GT(camera.zoom, 1.0);
  space->resetButton->click();
  EXPECT_EQ(Shown(), start);
}

TEST_F(SpaceViewWindowTest, FoldsByTheSliderAndByAbatirAndSavesThroughTheDialog) {
  space->foldSlider->setValue(30);
  EXPECT_DOUBLE_EQ(space->View().fold, 30.0);
  space->foldButton->click();
  QTRY_COMPARE_WITH_TIMEOUT(space->View().fold, 0.0, 3000);
  EXPECT_EQ(space->foldSlider->value(), 0);
  EXPECT_EQ(space->foldAngle->text(), QStringLiteral("0°"));
  EXPECT_EQ(space->foldButton->text(), QStringLiteral("Levantar"));

  dialogs.saveName = [](app::SaveQuestion& q) {
    q.filter = QStringLiteral("Dibujo SVG (*.svg)");
    return QDir::current().filePath(QStringLiteral("espacio"));
  };
  space->findChild<QPushButton*>(QStringLiteral("GuardarEspacioButton"))->click();
  QFile svg(QDir::current().filePath(QStringLiteral("espacio.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
