// "Punto y plano", "Recta y plano" and "Dos planos" in the real window: one figure
// entry at a time, the selector's cycle through every point, edits and the dialog
// that reach the points past C, where the new points start, leaving for the line,
// "Mostrar construcción", and the help window that lists the new keys.
#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <vector>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "classify/IncidenceNames.h"
#include "scene/Scene.h"

namespace {

class FigureEntriesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    for (const char* name : {"PlanoPorTresPuntos", "PuntoYPlano", "RectaYPlano", "DosPlanos"}) {
      entries.push_back(window->findChild<QAction*>(QString::fromLatin1(name)));
      ASSERT_NE(entries.back(), nullptr) << name;
    }
  }
  QString Caption() const { return window->endPointButton->text(); }
  // The names of the checked figure entries, run together.
  QString Checked() const {
    QString names;
    for (const QAction* entry : entries)
      if (entry->isChecked()) names += entry->objectName();
    return names;
  }
  // The captions of one full turn of the selector, from the point after the edited one.
  QString Cycle(int count) {
    QString captions;
    for (int k = 0; k < count; ++k) {
      window->PAClick();
      captions += Caption();
    }
    return captions;
  }
  // P's relation to ABC, as the panel names it.
  std::int32_t PRelation() const {
    const scene::Scene& s = Scene();
    return classify::PointPlaneRelation(s.PointA, s.PointB, s.PointC, s.PointD).code;
  }
  std::vector<QAction*> entries;
};

TEST_F(FigureEntriesTest, EntriesCyclesEditsDialogAndLeaving) {
  window->abscissaBar->setValue(-7);  // the first picture: a point
  window->BitBtn8Click();             // the line, A edited
  QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
  ASSERT_EQ(Scene().figure, scene::Figure::kPointPlane);
  EXPECT_EQ(Checked(), "PuntoYPlano");
  EXPECT_EQ(PRelation(), classify::kBelongsCode);
  EXPECT_EQ(Cycle(4), "BCPA");
  EXPECT_EQ(Cycle(3), "BCP");
  window->abscissaBar->setValue(12);  // P is kept where D is
  EXPECT_EQ(Scene().PointD.abscissa, 12);

  // The dialog shows P in its row and sets it.
  dialogs.coordinates = [this](app::CoordinatesInput& io) {
    EXPECT_EQ(io.moreNames, "P");
    EXPECT_EQ(io.more[0], Scene().PointD);
    io.more[0] = {5, 6, 7};
    return true;
  };
  window->CoordinatesClick();
  EXPECT_EQ(Scene().PointD, (DihedralPoint{5, 6, 7}));
  EXPECT_EQ(PRelation(), classify::kOutsideCode);

  // From A of the plane, the line DE starts across it.
  window->PAClick();
  ASSERT_EQ(Caption(), "A");
  QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
  ASSERT_EQ(Scene().figure, scene::Figure::kLinePlane);
  EXPECT_EQ(Checked(), "RectaYPlano");
  EXPECT_EQ(classify::LinePlaneRelation(Scene().PointA, Scene().PointB, Scene().PointC,
                                        Scene().PointD, Scene().PointE)
                .code,
            classify::kSecantCode);
  EXPECT_EQ(Cycle(5), "BCDEA");

  QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
  ASSERT_EQ(Scene().figure, scene::Figure::kTwoPlanes);
  EXPECT_EQ(Checked(), "DosPlanos");
  EXPECT_EQ(Cycle(6), "BCDEFA");
  dialogs.coordinates = [](app::CoordinatesInput& io) {
    EXPECT_EQ(io.moreNames, "DEF");
    io.more = {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}};
    return true;
  };
  window->CoordinatesClick();
  EXPECT_EQ(Scene().PointE, (DihedralPoint{4, 5, 6}));
  EXPECT_EQ(Scene().PointF, (DihedralPoint{7, 8, 9}));

  // The plane's entry takes over, and the line's comes back with E edited; "recta /
  // punto" leaves it for the line with A selected.
  entries[0]->trigger();
  EXPECT_EQ(Checked(), "PlanoPorTresPuntos");
  entries[2]->trigger();
  EXPECT_EQ(Checked(), "RectaYPlano");
  EXPECT_EQ(Cycle(5), "BCDEA");
  EXPECT_EQ(Cycle(4), "BCDE");
  window->BitBtn8Click();
  EXPECT_EQ(Scene().figure, scene::Figure::kLine);
  EXPECT_EQ(Checked(), "");
  EXPECT_EQ(Caption(), "A");
  EXPECT_EQ(Scene().EditPoint, Scene().PointA);
  EXPECT_TRUE(errors.isEmpty());
}

// On the splash A is shown but not stored yet: P is placed from the A shown.
TEST_F(FigureEntriesTest, OnTheSplashPStartsInThePlaneShown) {
  QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
  ASSERT_EQ(Scene().figure, scene::Figure::kPointPlane);
  EXPECT_NE(Scene().PointD, Scene().PointB);  // near the centre, not on B at the origin
  EXPECT_EQ(PRelation(), classify::kBelongsCode);
}

TEST_F(FigureEntriesTest, ConstructionDrawsOnlyWithAPlaneAndHelpListsTheKeys) {
  window->abscissaBar->setValue(-7);
  window->BitBtn8Click();
  const QImage line = Surface();
  QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(Scene().ConstructionOn);
  window->abscissaBar->setValue(-6);
  window->abscissaBar->setValue(-7);
  EXPECT_EQ(Surface(), line);

  QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
  const QImage with = Surface();
  QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_FALSE(Scene().ConstructionOn);
  const QImage without = Surface();
  EXPECT_NE(with, without);
  QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Surface(), with);

  QTest::keyClick(window.get(), Qt::Key_F1);
  ASSERT_NE(window->HelpWindow(), nullptr);
  const QString text = window->HelpWindow()->findChild<QTextBrowser*>()->toPlainText();
  for (const char* expected :
       {"Punto y plano", "Ctrl+1", "Recta y plano", "Ctrl+2", "Dos planos", "Ctrl+3",
        "Mostrar construcción", "Ctrl+Shift+C", "Rectas notables del plano", "Ctrl+Shift+N"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

}  // namespace
