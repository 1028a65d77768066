// The detailed quiz and the results through the real window: the context-menu
// entries, the lists reset to their start texts, the results dialog, the CSV file
// and the score reset.
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <deque>

#include "WindowFixture.h"
#include "app/QuizCommands.h"
#include "quiz/DetailedMode.h"
#include "quiz/TestMode.h"

namespace {

class QuizCommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  QAction* Action(const char* name) const { return window->findChild<QAction*>(name); }
  // A point exercise at A = (25, 30, 40), answered with the first quadrant.
  void RightPointExercise() {
    std::deque<int> draws{1, 1, 1, 1, 1, 1, 1, 25, 30, 40, 11, 11};
    quiz::SetRandomSource([draws](std::int32_t) mutable {
      const int v = draws.empty() ? 0 : draws.front();
      if (!draws.empty()) draws.pop_front();
      return v;
    });
    QTest::mouseClick(window->testButton, Qt::LeftButton);
    window->pointAnswers->setCurrentIndex(0);
    QTest::mouseClick(window->checkButton, Qt::LeftButton);
  }
};

TEST_F(QuizCommandsTest, MenuEntriesAndListsBackAtTheirStartTexts) {
  // Other groups of commands share the menu: ours are there, in this order.
  const QStringList ours{"Corrección detallada", "Ocultar coordenadas", "Resultados...",
                         "Guardar CSV...", "Reiniciar puntuación"};
  QStringList texts;
  for (QAction* a : window->contextMenu->actions())
    if (ours.contains(a->text())) texts << a->text();
  EXPECT_EQ(texts, ours);
  QAction* detailed = Action("DetailedModeAction");
  QAction* hide = Action("HideCoordinatesAction");
  EXPECT_FALSE(hide->isEnabled());

  detailed->setChecked(true);
  EXPECT_TRUE(window->Quiz().DetailedMode);
  EXPECT_TRUE(hide->isEnabled());
  RightPointExercise();
  QTest::mouseClick(window->testButton, Qt::LeftButton);
  for (QComboBox* list :
       {window->pointAnswers, window->lineTypeAnswers, window->lineRelationAnswers}) {
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText(), list->objectName());
  }
  hide->setChecked(true);
  EXPECT_TRUE(window->Quiz().HideCoordinates);
  detailed->setChecked(false);
  EXPECT_FALSE(hide->isEnabled());
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(QuizCommandsTest, ResultsTableCsvFileAndScoreReset) {
  RightPointExercise();
  Action("ResultsAction")->trigger();
  auto* dialog = window->findChild<QDialog*>("ResultsDialog");
  ASSERT_NE(dialog, nullptr);
  auto* table = dialog->findChild<QTableWidget*>("ResultsTable");
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->item(0, 2)->text(), "A=(25,30,40)");
  EXPECT_EQ(table->item(0, 5)->text(), "Correcto");
  dialog->reject();  // closing deletes it
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  const QString path = QDir::current().filePath("resultados.csv");
  dialogs.saveName = [&](app::SaveQuestion&) { return path; };
  Action("SaveCsvAction")->trigger();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("\xEF\xBB\xBFN\xC2\xBA;Ejercicio;"));  // marked UTF-8
  file.close();

  // Cancelled: nothing written. A folder that does not exist: told, nothing left.
  QFile::remove(path);
  dialogs.saveName = [](app::SaveQuestion&) { return QString(); };
  Action("SaveCsvAction")->trigger();
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(errors.isEmpty());
  EXPECT_FALSE(
      app::SaveResultsCsv(window->Quiz(), QDir::current().filePath("no/existe.csv"), dialogs));
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].startsWith("No se pudieron guardar los resultados"));

  const QImage before = Surface();
  Action("ResetScoreAction")->trigger();
  EXPECT_EQ(window->Quiz().TestHits, 0);
  EXPECT_EQ(Surface(), before);
  Action("ResultsAction")->trigger();
  dialog = window->findChild<QDialog*>("ResultsDialog");
  EXPECT_EQ(dialog->findChild<QTableWidget*>("ResultsTable")->rowCount(), 0);
  dialog->reject();
}

}  // namespace
