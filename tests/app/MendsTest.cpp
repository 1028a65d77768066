// What a teacher stumbled over: the step's arrows on a text that is no number,
// drop-downs too narrow, "Coordenadas...", the focus after "comprobar", a double
// click on "TEST", focus marks and the answer lists' tool tips.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QToolButton>
#include <initializer_list>
#include <limits>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/WindowCommands.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace {

class MendsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // A point exercise on the ground line, answered by item 9.
    quiz::SetRandomSource([](std::int32_t n) { return n == 2 ? 1 : 0; });
  }
  // A left click at a desktop time, in milliseconds.
  static void ClickAt(QWidget* w, quint64 ms) {
    const QPointF at = QRectF(w->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                    Qt::NoModifier);
      e.setTimestamp(ms);
      QApplication::sendEvent(w, &e);
    }
  }
};

TEST_F(MendsTest, StepArrowsOnATextThatIsNoNumberStartFromZero) {
  window->stepEdit->lineEdit()->setText("");
  window->stepEdit->stepUp();
  EXPECT_EQ(window->stepEdit->lineEdit()->text(), "1");
  EXPECT_EQ(Scene().IncrX, 1);
  window->stepEdit->lineEdit()->setText("abc");
  QTest::keyClick(window->stepEdit, Qt::Key_Down);  // the arrow key of the box itself
  EXPECT_EQ(window->stepEdit->lineEdit()->text(), "-1");
  EXPECT_EQ(Scene().IncrY, -1);
  window->stepEdit->stepUp();  // a number steps from itself
  EXPECT_EQ(Scene().IncrX, 0);
}

TEST_F(MendsTest, DropDownsShowEveryItemWholeAndTheListsSayWhatToChoose) {
  for (QComboBox* list :
       {window->pointAnswers, window->lineTypeAnswers, window->lineRelationAnswers}) {
    list->show();
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible());
    EXPECT_GE(view->viewport()->width(), view->sizeHintForColumn(0))
        << list->objectName().toStdString();
    list->hidePopup();
  }
  EXPECT_EQ(window->pointAnswers->toolTip(), QStringLiteral("Elige dónde está el punto"));
  EXPECT_EQ(window->lineTypeAnswers->toolTip(), QStringLiteral("Elige el tipo de recta"));
  EXPECT_EQ(window->lineRelationAnswers->toolTip(),
            QStringLiteral("Elige su posición respecto de H, V y L.T."));
}

TEST_F(MendsTest, CoordinatesSetTheSceneAndRedrawAsAnEditWould) {
  window->pointOrLineButton->click();  // line mode, A edited
  window->endPointButton->click();     // B edited
  window->abscissaBar->setValue(12);
  int asked = 0;
  dialogs.coordinates = [&](app::CoordinatesInput& io) {
    ++asked;
    EXPECT_TRUE(io.line);
    EXPECT_EQ(io.b, (DihedralPoint{12, 0, 0}));  // the end being edited, as it stands
    io.a = {std::numeric_limits<std::int32_t>::max(), -5, 12};
    io.b = {std::numeric_limits<std::int32_t>::min(), 30, -7};
    return true;
  };
  QTest::keyClick(window->cotaUpButton, Qt::Key_C);
  ASSERT_EQ(asked, 1);
  EXPECT_EQ(Scene().PointA, (DihedralPoint{std::numeric_limits<std::int32_t>::max(), -5, 12}));
  EXPECT_EQ(Scene().PointB, (DihedralPoint{std::numeric_limits<std::int32_t>::min(), 30, -7}));
  EXPECT_EQ(Scene().EditPoint, Scene().PointB);
  EXPECT_EQ(window->abscissaBar->value(), 12);
  // The same picture as an edit of the same scene draws.
  const QImage set = Surface();
  window->alejamientoBar->setValue(30);  // B's alejamiento already
  EXPECT_EQ(Surface(), set);

  // Typed into the step it is a letter; during an exercise it is refused.
  QTest::keyClick(window->stepEdit->lineEdit(), Qt::Key_C);
  window->testButton->click();
  window->CoordinatesClick();
  EXPECT_EQ(asked, 1);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors.front().contains(QStringLiteral("ejercicio")));
}

TEST_F(MendsTest, AfterTheCheckTheFocusIsOnTest) {
  QTest::mouseClick(window->testButton, Qt::LeftButton);
  window->pointAnswers->setFocus();
  window->pointAnswers->setCurrentIndex(8);
  QTest::mouseClick(window->checkButton, Qt::LeftButton);
  ASSERT_EQ(window->Quiz().TestHits, 1);
  EXPECT_EQ(QApplication::focusWidget(), window->testButton);
}

TEST_F(MendsTest, SecondClickOfADoubleClickOnTestIsNoAnswer) {
  const quint64 t = 100000;
  const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
  ClickAt(window->testButton, t);
  ASSERT_TRUE(window->checkButton->isVisible());
  ClickAt(window->checkButton, t + 120);
  EXPECT_TRUE(window->checkButton->isVisible());
  EXPECT_EQ(window->Quiz().TestHits + window->Quiz().TestMisses, 0);
  ClickAt(window->checkButton, t + interval + 10);
  EXPECT_FALSE(window->checkButton->isVisible());
  EXPECT_EQ(window->Quiz().TestHits + window->Quiz().TestMisses, 1);
}

TEST_F(MendsTest, ButtonsAndScrollBarsShowWhereTheFocusIs) {
  for (QWidget* w : std::initializer_list<QWidget*>{window->abscissaUpButton, window->testButton,
                                                    window->alejamientoBar}) {
    const QRect area = w->geometry();
    window->endPointButton->setFocus();
    QTest::qWait(5);
    const QImage without = window->grab(area).toImage();
    w->setFocus();
    QTest::qWait(5);
    EXPECT_NE(window->grab(area).toImage(), without) << w->objectName().toStdString();
  }
  // The mark takes no clicks: "comprobar" still lies over "TEST" for the pointer.
  window->testButton->click();
  window->checkButton->setFocus();
  EXPECT_EQ(window->childAt(window->testButton->geometry().center()), window->checkButton);
}

}  // namespace
