// Test mode through the real window: "TEST" trades the editing buttons for
// "comprobar" and the answer lists, "comprobar" judges and gives them back.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <vector>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "classify/Classification.h"
#include "quiz/DetailedMode.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace {

class QuizWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }

  // The next exercise: point or line mode, signs, then A's three draws and B's
  // cota and alejamiento draws.
  void Script(std::vector<int> draws) {
    draws_.assign(draws.begin(), draws.end());
    quiz::SetRandomSource([this](std::int32_t) {
      if (draws_.empty()) return 0;
      const int v = draws_.front();
      draws_.pop_front();
      return v;
    });
  }

  std::vector<QWidget*> EditingControls() const {
    return {window->cotaUpButton,
            window->cotaDownButton,
            window->abscissaDownButton,
            window->abscissaUpButton,
            window->alejamientoDownButton,
            window->alejamientoUpButton,
            window->profileButton,
            window->pointOrLineButton,
            window->endPointButton,
            window->stepCaption,
            window->stepEdit};
  }
  void ExpectEditingControls(bool visible) const {
    for (QWidget* w : EditingControls())
      EXPECT_EQ(w->isVisible(), visible) << w->objectName().toStdString();
  }
  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

 private:
  std::deque<int> draws_;
};

TEST_F(QuizWindowTest, PointExerciseShowsItsListAndComprobarGivesTheButtonsBack) {
  Script({1, 1, 1, 1, 1, 1, 1, 25, 30, 40, 11, 11});  // A = (25, 30, 40)
  Click(window->testButton);

  EXPECT_EQ(Scene().PointA, (DihedralPoint{25, 30, 40}));
  ExpectEditingControls(false);
  EXPECT_TRUE(window->checkButton->isVisible());
  EXPECT_TRUE(window->pointAnswers->isVisible());
  EXPECT_FALSE(window->lineTypeAnswers->isVisible());
  EXPECT_FALSE(window->lineRelationAnswers->isVisible());
  EXPECT_TRUE(window->abscissaBar->isVisible());
  EXPECT_TRUE(Scene().AnswerHidden);

  window->pointAnswers->setCurrentIndex(0);  // "1.PRIMER CUADRANTE"
  Click(window->checkButton);

  EXPECT_EQ(window->Quiz().TestHits, 1);
  EXPECT_EQ(window->Quiz().TestMisses, 0);
  ExpectEditingControls(true);
  EXPECT_FALSE(window->checkButton->isVisible());
  EXPECT_FALSE(window->pointAnswers->isVisible());
  EXPECT_TRUE(window->testButton->isVisible());
  EXPECT_EQ(window->answerCodeLabel->text(), "1");
  // The hits bar: two pixels for the one hit, in colour 12 of the loaded palette.
  EXPECT_EQ(SurfacePixel(211, 391), Rgb(120, 121, 122));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(QuizWindowTest, LineExerciseShowsBothListsAndAWrongAnswerIsAMiss) {
  Script({0, 1, 1, 1, 0, 1, 0, 30, 50, 60, 21, 40});  // FRONTAL
  Click(window->testButton);
  EXPECT_FALSE(Scene().IsPoint());
  EXPECT_FALSE(window->pointAnswers->isVisible());
  EXPECT_TRUE(window->lineTypeAnswers->isVisible());
  EXPECT_TRUE(window->lineRelationAnswers->isVisible());

  window->lineTypeAnswers->setCurrentIndex(1);      // FRONTAL
  window->lineRelationAnswers->setCurrentIndex(2);  // the horizontal line's relation
  Click(window->checkButton);
  EXPECT_EQ(window->Quiz().TestHits, 0);
  EXPECT_EQ(window->Quiz().TestMisses, 1);
  ExpectEditingControls(true);
  EXPECT_FALSE(window->lineTypeAnswers->isVisible());
  EXPECT_FALSE(window->lineRelationAnswers->isVisible());
}

TEST_F(QuizWindowTest, ExerciseStartsOnAWhateverTheABButtonShowed) {
  window->abscissaBar->setValue(-7);  // an edit first: the point scene is drawn
  Click(window->endPointButton);      // point mode: caption "B", A still edited
  ASSERT_EQ(window->endPointButton->text(), "B");

  Script({1, 1, 1, 1, 1, 1, 1, 25, 30, 40, 13, 15});
  Click(window->testButton);
  EXPECT_EQ(window->endPointButton->text(), "A");
  EXPECT_TRUE(Scene().SelectedA);
  EXPECT_EQ(Scene().PointA, (DihedralPoint{25, 30, 40}));
  EXPECT_EQ(Scene().EditPoint, Scene().PointA);
  EXPECT_EQ(window->Quiz().CurrentExercise.classCode, 1);

  // The scroll bars still edit during the wait, and they move A.
  window->cotaBar->setValue(-60);
  EXPECT_EQ(Scene().PointA, (DihedralPoint{25, 30, -60}));
  EXPECT_EQ(Scene().PointB, (DihedralPoint{25, 15, 13}));
  EXPECT_EQ(window->Quiz().CurrentExercise.classCode, 1);
}

}  // namespace
