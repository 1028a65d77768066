// "Mostrar trazas" in the real window: the entry, the redraw it causes, and the
// pictures it must leave alone (splash, point mode, a waiting exercise, a verdict).
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <deque>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "drawing/Frame.h"
#include "drawing/TraceDrawing.h"
#include "scene/Scene.h"
#include "test/TestMode.h"

namespace {

// Colour 4 of the test palette: the rings of the traces.
constexpr delgraph::ColorValue kRingColour = Rgb(40, 41, 42);

class TraceCommandTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  void TearDown() override {
    drawing::ResetTraces();
    WindowTest::TearDown();
  }
  QAction* Entry() const { return window->findChild<QAction*>(QStringLiteral("MostrarTrazas")); }
};

TEST_F(TraceCommandTest, EntryInTheContextMenuOffAtStart) {
  QAction* entry = Entry();
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(window->ContextMenu->actions().contains(entry));
  EXPECT_EQ(entry->text(), QStringLiteral("Mostrar trazas"));
  EXPECT_TRUE(entry->isCheckable());
  EXPECT_FALSE(entry->isChecked());
  EXPECT_EQ(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
  EXPECT_FALSE(drawing::TracesOn);
}

TEST_F(TraceCommandTest, SplashAndPointModeKeepTheirPicture) {
  Entry()->trigger();
  EXPECT_TRUE(drawing::TracesOn);
  EXPECT_FALSE(window->Memo2->isHidden());
  EXPECT_FALSE(window->PaintBox1->ShowsSurface());

  window->ScrollBar1->setValue(-7);  // the point scene
  const QImage point = Surface();
  const auto frames = drawing::FramesDrawn;
  Entry()->trigger();
  EXPECT_FALSE(drawing::TracesOn);
  EXPECT_EQ(drawing::FramesDrawn, frames);
  EXPECT_EQ(Surface(), point);
}

TEST_F(TraceCommandTest, ALineIsRedrawnAtOnceWithAndWithoutItsTraces) {
  // A = (0, 40, 40), B = (30, 20, 30): H = (120, -40, 0) beyond B, so h = (886, 153).
  scene::PointMode = false;
  scene::PointB = {30, 20, 30};
  scene::EditPoint = {0, 40, 40};
  window->ScrollBar1Change();
  const QImage plain = Surface();
  ASSERT_NE(SurfacePixel(886, 150), kRingColour);

  Entry()->trigger();
  EXPECT_EQ(SurfacePixel(886, 150), kRingColour);  // top of the ring at h
  Entry()->trigger();
  EXPECT_EQ(Surface(), plain);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(TraceCommandTest, ExerciseKeepsItsAnswerHiddenAndItsScore) {
  std::deque<int> draws = {0, 1,  1,  1,  0,  1,
                           0, 30, 50, 60, 21, 40};  // A (30, 50, 60), B (-30, 50, -21)
  quiz::SetRandomSource([&draws](std::int32_t) {
    const int v = draws.empty() ? 0 : draws.front();
    if (!draws.empty()) draws.pop_front();
    return v;
  });
  QTest::mouseClick(window->Btest, Qt::LeftButton);
  const QImage waiting = Surface();
  Entry()->trigger();
  EXPECT_TRUE(drawing::TracesOn);
  EXPECT_EQ(Surface(), waiting);

  // The check reveals the answer, and the trace H = (-14.4, 50, 0) with it: its
  // ring at h = (752, 243).
  window->SelREcta->setCurrentIndex(1);
  window->DefREcta->setCurrentIndex(0);
  QTest::mouseClick(window->comprobarTest, Qt::LeftButton);
  EXPECT_EQ(SurfacePixel(752, 240), kRingColour);

  // Off and on again: the verdict and the score panel stay on the picture.
  const QImage checked = Surface();
  Entry()->trigger();
  EXPECT_EQ(Surface(), checked);
  Entry()->trigger();
  EXPECT_EQ(Surface(), checked);
  // The next edit draws the picture afresh, traces and all.
  window->ScrollBar1->setValue(31);
  EXPECT_NE(Surface(), checked);
  EXPECT_EQ(SurfacePixel(752, 240), kRingColour);
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
