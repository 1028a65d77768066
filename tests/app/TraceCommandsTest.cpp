// "Mostrar trazas" in the real window: the entry, the redraw it causes, and the
// pictures it must leave alone (splash, point mode, a waiting exercise, a verdict).
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "drawing/TraceDrawing.h"
#include "quiz/TestMode.h"

namespace {

constexpr delgraph::ColorValue kRing = Rgb(40, 41, 42);  // colour 4 of the test palette

class TraceCommandTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    entry = window->findChild<QAction*>(QStringLiteral("MostrarTrazas"));
    ASSERT_NE(entry, nullptr);
  }
  void TearDown() override {
    Scene().TracesOn = false;
    WindowTest::TearDown();
  }
  QAction* entry = nullptr;
};

TEST_F(TraceCommandTest, EntryRedrawsALineButLeavesTheSplashAndAPoint) {
  EXPECT_TRUE(window->contextMenu->actions().contains(entry) && entry->isCheckable());
  EXPECT_EQ(entry->text() + " " + entry->shortcut().toString(), "Mostrar trazas Ctrl+T");
  EXPECT_FALSE(entry->isChecked() || Scene().TracesOn);

  entry->trigger();  // on the splash: nothing drawn yet
  EXPECT_TRUE(Scene().TracesOn && !window->splashText->isHidden());
  EXPECT_FALSE(window->drawingArea->ShowsSurface());
  window->abscissaBar->setValue(-7);  // the point scene
  const QImage point = Surface();
  entry->trigger();
  EXPECT_EQ(Surface(), point);

  // A = (-7, 40, 40), B = (30, 20, 30): H = (141, -40, 0), its ring at h = (907, 153).
  Scene().figure = scene::Figure::kLine;
  Scene().PointB = {30, 20, 30};
  Scene().EditPoint = {-7, 40, 40};
  window->ScrollBar1Change();
  const QImage line = Surface();
  ASSERT_NE(SurfacePixel(907, 150), kRing);
  entry->trigger();
  EXPECT_EQ(SurfacePixel(907, 150), kRing);
  entry->trigger();
  EXPECT_EQ(Surface(), line);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(TraceCommandTest, ExerciseKeepsItsAnswerHiddenAndItsScore) {
  // A FRONTAL exercise: A = (30, 50, 60), B = (-30, 50, -21), H = (-14.4, 50, 0).
  ScriptDraws({0, 1, 1, 1, 0, 1, 0, 30, 50, 60, 21, 40});
  QTest::mouseClick(window->testButton, Qt::LeftButton);
  const QImage waiting = Surface();
  entry->trigger();
  EXPECT_EQ(Surface(), waiting);

  // The check reveals the trace with the answer: its ring at h = (752, 243).
  QTest::mouseClick(window->checkButton, Qt::LeftButton);
  EXPECT_EQ(SurfacePixel(752, 240), kRing);
  const QImage checked = Surface();
  entry->trigger();  // off, then on: the verdict and the score panel stay
  entry->trigger();
  EXPECT_EQ(Surface(), checked);
  window->abscissaBar->setValue(31);  // the next edit draws afresh, traces and all
  EXPECT_NE(Surface(), checked);
  EXPECT_EQ(SurfacePixel(752, 240), kRing);
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
