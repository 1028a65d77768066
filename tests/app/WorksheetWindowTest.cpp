// "Hoja de ejercicios..." from the drawing area's menu: the dialogs are answered by
// the test, the PDF is written, and the window's scene, picture, codes and score
// are what they were.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "WindowFixture.h"
#include "classify/Classification.h"
#include "delgraph/delgraph.h"
#include "drawing/FigureTexts.h"
#include "quiz/DetailedMode.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace {

class WorksheetWindowTest : public WindowTest {
 protected:
  QAction* SheetAction() const {
    for (QAction* a : window->contextMenu->actions())
      if (a->text() == QStringLiteral("Hoja de ejercicios...")) return a;
    return nullptr;
  }
};

TEST_F(WorksheetWindowTest, SheetFromTheMenuLeavesTheWindowAsItWas) {
  StartWindow();
  // The window's quiz leaves the coordinates out; a sheet still shows them.
  quiz::SetDetailedMode(window->Quiz(), Scene(), true);
  quiz::SetHideCoordinates(window->Quiz(), Scene(), true);
  // A judged exercise and a waiting one: score, codes and a hidden answer.
  QTest::mouseClick(window->testButton, Qt::LeftButton);
  QTest::mouseClick(window->checkButton, Qt::LeftButton);
  QTest::mouseClick(window->testButton, Qt::LeftButton);
  const DihedralPoint a = Scene().PointA, b = Scene().PointB;
  const scene::Figure figure = Scene().figure;
  const std::int32_t hits = window->Quiz().TestHits, misses = window->Quiz().TestMisses;
  const std::int32_t classCode = window->Quiz().CurrentExercise.classCode,
                     relationCode = window->Quiz().CurrentExercise.relationCode;
  const delgraph::ColorValue colour1 = window->Painter().PaletteColor(1);
  const QImage before = Surface();

  QString suggested;
  dialogs.worksheet = [] {
    app::WorksheetChoice c;
    c.count = 4;
    c.kind = quiz::SheetKind::kLines;
    c.seed = 77;
    return std::optional<app::WorksheetChoice>(c);
  };
  dialogs.saveName = [&suggested](app::SaveQuestion& q) {
    suggested = q.suggested;
    return QDir::current().filePath(QStringLiteral("hoja"));  // no extension typed
  };
  QAction* action = SheetAction();
  ASSERT_NE(action, nullptr);
  action->trigger();

  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
  EXPECT_TRUE(suggested.endsWith(QStringLiteral("hoja-de-ejercicios-77.pdf")));
  EXPECT_GT(QFileInfo(QStringLiteral("hoja.pdf")).size(), 1000);
  EXPECT_EQ(Scene().PointA, a);
  EXPECT_EQ(Scene().PointB, b);
  EXPECT_EQ(Scene().figure, figure);
  EXPECT_TRUE(Scene().AnswerHidden);
  EXPECT_EQ(window->Quiz().TestHits, hits);
  EXPECT_EQ(window->Quiz().TestMisses, misses);
  EXPECT_EQ(window->Quiz().CurrentExercise.classCode, classCode);
  EXPECT_EQ(window->Quiz().CurrentExercise.relationCode, relationCode);
  EXPECT_EQ(window->Painter().PaletteColor(1), colour1);  // the print palette stays on paper
  EXPECT_TRUE(window->checkButton->isVisible());
  EXPECT_EQ(Surface(), before);
  EXPECT_TRUE(Scene().CoordinatesHidden);
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("hoja.pdf"), QStringLiteral("-")});
  ASSERT_TRUE(text.waitForFinished(30000));
  const QString sheet = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_EQ(sheet.count(QStringLiteral("Tipo: ")), 4);
  // Each line's two end points, in its picture and in the key.
  EXPECT_EQ(sheet.count(QStringLiteral("A=(")), 8);

  // Cancelling either dialog writes nothing; a file that cannot be written is told.
  dialogs.worksheet = [] { return std::optional<app::WorksheetChoice>(); };
  action->trigger();
  dialogs.worksheet = [] { return std::optional<app::WorksheetChoice>(app::WorksheetChoice{}); };
  dialogs.saveName = [](app::SaveQuestion&) { return QString(); };
  action->trigger();
  EXPECT_EQ(QDir::current().entryList({QStringLiteral("*.pdf")}), QStringList{"hoja.pdf"});
  dialogs.saveName = [](app::SaveQuestion&) { return QStringLiteral("/no/existe.pdf"); };
  action->trigger();
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(QStringLiteral("«existe.pdf»"))) << errors[0].toStdString();
}

TEST_F(WorksheetWindowTest, SheetAsksBeforeReplacingANameGivenPdfHereAndTheKey) {
  StartWindow();
  const QString sheet = QDir::current().filePath("hoja.txt.pdf");
  const QString key = QDir::current().filePath("hoja.txt-soluciones.pdf");
  for (const QString& path : {sheet, key}) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("antes");
  }
  dialogs.worksheet = [] {
    app::WorksheetChoice c;
    c.count = 2;
    c.seed = 5;
    c.separateKey = true;
    return std::optional<app::WorksheetChoice>(c);
  };
  dialogs.saveName = [](app::SaveQuestion&) { return QDir::current().filePath("hoja.txt"); };
  SheetAction()->trigger();
  EXPECT_EQ(dialogs.replaceAsked, (QStringList{sheet, key}));
  EXPECT_EQ(QFileInfo(sheet).size(), 5);
  EXPECT_EQ(QFileInfo(key).size(), 5);

  // The dialog asked about the sheet's own name; the key beside it is asked here.
  dialogs.replaceAsked.clear();
  dialogs.saveName = [&sheet](app::SaveQuestion&) { return sheet; };
  dialogs.replace = [](const QStringList&) { return true; };
  SheetAction()->trigger();
  EXPECT_EQ(dialogs.replaceAsked, QStringList{key});
  EXPECT_GT(QFileInfo(sheet).size(), 1000);
  EXPECT_GT(QFileInfo(key).size(), 1000);
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

}  // namespace
