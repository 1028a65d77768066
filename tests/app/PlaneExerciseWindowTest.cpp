// "Ejercicios de planos" in the real window: unticked, TEST draws as if the entry
// did not exist; ticked, plane exercises come with SelPlano in the place of
// SelREcta, are checked and scored, and leave the plane mode consistent.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <random>
#include <vector>

#include "WindowFixture.h"
#include "classify/Classification.h"
#include "quiz/DetailedMode.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "quiz/TestMode.h"
#include "scene/PlaneScene.h"

namespace {

class PlaneExerciseWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    option = window->findChild<QAction*>(QStringLiteral("EjerciciosDePlanos"));
    planeEntry = window->findChild<QAction*>(QStringLiteral("PlanoPorTresPuntos"));
    ASSERT_TRUE(option != nullptr && planeEntry != nullptr);
  }
  void TearDown() override {
    scene::ResetPlaneScene();
    WindowTest::TearDown();
  }
  void Seed(unsigned seed) {
    generator.seed(seed);
    quiz::SetRandomSource([this](std::int32_t n) {
      return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
    });
  }
  // TEST until a plane exercise waits (true) or 40 presses gave none.
  bool TestUntilPlane(bool plane = true) {
    for (int k = 0; k < 40; ++k) {
      QTest::mouseClick(window->Btest, Qt::LeftButton);
      if (quiz::CurrentExercise.planeMode == plane) return true;
    }
    return false;
  }
  // The pictures and the lists shown along TEST, an answer and "comprobar", six times.
  std::vector<QImage> Sequence() {
    Seed(99);
    window->ScrollBar1->setValue(window->ScrollBar1->value() == 5 ? 6 : 5);
    std::vector<QImage> shots;
    for (int k = 0; k < 6; ++k) {
      QTest::mouseClick(window->Btest, Qt::LeftButton);
      EXPECT_FALSE(window->SelPlano->isVisible());
      shots.push_back(Surface());
      window->SelPunto->setCurrentIndex(k % 9);
      window->SelREcta->setCurrentIndex(k % 10);
      window->DefREcta->setCurrentIndex(k % 11);
      QTest::mouseClick(window->comprobarTest, Qt::LeftButton);
      shots.push_back(Surface());
    }
    window->findChild<QAction*>(QStringLiteral("ResetScoreAction"))->trigger();
    return shots;
  }

  QAction* option = nullptr;
  QAction* planeEntry = nullptr;
  std::mt19937 generator;
};

TEST_F(PlaneExerciseWindowTest, UntickedDrawsAsIfTheEntryWereNotThere) {
  const QList<QAction*> menu = window->ContextMenu->actions();
  ASSERT_TRUE(menu.contains(option) && option->isCheckable());
  EXPECT_EQ(menu.indexOf(option), menu.indexOf(planeEntry) + 1);
  EXPECT_FALSE(option->isChecked() || quiz::PlaneExercisesOn);
  EXPECT_TRUE(option->shortcut().isEmpty());

  const std::vector<QImage> never = Sequence();
  option->trigger();
  EXPECT_TRUE(quiz::PlaneExercisesOn);
  option->trigger();
  EXPECT_FALSE(quiz::PlaneExercisesOn);
  const std::vector<QImage> unticked = Sequence();
  ASSERT_EQ(never.size(), unticked.size());
  for (std::size_t k = 0; k < never.size(); ++k) EXPECT_EQ(never[k], unticked[k]) << k;
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PlaneExerciseWindowTest, PlaneExerciseInThePlaceOfSelREctaCheckedAndScored) {
  option->trigger();
  Seed(5);
  ASSERT_TRUE(TestUntilPlane());
  QComboBox* list = window->SelPlano;
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->geometry(), window->SelREcta->geometry());
  EXPECT_FALSE(window->SelREcta->isVisible() || window->DefREcta->isVisible() ||
               window->SelPunto->isVisible());
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  EXPECT_EQ(items,
            QStringList({"1. HORIZONTAL", "2. FRONTAL", "3. DE PERFIL", "4. PROYECTANTE HORIZONTAL",
                         "5. PROYECTANTE VERTICAL", "6. PARALELO A L.T.", "7. QUE PASA POR L.T.",
                         "8. OBLICUO", "9. ES EL PLANO H O V", "10. NO DEFINEN UN PLANO"}));
  EXPECT_TRUE(scene::PlaneMode && planeEntry->isChecked());
  // Tab goes from TEST to the list, then to "comprobar".
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->Btest->setFocus();
  QTest::keyClick(window->Btest, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), list);
  QTest::keyClick(list, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window->comprobarTest);
  // "P" cannot take the plane away while it waits.
  QTest::keyClick(window.get(), Qt::Key_P);
  EXPECT_TRUE(scene::PlaneMode && planeEntry->isChecked());
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains("no se puede salir del plano"));

  const QImage waiting = Surface();
  list->setCurrentIndex(quiz::CurrentExercise.classCode - 1);
  QTest::mouseClick(window->comprobarTest, Qt::LeftButton);
  EXPECT_EQ(scene::TestHits, 1);
  EXPECT_FALSE(list->isVisible());
  EXPECT_NE(Surface(), waiting);

  ASSERT_TRUE(TestUntilPlane());
  list->setCurrentIndex(quiz::CurrentExercise.classCode % 10);
  QTest::mouseClick(window->comprobarTest, Qt::LeftButton);
  EXPECT_EQ(scene::TestMisses, 1);
  const auto table = quiz::ResultsTable();
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[1][1], "Plano");
  EXPECT_EQ(table[1][5], "Correcto");
  EXPECT_EQ(table[2][5], "Incorrecto");
}

TEST_F(PlaneExerciseWindowTest, TheUsersPlaneModeAndAPlaneExerciseKeepApart) {
  window->ScrollBar1->setValue(5);
  QTest::keyClick(window.get(), Qt::Key_P);  // the user's plane, C selected and moved
  window->PAClick();
  window->PAClick();
  ASSERT_TRUE(scene::SelectedC);
  window->ScrollBar1->setValue(-33);
  ASSERT_EQ(scene::PointC.abscissa, -33);

  option->trigger();
  Seed(3);
  ASSERT_TRUE(TestUntilPlane());
  // The exercise starts on A, and its plane is the one drawn and judged.
  EXPECT_EQ(window->PA->text(), "A");
  EXPECT_TRUE(scene::SelectedA && !scene::SelectedC);
  EXPECT_EQ(scene::PointC, quiz::CurrentExercise.C);
  EXPECT_EQ(scene::PointA, quiz::CurrentExercise.A);
  QTest::mouseClick(window->comprobarTest, Qt::LeftButton);
  // Answered, the plane is the scene to explore, as a line exercise's line is.
  EXPECT_TRUE(scene::PlaneMode && planeEntry->isChecked());
  window->PAClick();
  window->PAClick();
  EXPECT_EQ(window->PA->text(), "C");

  ASSERT_TRUE(TestUntilPlane(false));
  EXPECT_FALSE(scene::PlaneMode || planeEntry->isChecked());
  EXPECT_EQ(window->PA->text(), "A");
  EXPECT_TRUE(window->SelREcta->isVisible() || window->SelPunto->isVisible());
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
