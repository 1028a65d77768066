// The keys: each one does what its button does, nothing while a text field has
// the focus or its button is hidden; held steps repeat, held toggles do not; the
// view keys and the help window, which lists every command of the context menu.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "WindowFixture.h"
#include "app/CommandTable.h"
#include "app/Controls.h"
#include "drawing/TraceDrawing.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace {

class KeysTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  // A key as the keyboard sends it to whichever control has the focus, through the
  // window's shortcuts first.
  static void Send(QWidget* to, int key, bool autoRepeat = false) {
    QTest::simulateEvent(to, true, key, Qt::NoModifier, QString(), autoRepeat);
  }
};

TEST_F(KeysTest, EachKeyDoesWhatItsButtonDoes) {
  window->stepEdit->lineEdit()->setText("7");
  window->abscissaBar->setValue(86);  // near the bound: the key stops on it too
  const struct {
    int key;
    QToolButton* button;
  } pairs[] = {{Qt::Key_Right, window->abscissaUpButton},
               {Qt::Key_Left, window->abscissaDownButton},
               {Qt::Key_Up, window->cotaUpButton},
               {Qt::Key_Down, window->cotaDownButton},
               {Qt::Key_PageUp, window->alejamientoUpButton},
               {Qt::Key_PageDown, window->alejamientoDownButton},
               {Qt::Key_Slash, window->pointOrLineButton},
               {Qt::Key_Plus, window->profileButton}};
  for (const auto& [key, button] : pairs) {
    const DihedralPoint before = Scene().EditPoint;
    const scene::Figure figure = Scene().figure;
    const bool profile = Scene().ProfileOn;
    // Sent to a focused scroll bar, which must not take the arrows as well.
    window->abscissaBar->setFocus();
    Send(window->abscissaBar, key);
    const DihedralPoint byKey = Scene().EditPoint;
    const QImage keyPicture = Surface();
    EXPECT_EQ(window->abscissaBar->value(), 86);
    // Back where the key found the scene, and the button instead.
    Scene().EditPoint = before;
    Scene().figure = figure;
    if (Scene().ProfileOn != profile) window->profileButton->click();
    button->click();
    EXPECT_EQ(Scene().EditPoint, byKey) << button->toolTip().toStdString();
    EXPECT_EQ(Surface(), keyPicture) << button->toolTip().toStdString();
  }
  EXPECT_TRUE(Scene().ProfileOn);  // "+" and its button each toggled once per round
  EXPECT_FALSE(Scene().IsPoint());

  Send(window->cotaUpButton, Qt::Key_A);
  EXPECT_EQ(window->endPointButton->text(), "B");
  quiz::SetRandomSource([](std::int32_t n) { return n == 2 ? 1 : 0; });
  Send(window->cotaUpButton, Qt::Key_T);
  ASSERT_TRUE(window->checkButton->isVisible());
  EXPECT_TRUE(Scene().AnswerHidden);
  Send(window->checkButton, Qt::Key_Return);
  EXPECT_FALSE(window->checkButton->isVisible());
  EXPECT_EQ(window->Quiz().TestHits + window->Quiz().TestMisses, 1);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(KeysTest, NothingWhileATextFieldHasTheFocusOrTheButtonIsHidden) {
  window->abscissaBar->setValue(10);
  const DihedralPoint start = Scene().EditPoint;
  QLineEdit* step = window->stepEdit->lineEdit();
  step->setFocus();
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_PageUp, Qt::Key_Slash, Qt::Key_Plus})
    QTest::keyClick(step, key);
  QTest::keyClick(step, Qt::Key_A);
  QTest::keyClick(step, Qt::Key_T);
  EXPECT_EQ(Scene().EditPoint, start);
  EXPECT_TRUE(Scene().IsPoint());
  EXPECT_FALSE(Scene().ProfileOn);
  EXPECT_EQ(window->endPointButton->text(), "A");
  EXPECT_FALSE(window->checkButton->isVisible());

  // While an exercise waits, the arrow buttons, "A" and the covered TEST are out.
  quiz::SetRandomSource([](std::int32_t n) { return n == 2 ? 1 : 0; });
  window->testButton->click();
  const DihedralPoint exercise = Scene().EditPoint;
  window->cotaBar->setFocus();
  for (int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_A, Qt::Key_T})
    Send(window->cotaBar, key);
  EXPECT_EQ(Scene().EditPoint, exercise);
  EXPECT_EQ(window->endPointButton->text(), "A");
  EXPECT_EQ(window->cotaBar->value(), 0);
  EXPECT_TRUE(Scene().AnswerHidden);
  // Return in an answer list keeps the list's meaning: no check.
  window->pointAnswers->setFocus();
  QTest::keyClick(window->pointAnswers->lineEdit(), Qt::Key_Return);
  EXPECT_TRUE(window->checkButton->isVisible());
}

TEST_F(KeysTest, HeldStepsRepeatHeldTogglesDoNot) {
  window->abscissaBar->setValue(0);
  Send(window->cotaUpButton, Qt::Key_Right);
  for (int i = 0; i < 3; ++i) Send(window->cotaUpButton, Qt::Key_Right, true);
  EXPECT_EQ(Scene().EditPoint.abscissa, 20);
  Send(window->cotaUpButton, Qt::Key_Slash);
  for (int i = 0; i < 3; ++i) Send(window->cotaUpButton, Qt::Key_Slash, true);
  EXPECT_FALSE(Scene().IsPoint());
}

TEST_F(KeysTest, FullScreenHelpAndKeysWithCtrlWorkEvenInATextField) {
  QLineEdit* step = window->stepEdit->lineEdit();
  step->setFocus();
  QTest::keyClick(step, Qt::Key_F11);
  EXPECT_TRUE(window->isFullScreen());
  QTest::keyClick(step, Qt::Key_Escape);
  EXPECT_FALSE(window->isFullScreen());
  // Ctrl+T is "Mostrar trazas", not the T of TEST that a text field keeps.
  QTest::keyClick(step, Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(Scene().TracesOn);
  EXPECT_FALSE(window->checkButton->isVisible());

  // A command another part of the program adds later shows in the help as well.
  auto* later = new QAction(QStringLiteral("Exportar dibujo..."), window.get());
  later->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  window->contextMenu->addAction(later);
  QTest::keyClick(step, Qt::Key_F1);
  QWidget* help = window->HelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "Ayuda");
  const QString text = help->findChild<QTextBrowser*>()->toPlainText();
  for (const char* expected : {"Teclas", "abscisa -", "Av Pág", "Intro", "Esc", "Coordenadas...",
                               "Pantalla completa", "F11", "Exportar dibujo...", "Ctrl+E"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

// --help prints a command's key as the table writes it, and the menu shows the
// key Qt reads from it: the two must be the same key.
TEST(CommandTableTest, EveryKeyReadsBackAsWritten) {
  for (const app::CommandRow& row : app::MenuCommands()) {
    const QString keys = QString::fromUtf8(row.keys);
    EXPECT_EQ(QKeySequence::fromString(keys, QKeySequence::PortableText)
                  .toString(QKeySequence::PortableText),
              keys)
        << row.name;
  }
}

}  // namespace
