// "Ejercicios de planos" in the real window: unticked, TEST draws as if the entry
// did not exist; ticked, a plane exercise shows SelPlano in the place of SelREcta,
// is scored and recorded, and keeps apart from the user's own plane mode.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <random>
#include <vector>

#include "WindowFixture.h"
#include "quiz/DetailedMode.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace {

class PlaneExerciseWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    option = window->findChild<QAction*>("EjerciciosDePlanos");
    planeEntry = window->findChild<QAction*>("PlanoPorTresPuntos");
    ASSERT_TRUE(option && planeEntry);
  }
  void TearDown() override { WindowTest::TearDown(); }
  void Seed(unsigned seed) {
    generator.seed(seed);
    quiz::SetRandomSource([this](std::int32_t n) {
      return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
    });
  }
  // TEST until the exercise waiting is a plane (or not), at most 40 times.
  bool TestUntil(bool plane) {
    for (int k = 0; k < 40; ++k) {
      QTest::mouseClick(window->testButton, Qt::LeftButton);
      if ((window->Quiz().CurrentExercise.figure == scene::Figure::kPlane) == plane) return true;
    }
    return false;
  }
  void Answer(int index) {
    window->planeAnswers->setCurrentIndex(index);
    QTest::mouseClick(window->checkButton, Qt::LeftButton);
  }
  QAction* option = nullptr;
  QAction* planeEntry = nullptr;
  std::mt19937 generator;
};

TEST_F(PlaneExerciseWindowTest, UntickedDrawsAsIfTheEntryWereNotThere) {
  const QList<QAction*> menu = window->contextMenu->actions();
  EXPECT_EQ(menu.indexOf(option), menu.indexOf(planeEntry) + 1);
  EXPECT_FALSE(option->isChecked());
  // The same exercises and answers before the entry is ever ticked and after it is
  // ticked and unticked: the same pictures, and never SelPlano.
  std::vector<QImage> runs[2];
  for (std::vector<QImage>& shots : runs) {
    Seed(99);
    window->abscissaBar->setValue(&shots == runs ? 5 : 6);
    for (int k = 0; k < 6; ++k) {
      QTest::mouseClick(window->testButton, Qt::LeftButton);
      EXPECT_FALSE(window->planeAnswers->isVisible());
      shots.push_back(Surface());
      window->pointAnswers->setCurrentIndex(k);
      window->lineTypeAnswers->setCurrentIndex(k);
      QTest::mouseClick(window->checkButton, Qt::LeftButton);
      shots.push_back(Surface());
    }
    window->findChild<QAction*>("ResetScoreAction")->trigger();
    option->trigger();
    option->trigger();
  }
  EXPECT_TRUE(runs[0] == runs[1]);
  EXPECT_FALSE(window->Quiz().PlaneExercisesOn);
}

TEST_F(PlaneExerciseWindowTest, PlaneExerciseCheckedScoredAndApartFromTheUsersPlane) {
  window->abscissaBar->setValue(5);
  QTest::keyClick(window.get(), Qt::Key_P);  // the user's plane, C selected
  window->PAClick();
  window->PAClick();
  option->trigger();
  Seed(5);
  ASSERT_TRUE(TestUntil(true));
  QComboBox* list = window->planeAnswers;
  EXPECT_TRUE(list->isVisible() && !window->lineTypeAnswers->isVisible() &&
              !window->lineRelationAnswers->isVisible());
  // In SelREcta's place, wider: closed, it shows its longest item whole, and starts
  // with a Spanish prompt.
  EXPECT_EQ(list->geometry().topLeft(), window->lineTypeAnswers->geometry().topLeft());
  EXPECT_LT(list->geometry().right(), window->checkButton->geometry().left());
  EXPECT_EQ(list->currentText(), "Tipo de plano");
  for (int k = 0; k < list->count(); ++k)
    EXPECT_LE(list->lineEdit()->fontMetrics().horizontalAdvance(list->itemText(k)),
              list->lineEdit()->contentsRect().width() - 4)
        << list->itemText(k).toStdString();
  ASSERT_EQ(list->count(), 10);
  EXPECT_EQ(list->itemText(3), "4. PROYECTANTE HORIZONTAL");
  EXPECT_EQ(list->itemText(9), "10. NO DEFINEN UN PLANO");
  // The exercise starts on A, in a plane that "P" cannot take away while it waits.
  EXPECT_EQ(window->endPointButton->text(), "A");
  EXPECT_TRUE(Scene().SelectedA && !Scene().SelectedC && planeEntry->isChecked());
  QTest::keyClick(window.get(), Qt::Key_P);
  EXPECT_TRUE(Scene().IsPlane() && planeEntry->isChecked() && errors.size() == 1);

  Answer(window->Quiz().CurrentExercise.classCode - 1);
  EXPECT_EQ(window->Quiz().TestHits, 1);
  EXPECT_FALSE(list->isVisible());
  ASSERT_TRUE(TestUntil(true));
  Answer(window->Quiz().CurrentExercise.classCode % 10);
  EXPECT_EQ(window->Quiz().TestMisses, 1);
  const auto table = quiz::ResultsTable(window->Quiz());
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[1][1] + table[1][5] + table[2][5], "PlanoCorrectoIncorrecto");

  // Answered, the plane stays to explore; a line exercise leaves it.
  EXPECT_TRUE(Scene().IsPlane() && planeEntry->isChecked());
  ASSERT_TRUE(TestUntil(false));
  EXPECT_FALSE(Scene().IsPlane() || planeEntry->isChecked());
}

TEST_F(PlaneExerciseWindowTest, CheckDrawsThePlanesTracesAtOnceAndNeverTheLineABs) {
  window->abscissaBar->setValue(5);
  option->trigger();
  window->findChild<QAction*>("MostrarTrazas")->trigger();
  Seed(5);
  ASSERT_TRUE(TestUntil(true));
  Answer(0);
  // The same scene drawn afresh, but for what only the check draws: the title, the
  // verdict and the score panel.
  const auto masked = [](QImage image) {
    QPainter p(&image);
    for (const QRect& r :
         {QRect(0, 0, 230, 60), QRect(360, 295, 280, 45), QRect(200, 370, 112, 58)})
      p.fillRect(r, Qt::black);
    return image;
  };
  const QImage checked = masked(Surface());
  window->EditCoordinate([] {});
  EXPECT_TRUE(checked == masked(Surface()));
}

}  // namespace
