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
  window->paso->lineEdit()->setText("");
  window->paso->stepUp();
  EXPECT_EQ(window->paso->lineEdit()->text(), "1");
  EXPECT_EQ(scene::IncrX, 1);
  window->paso->lineEdit()->setText("abc");
  QTest::keyClick(window->paso, Qt::Key_Down);  // the arrow key of the box itself
  EXPECT_EQ(window->paso->lineEdit()->text(), "-1");
  EXPECT_EQ(scene::IncrY, -1);
  window->paso->stepUp();  // a number steps from itself
  EXPECT_EQ(scene::IncrX, 0);
}

TEST_F(MendsTest, DropDownsShowEveryItemWholeAndTheListsSayWhatToChoose) {
  for (QComboBox* list : {window->SelPunto, window->SelREcta, window->DefREcta}) {
    list->show();
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible());
    EXPECT_GE(view->viewport()->width(), view->sizeHintForColumn(0))
        << list->objectName().toStdString();
    list->hidePopup();
  }
  EXPECT_EQ(window->SelPunto->toolTip(), QStringLiteral("Elige dónde está el punto"));
  EXPECT_EQ(window->SelREcta->toolTip(), QStringLiteral("Elige el tipo de recta"));
  EXPECT_EQ(window->DefREcta->toolTip(),
            QStringLiteral("Elige su posición respecto de H, V y L.T."));
}

TEST_F(MendsTest, CoordinatesSetTheSceneAndRedrawAsAnEditWould) {
  window->BitBtn8->click();  // line mode, A edited
  window->PA->click();       // B edited
  window->ScrollBar1->setValue(12);
  int asked = 0;
  dialogs.coordinates = [&](app::CoordinatesInput& io) {
    ++asked;
    EXPECT_TRUE(io.line);
    EXPECT_EQ(io.b, (DihedralPoint{12, 0, 0}));  // the end being edited, as it stands
    io.a = {std::numeric_limits<std::int32_t>::max(), -5, 12};
    io.b = {std::numeric_limits<std::int32_t>::min(), 30, -7};
    return true;
  };
  QTest::keyClick(window->BitBtn1, Qt::Key_C);
  ASSERT_EQ(asked, 1);
  EXPECT_EQ(scene::PointA, (DihedralPoint{std::numeric_limits<std::int32_t>::max(), -5, 12}));
  EXPECT_EQ(scene::PointB, (DihedralPoint{std::numeric_limits<std::int32_t>::min(), 30, -7}));
  EXPECT_EQ(scene::EditPoint, scene::PointB);
  EXPECT_EQ(window->ScrollBar1->value(), 12);
  // The same picture as an edit of the same scene draws.
  const QImage set = Surface();
  window->ScrollBar3->setValue(30);  // B's alejamiento already
  EXPECT_EQ(Surface(), set);

  // Typed into the step it is a letter; during an exercise it is refused.
  QTest::keyClick(window->paso->lineEdit(), Qt::Key_C);
  window->Btest->click();
  window->CoordinatesClick();
  EXPECT_EQ(asked, 1);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors.front().contains(QStringLiteral("ejercicio")));
}

TEST_F(MendsTest, AfterTheCheckTheFocusIsOnTest) {
  QTest::mouseClick(window->Btest, Qt::LeftButton);
  window->SelPunto->setFocus();
  window->SelPunto->setCurrentIndex(8);
  QTest::mouseClick(window->comprobarTest, Qt::LeftButton);
  ASSERT_EQ(window->Quiz().TestHits, 1);
  EXPECT_EQ(QApplication::focusWidget(), window->Btest);
}

TEST_F(MendsTest, SecondClickOfADoubleClickOnTestIsNoAnswer) {
  const quint64 t = 100000;
  const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
  ClickAt(window->Btest, t);
  ASSERT_TRUE(window->comprobarTest->isVisible());
  ClickAt(window->comprobarTest, t + 120);
  EXPECT_TRUE(window->comprobarTest->isVisible());
  EXPECT_EQ(window->Quiz().TestHits + window->Quiz().TestMisses, 0);
  ClickAt(window->comprobarTest, t + interval + 10);
  EXPECT_FALSE(window->comprobarTest->isVisible());
  EXPECT_EQ(window->Quiz().TestHits + window->Quiz().TestMisses, 1);
}

TEST_F(MendsTest, ButtonsAndScrollBarsShowWhereTheFocusIs) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{window->BitBtn4, window->Btest, window->ScrollBar3}) {
    const QRect area = w->geometry();
    window->PA->setFocus();
    QTest::qWait(5);
    const QImage without = window->grab(area).toImage();
    w->setFocus();
    QTest::qWait(5);
    EXPECT_NE(window->grab(area).toImage(), without) << w->objectName().toStdString();
  }
  // The mark takes no clicks: "comprobar" still lies over "TEST" for the pointer.
  window->Btest->click();
  window->comprobarTest->setFocus();
  EXPECT_EQ(window->childAt(window->Btest->geometry().center()), window->comprobarTest);
}

}  // namespace
