// The editing handlers driven through the real controls: what they do to the
// scene, the controls and the picture.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <limits>
#include <vector>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "classify/Classification.h"
#include "quiz/DetailedMode.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

int CountPixels(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

}  // namespace

class HandlerTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  void SetStep(const QString& text) { window->stepEdit->lineEdit()->setText(text); }
  void Press(QToolButton* button, int times = 1) {
    for (int i = 0; i < times; ++i) button->click();
  }
};

TEST_F(HandlerTest, FirstEditHidesSplashAndStoresIntoA) {
  window->abscissaBar->setValue(-7);
  EXPECT_FALSE(window->splashText->isVisible());
  EXPECT_EQ(Scene().PointA, (DihedralPoint{-7, 40, 40}));
  EXPECT_EQ(Scene().PointB, DihedralPoint{});
  EXPECT_TRUE(window->drawingArea->ShowsSurface());
  // Cleared in the start-up colour 0, and the paint box shows that very picture.
  EXPECT_EQ(SurfacePixel(1020, 470), Rgb(250, 250, 255));
  EXPECT_EQ(ShownPixel(1020, 470), qRgb(250, 250, 255));
  EXPECT_EQ(window->editAbscissaLabel->text(), "la: -7");
  EXPECT_EQ(window->stepXLabel->text(), "incrx: 5");

  window->alejamientoBar->setValue(-20);
  window->cotaBar->setValue(130);
  EXPECT_EQ(Scene().PointA, (DihedralPoint{-7, -20, 130}));
  // The scroll bars keep the position the user gave; the scene does not move them.
  EXPECT_EQ(window->abscissaBar->value(), -7);
}

TEST_F(HandlerTest, ArrowsStopAtTheirBoundsAndBringBackValuesBeyond) {
  window->abscissaBar->setValue(88);
  Press(window->abscissaUpButton);
  EXPECT_EQ(Scene().EditPoint.abscissa, 90);
  Press(window->abscissaUpButton, 3);
  EXPECT_EQ(Scene().EditPoint.abscissa, 90);
  window->abscissaBar->setValue(100);
  Press(window->abscissaUpButton);
  EXPECT_EQ(Scene().EditPoint.abscissa, 90);
  window->abscissaBar->setValue(-100);
  Press(window->abscissaDownButton);
  EXPECT_EQ(Scene().EditPoint.abscissa, -90);

  Press(window->alejamientoUpButton, 20);
  EXPECT_EQ(Scene().EditPoint.alejamiento, 110);
  Press(window->alejamientoDownButton, 50);
  EXPECT_EQ(Scene().EditPoint.alejamiento, -110);
  Press(window->cotaUpButton, 30);
  EXPECT_EQ(Scene().EditPoint.cota, 140);
  Press(window->cotaDownButton);
  EXPECT_EQ(Scene().EditPoint.cota, 135);
  EXPECT_EQ(Scene().PointA, Scene().EditPoint);
}

TEST_F(HandlerTest, StepZeroOnlyBringsBackValuesBeyondTheBound) {
  SetStep("0");
  Press(window->abscissaUpButton);
  EXPECT_EQ(Scene().EditPoint.abscissa, 0);
  EXPECT_FALSE(window->splashText->isVisible());  // the redraw still happens
  window->abscissaBar->setValue(105);
  Press(window->abscissaUpButton);
  EXPECT_EQ(Scene().EditPoint.abscissa, 90);
}

TEST_F(HandlerTest, NegativeStepTurnsTheArrowsAroundPastTheOtherBound) {
  SetStep("-5");
  Press(window->cotaUpButton);
  EXPECT_EQ(Scene().EditPoint.cota, 35);
  window->cotaBar->setValue(-140);
  Press(window->cotaUpButton);
  EXPECT_EQ(Scene().EditPoint.cota, -145);
  Press(window->cotaDownButton);  // the lower bound's own button brings it back
  EXPECT_EQ(Scene().EditPoint.cota, -140);
  Press(window->cotaDownButton, 3);  // and, standing on it, does not move
  EXPECT_EQ(Scene().EditPoint.cota, -140);
  window->cotaBar->setValue(0);
  Press(window->cotaDownButton, 40);
  EXPECT_EQ(Scene().EditPoint.cota, 200);
}

TEST_F(HandlerTest, ExtremeStepsSaturateInsteadOfOverflowing) {
  SetStep("2147483647");
  EXPECT_EQ(Scene().IncrX, kMax);
  Press(window->abscissaUpButton, 5);
  EXPECT_EQ(Scene().EditPoint.abscissa, 90);
  Press(window->abscissaDownButton, 5);
  EXPECT_EQ(Scene().EditPoint.abscissa, -90);

  SetStep("-2147483648");
  EXPECT_EQ(Scene().IncrY, kMin);
  window->stepEdit->interpretText();  // the box keeps showing what the step is
  EXPECT_EQ(window->stepEdit->lineEdit()->text(), "-2147483648");
  EXPECT_EQ(Scene().IncrX, kMin);
  Press(window->cotaUpButton);  // 40 + min
  EXPECT_EQ(Scene().EditPoint.cota, 40 + kMin);
  Press(window->cotaUpButton, 6);
  EXPECT_EQ(Scene().EditPoint.cota, kMin);
  Press(window->cotaDownButton);  // below its own bound: back to it
  EXPECT_EQ(Scene().EditPoint.cota, -140);
  window->cotaBar->setValue(1);
  Press(window->cotaDownButton);  // 1 - min
  EXPECT_EQ(Scene().EditPoint.cota, kMax);
  Press(window->cotaDownButton, 6);
  EXPECT_EQ(Scene().EditPoint.cota, kMax);
  EXPECT_EQ(Scene().PointA.cota, kMax);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(HandlerTest, StepTextThatIsNoNumberCountsAsZero) {
  window->abscissaBar->setValue(10);
  const std::vector<const char*> texts = {"", "abc", "-", "4x", "99999999999"};
  for (const char* text : texts) {
    SetStep("7");
    ASSERT_EQ(Scene().IncrX, 7);
    SetStep(text);
    EXPECT_EQ(Scene().IncrX, 0) << text;
    EXPECT_EQ(Scene().IncrY, 0) << text;
  }
  Press(window->abscissaUpButton);
  EXPECT_EQ(Scene().EditPoint.abscissa, 10);
  SetStep(" 12 ");
  EXPECT_EQ(Scene().IncrY, 12);
  // Changing the step draws nothing and leaves the point alone.
  EXPECT_EQ(Scene().EditPoint.abscissa, 10);
}

TEST_F(HandlerTest, StepFollowsArrowsCodeAndTheEndOfEditing) {
  window->stepEdit->stepUp();
  EXPECT_EQ(Scene().IncrX, 6);
  window->stepEdit->setValue(-3);
  EXPECT_EQ(Scene().IncrY, -3);
  // An unfinished text counts as 0 and, once editing ends, reads 0 too.
  SetStep("");
  EXPECT_EQ(Scene().IncrX, 0);
  window->stepEdit->interpretText();
  EXPECT_EQ(window->stepEdit->lineEdit()->text(), "0");
  EXPECT_EQ(Scene().IncrX, 0);
  SetStep("-");
  window->testButton->click();  // hiding the box ends the editing
  EXPECT_EQ(window->stepEdit->TextValue(), Scene().IncrX);
  EXPECT_EQ(Scene().IncrX, 0);
}

TEST_F(HandlerTest, StepChangeAloneKeepsTheSplash) {
  SetStep("9");
  EXPECT_TRUE(window->splashText->isVisible());
  EXPECT_FALSE(window->drawingArea->ShowsSurface());
}

TEST_F(HandlerTest, PAInPointModeMovesAToB) {
  window->abscissaBar->setValue(10);
  ASSERT_EQ(Scene().PointA, (DihedralPoint{10, 40, 40}));
  window->endPointButton->click();
  EXPECT_EQ(window->endPointButton->text(), "B");
  EXPECT_EQ(window->endPointButton->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
  EXPECT_EQ(Scene().PointA, DihedralPoint{});  // took B's place
  EXPECT_EQ(Scene().PointB, DihedralPoint{});
  EXPECT_TRUE(Scene().SelectedA);
  window->endPointButton->click();
  EXPECT_EQ(window->endPointButton->text(), "A");
  EXPECT_EQ(Scene().PointA, DihedralPoint{});
}

TEST_F(HandlerTest, PAInLineModeSwitchesTheEditedEnd) {
  window->pointOrLineButton->click();
  ASSERT_FALSE(Scene().IsPoint());
  window->abscissaBar->setValue(20);  // A
  window->endPointButton->click();    // now B, loaded from B
  EXPECT_FALSE(Scene().SelectedA);
  window->abscissaBar->setValue(-30);
  EXPECT_EQ(Scene().PointA, (DihedralPoint{20, 40, 40}));
  EXPECT_EQ(Scene().PointB, (DihedralPoint{-30, 0, 0}));
  window->pointOrLineButton->click();  // back to point mode: A edited under the caption "B"
  EXPECT_TRUE(Scene().SelectedA);
  EXPECT_EQ(window->endPointButton->text(), "B");
  EXPECT_EQ(Scene().PointB, (DihedralPoint{-30, 0, 0}));
}

TEST_F(HandlerTest, PAAsFirstActionDrawsWithoutTheFrame) {
  window->endPointButton->click();
  EXPECT_FALSE(window->splashText->isVisible());
  EXPECT_TRUE(window->drawingArea->ShowsSurface());
  // Nothing cleared the surface since start-up: the texts lie on the window colour.
  EXPECT_EQ(SurfacePixel(1020, 470), Rgb(192, 220, 192));
  const QImage image = Surface();
  EXPECT_GT(CountPixels(image, qRgb(192, 220, 192)), image.width() * image.height() * 3 / 4);
  // A frame would have covered nearly all of it.
  window->abscissaBar->setValue(1);
  EXPECT_LT(CountPixels(Surface(), qRgb(192, 220, 192)), image.width() * image.height() / 4);
}

TEST_F(HandlerTest, ThirdProjectionTwiceReturnsToThePlainPicture) {
  window->abscissaBar->setValue(15);
  const QImage plain = Surface();
  window->profileButton->click();
  EXPECT_TRUE(Scene().ProfileOn);
  EXPECT_TRUE(window->profileCheck->isChecked());
  const QImage profile = Surface();
  EXPECT_NE(profile, plain);
  window->profileButton->click();
  EXPECT_FALSE(Scene().ProfileOn);
  EXPECT_FALSE(window->profileCheck->isChecked());
  EXPECT_EQ(Surface(), plain);
  EXPECT_EQ(Scene().PointA, (DihedralPoint{15, 40, 40}));
}

TEST_F(HandlerTest, CheckBoxAndHiddenSpinEditsRedrawTheFrameWithoutTheScene) {
  window->abscissaBar->setValue(15);
  window->profileCheck->setChecked(true);
  EXPECT_TRUE(Scene().ProfileOn);
  const QImage frameOnly = Surface();
  // The scene drawn over the same frame differs.
  window->profileButton->click();
  window->profileButton->click();
  EXPECT_TRUE(Scene().ProfileOn);
  EXPECT_NE(Surface(), frameOnly);
  // Each hidden spin edit wipes the scene again, whatever its value.
  for (TSpinEdit* spin : {window->ab, window->al, window->co}) {
    window->endPointButton->click();
    ASSERT_NE(Surface(), frameOnly);
    spin->setValue(spin->value() + 3);
    EXPECT_EQ(Surface(), frameOnly);
  }
  EXPECT_EQ(Scene().PointA, (DihedralPoint{0, 0, 0}));  // PA moved A to B's place
}

TEST_F(HandlerTest, TestButtonHidesEditingAndCheckGivesThemBack) {
  // Scripted draws: a point exercise at (0, 0, 0), on the ground line.
  quiz::SetRandomSource([](std::int32_t n) { return n == 2 ? 1 : 0; });
  window->testButton->click();
  for (QWidget* hidden :
       std::vector<QWidget*>{window->cotaUpButton, window->pointOrLineButton,
                             window->endPointButton, window->stepCaption, window->stepEdit})
    EXPECT_FALSE(hidden->isVisible());
  EXPECT_TRUE(window->checkButton->isVisible());
  EXPECT_TRUE(window->testButton->isVisible());
  EXPECT_EQ(window->childAt(window->testButton->geometry().center()), window->checkButton);
  EXPECT_TRUE(window->pointAnswers->isVisible());
  EXPECT_FALSE(window->lineTypeAnswers->isVisible());
  EXPECT_TRUE(window->abscissaBar->isVisible());
  EXPECT_TRUE(Scene().AnswerHidden);
  EXPECT_FALSE(window->splashText->isVisible());

  window->pointAnswers->setCurrentIndex(window->Quiz().CurrentExercise.classCode - 1);
  window->checkButton->click();
  EXPECT_EQ(window->Quiz().TestHits, 1);
  EXPECT_EQ(window->Quiz().TestMisses, 0);
  EXPECT_FALSE(window->checkButton->isVisible());
  EXPECT_FALSE(window->pointAnswers->isVisible());
  EXPECT_TRUE(window->cotaUpButton->isVisible());
  EXPECT_TRUE(window->testButton->isVisible());
  EXPECT_EQ(window->answerCodeLabel->text(),
            QString::number(window->Quiz().CurrentExercise.classCode));
}

TEST_F(HandlerTest, HiddenPointButtonDrawsOverThePicture) {
  window->abscissaBar->setValue(50);
  const QImage before = Surface();
  window->Punto->click();
  EXPECT_NE(Surface(), before);
  EXPECT_EQ(Scene().PointA, (DihedralPoint{50, 40, 40}));
}

TEST_F(HandlerTest, PictureSurvivesBeingHiddenAndResized) {
  window->alejamientoBar->setValue(25);
  const QPoint probe(600, 200);
  const QRgb drawn = Surface().pixel(probe);
  ASSERT_EQ(ShownPixel(probe.x(), probe.y()), drawn);
  window->hide();
  window->showMinimized();
  window->showNormal();
  window->resize(700, 400);
  window->resize(1036, 541);
  QTest::qWait(10);
  EXPECT_EQ(ShownPixel(probe.x(), probe.y()), drawn);
  EXPECT_EQ(window->cotaUpButton->geometry(), QRect(160, 480, 33, 33));
}
