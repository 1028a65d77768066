// "Partes vistas y ocultas" in the real window: the entry and its key, the redraw
// it causes, the picture it leaves alone while an exercise waits, and the exported
// picture following the window's choice.
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/ExportCommands.h"
#include "drawing/SeenAndHidden.h"
#include "quiz/TestMode.h"
#include "render/Render.h"

namespace {

class VisibilityCommandTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    entry = window->findChild<QAction*>(QStringLiteral("PartesVistasOcultas"));
    ASSERT_NE(entry, nullptr);
  }
  void TearDown() override {
    Scene().VisibilityOn = false;
    WindowTest::TearDown();
  }
  QAction* entry = nullptr;
};

TEST_F(VisibilityCommandTest, EntryWithAKeyOfItsOwnRedrawsALine) {
  EXPECT_TRUE(window->contextMenu->actions().contains(entry) && entry->isCheckable());
  EXPECT_EQ(entry->text() + " " + entry->shortcut().toString(),
            "Partes vistas y ocultas Ctrl+Shift+V");
  EXPECT_FALSE(entry->isChecked() || Scene().VisibilityOn);
  for (const QAction* other : window->actions()) {
    if (other != entry) {
      EXPECT_NE(other->shortcut(), entry->shortcut());
    }
  }

  // The line A = (-60, -20, -70), B = (60, 100, 50): dashed up to H, solid after.
  window->abscissaBar->setValue(-60);
  Scene().figure = scene::Figure::kLine;
  Scene().PointB = {60, 100, 50};
  Scene().EditPoint = {-60, -20, -70};
  window->ScrollBar1Change();
  const QImage solid = Surface();
  entry->trigger();
  const QImage split = Surface();
  EXPECT_NE(split, solid);
  // The window's pictures leaving it follow the choice.
  const render::SceneSpec picture = app::CurrentScene(Scene());
  EXPECT_TRUE(picture.visibility);
  entry->trigger();
  EXPECT_EQ(Surface(), solid);
  EXPECT_FALSE(app::CurrentScene(Scene()).visibility);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(VisibilityCommandTest, NothingOfItWhileAnExerciseWaits) {
  ScriptDraws({0, 1, 1, 1, 0, 1, 0, 30, 50, 60, 21, 40});
  QTest::mouseClick(window->testButton, Qt::LeftButton);
  const QImage waiting = Surface();
  entry->trigger();
  EXPECT_EQ(Surface(), waiting);
  window->ScrollBar1Change();  // an edit while it waits draws the plain line
  const QImage edited = Surface();
  entry->trigger();
  window->ScrollBar1Change();
  EXPECT_EQ(Surface(), edited);
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
