// "Plano por tres puntos" in the real window: the entry and its key, the A, B, C
// cycle of the selector, edits that reach C, the dialog, and "recta / punto" and
// TEST leaving plane mode.
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/PlaneCommands.h"
#include "classify/Classification.h"
#include "classify/Planes.h"
#include "scene/Scene.h"

namespace {

// The type of the plane the scene holds.
std::int32_t PlaneCode(const scene::Scene& scene) {
  return classify::PlaneType(scene.PointA, scene.PointB, scene.PointC).code;
}

class PlaneCommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    entry = window->findChild<QAction*>(QStringLiteral("PlanoPorTresPuntos"));
    ASSERT_NE(entry, nullptr);
  }
  void TearDown() override { WindowTest::TearDown(); }
  QString Caption() const { return window->endPointButton->text(); }
  QAction* entry = nullptr;
};

TEST_F(PlaneCommandsTest, CycleEditsAndLeaving) {
  EXPECT_TRUE(window->contextMenu->actions().contains(entry) && entry->isCheckable());
  EXPECT_EQ(entry->text() + " " + entry->shortcut().toString(), "Plano por tres puntos P");
  EXPECT_FALSE(entry->isChecked() || Scene().IsPlane());

  window->abscissaBar->setValue(-7);  // the first picture: a point
  const QImage point = Surface();
  QTest::keyClick(window.get(), Qt::Key_P);
  ASSERT_TRUE(Scene().IsPlane() && entry->isChecked());
  EXPECT_NE(Surface(), point);
  EXPECT_EQ(PlaneCode(Scene()), 8);  // A (-7, 40, 40), B (0, 0, 0), C (-40, 30, 50)

  // The selector cycles A, B, C, and the edits reach the point it names.
  const QString captions[] = {"B", "C", "A", "B", "C"};
  for (const QString& c : captions) {
    window->PAClick();
    EXPECT_EQ(Caption(), c);
  }
  window->abscissaBar->setValue(12);
  EXPECT_EQ(Scene().PointC, (DihedralPoint{12, 30, 50}));
  window->BitBtn1Click();  // cota up by the step
  EXPECT_EQ(Scene().PointC.cota, 50 + Scene().IncrY);

  // The dialog: the intercepts replace all three points.
  dialogs.coordinates = [this](app::CoordinatesInput& io) {
    EXPECT_TRUE(io.plane);
    EXPECT_EQ(io.c, Scene().EditPoint);
    io.intercepts = QStringLiteral("60,inf,50");
    return true;
  };
  window->CoordinatesClick();
  EXPECT_EQ(Scene().PointA, (DihedralPoint{60, 0, 0}));
  EXPECT_EQ(Scene().PointC, (DihedralPoint{60, 50, 0}));
  EXPECT_EQ(Scene().EditPoint, Scene().PointC);
  EXPECT_EQ(PlaneCode(Scene()), 5);  // proyectante vertical
  int asked = 0;  // the dialog comes back after the refusal; the second time it is cancelled
  dialogs.coordinates = [&asked](app::CoordinatesInput& io) {
    io.intercepts = QStringLiteral("0,1,1");
    return ++asked == 1;
  };
  window->CoordinatesClick();  // refused, nothing lost
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(errors.size(), 1);
  EXPECT_EQ(Scene().PointA, (DihedralPoint{60, 0, 0}));

  // "recta / punto" goes back to line mode with A selected; C keeps its value.
  window->BitBtn8Click();
  EXPECT_FALSE(Scene().IsPlane() || entry->isChecked() || Scene().IsPoint());
  EXPECT_EQ(Caption(), "A");
  EXPECT_EQ(Scene().EditPoint, Scene().PointA);
  EXPECT_EQ(Scene().PointC, (DihedralPoint{60, 50, 0}));
  window->PAClick();  // the line's A/B switch again
  EXPECT_EQ(Caption(), "B");

  // TEST leaves plane mode too, and the entry is refused while the exercise waits.
  entry->trigger();
  ASSERT_TRUE(Scene().IsPlane());
  window->BtestClick();
  EXPECT_FALSE(Scene().IsPlane() || entry->isChecked());
  entry->trigger();
  EXPECT_FALSE(Scene().IsPlane() || entry->isChecked());
  EXPECT_EQ(errors.size(), 2);
}

TEST_F(PlaneCommandsTest, KeyOnTheSplashDrawsThePlane) {
  QTest::keyClick(window.get(), Qt::Key_P);
  ASSERT_TRUE(Scene().IsPlane());
  EXPECT_TRUE(window->splashText->isHidden());
  EXPECT_TRUE(window->drawingArea->ShowsSurface());
  EXPECT_EQ(PlaneCode(Scene()), 8);  // A (0, 40, 40), B (0, 0, 0), C (-40, 30, 50)
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
