// Construction exercises in the real window: unticked, TEST is as it was; ticked,
// markers are placed, dragged and taken back by mouse and keys, checked within the
// tolerance, scored and recorded, and the steps play forward and back and are left.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <random>
#include <vector>

#include "WindowFixture.h"
#include "app/ConstructionCommands.h"
#include "app/Controls.h"
#include "drawing/ConstructionDrawing.h"
#include "quiz/ConstructionRound.h"
#include "quiz/Quiz.h"
#include "quiz/Results.h"
#include "quiz/TestMode.h"

namespace {

class ConstructionWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
    option = window->findChild<QAction*>("EjerciciosDeConstruccion");
    ASSERT_TRUE(option);
  }
  QAction* Action(const char* name) { return window->findChild<QAction*>(name); }
  app::ConstructionCommands& Commands() { return *app::ConstructionCommands::Of(*window); }
  quiz::ConstructionRound& Round() { return *window->Quiz().Construction; }
  // With every draw 0 after the first, the generator falls back to its known line
  // A(-30,10,30) B(20,30,10): place h and v'.
  void SetTraces() {
    if (!option->isChecked()) option->trigger();
    ScriptDraws({0});
    QTest::mouseClick(window->testButton, Qt::LeftButton);
    ASSERT_TRUE(window->Quiz().Construction.has_value());
    ASSERT_EQ(Round().construction.markers.size(), 2u);
  }
  classify::FlatPoint Exact(std::size_t marker) {
    return *Round().construction.markers[marker].exact;
  }
  // Where a flat-view place lies in the paint box (the window is at its start size).
  QPoint At(const classify::FlatPoint& p, double dx = 0, double dy = 0) {
    window->Painter().Select320x200();
    const auto look = quiz::RoundLook(window->Painter(), Round());
    const drawing::SurfacePoint s =
        drawing::SurfaceOf(window->Painter(), look, {p.x + dx, p.y + dy});
    return {s.x, s.y};
  }
  void Key(Qt::Key key) { QTest::keyClick(window.get(), key); }
  QAction* option = nullptr;
};

TEST_F(ConstructionWindowTest, UntickedTestDrawsAsIfTheEntryWereNotThere) {
  const QList<QAction*> menu = window->contextMenu->actions();
  EXPECT_EQ(menu.indexOf(option), menu.indexOf(Action("EjerciciosDePlanos")) + 1);
  EXPECT_FALSE(option->isChecked());
  std::vector<QImage> runs[2];
  for (std::vector<QImage>& shots : runs) {
    std::mt19937 generator(7);
    quiz::SetRandomSource([&generator](std::int32_t n) {
      return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
    });
    window->abscissaBar->setValue(&shots == runs ? 5 : 6);
    for (int k = 0; k < 5; ++k) {
      QTest::mouseClick(window->testButton, Qt::LeftButton);
      shots.push_back(Surface());
      QTest::mouseClick(window->checkButton, Qt::LeftButton);
      shots.push_back(Surface());
    }
    Action("ResetScoreAction")->trigger();
    option->trigger();
    option->trigger();
  }
  EXPECT_TRUE(runs[0] == runs[1]);
  EXPECT_FALSE(window->Quiz().Construction.has_value() || window->absentButton.Made());
}

TEST_F(ConstructionWindowTest, PlacedMovedAndTakenBackByMouseAndKeys) {
  SetTraces();
  EXPECT_TRUE(window->absentButton->isVisible() && window->constructionText->isVisible());
  EXPECT_TRUE(window->constructionText->text().startsWith(QStringLiteral("Sitúa h.")));
  // A click snaps to the nearest unit and goes on to v'.
  QTest::mouseClick(window->drawingArea, Qt::LeftButton, {}, At(Exact(0), 0.2, -0.2));
  EXPECT_EQ(*Round().placed[0],
            (classify::FlatPoint{std::round(Exact(0).x), std::round(Exact(0).y)}));
  EXPECT_EQ(Round().current, 1u);
  EXPECT_TRUE(window->constructionText->text().startsWith(QStringLiteral("Sitúa v'.")));
  // v' off by ten units, then dragged onto its place; a click on the space view places nothing.
  QTest::mouseClick(window->drawingArea, Qt::LeftButton, {}, At(Exact(1), 10));
  QTest::mousePress(window->drawingArea, Qt::LeftButton, {}, At(Exact(1), 10));
  QTest::mouseMove(window->drawingArea, At(Exact(1), 5));
  QTest::mouseMove(window->drawingArea, At(Exact(1)));
  QTest::mouseRelease(window->drawingArea, Qt::LeftButton, {}, At(Exact(1)));
  QTest::mouseClick(window->drawingArea, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_EQ(*Round().placed[1], Exact(1));
  EXPECT_EQ(Round().order, (std::vector<std::size_t>{0, 1}));
  // Backspace takes v' back, Tab goes on to h, "No existe" marks it.
  Key(Qt::Key_Backspace);
  EXPECT_FALSE(Round().placed[1].has_value());
  EXPECT_EQ(Round().current, 1u);
  Key(Qt::Key_Tab);
  EXPECT_EQ(Round().current, 0u);
  QTest::mouseClick(window->absentButton, Qt::LeftButton);
  EXPECT_TRUE(Round().absent[0] && !Round().placed[0]);
  // "Coordenadas..." asks both places at once.
  dialogs.numbers = [this](app::NumbersQuestion& q) {
    EXPECT_EQ(q.rows, (QStringList{"h", "v'"}));
    EXPECT_TRUE(q.none[0]);
    q.none[0] = false;
    q.values[0] = {static_cast<int>(Exact(0).x), static_cast<int>(Exact(0).y) - 1};
    q.values[1] = {static_cast<int>(Exact(1).x), static_cast<int>(Exact(1).y)};
    return true;
  };
  Action("Coordenadas")->trigger();
  EXPECT_TRUE(Round().placed[0] && Round().placed[1] && !Round().absent[0]);
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(ConstructionWindowTest, CheckScoresWithinTheToleranceAndPlaysTheSteps) {
  // A wrong round: h three units off, beyond the default tolerance of 2.
  SetTraces();
  QTest::mouseClick(window->drawingArea, Qt::LeftButton, {}, At(Exact(0), 0, 3));
  QTest::mouseClick(window->drawingArea, Qt::LeftButton, {}, At(Exact(1)));
  const QImage before = Surface();
  QTest::mouseClick(window->checkButton, Qt::LeftButton);
  EXPECT_EQ(window->Quiz().TestMisses, 1);
  EXPECT_FALSE(Surface() == before);
  // A right one once the tolerance is 3.
  dialogs.numbers = [](app::NumbersQuestion& q) {
    EXPECT_EQ(q.values[0][0], 2);
    q.values[0][0] = 3;
    return true;
  };
  Action("Tolerancia")->trigger();
  SetTraces();
  QTest::mouseClick(window->drawingArea, Qt::LeftButton, {}, At(Exact(0), 0, 3));
  QTest::mouseClick(window->drawingArea, Qt::LeftButton, {}, At(Exact(1)));
  QTest::mouseClick(window->checkButton, Qt::LeftButton);
  EXPECT_EQ(window->Quiz().TestHits, 1);
  const auto table = quiz::ResultsTable(window->Quiz());
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[1][1], "Trazas de una recta");
  EXPECT_EQ(table[1][2], "A=(-30,10,30) B=(20,30,10)");
  EXPECT_NE(table[1][3].find(" a 3,0 mm; v'="), std::string::npos) << table[1][3];
  EXPECT_EQ(table[1][5] + table[2][5], "IncorrectoCorrecto");

  // The first step is shown at once; the keys go through the steps and leave them.
  const std::size_t steps = Round().construction.steps.size();
  ASSERT_GE(steps, 2u);
  EXPECT_EQ(Commands().Step(), 1u);
  EXPECT_TRUE(window->nextStepButton->isVisible() && !window->absentButton->isVisible());
  EXPECT_EQ(window->constructionText->text().toStdString(), Round().construction.steps[0].sentence);
  const QImage first = Surface();
  const int alejamiento = window->alejamientoBar->value();
  for (std::size_t k = 0; k < steps + 1; ++k) Key(Qt::Key_PageDown);
  EXPECT_EQ(Commands().Step(), steps);
  EXPECT_FALSE(window->nextStepButton->isEnabled());
  for (std::size_t k = 1; k < steps; ++k) Key(Qt::Key_PageUp);
  EXPECT_EQ(Commands().Step(), 1u);
  EXPECT_TRUE(Surface() == first);
  EXPECT_EQ(window->alejamientoBar->value(), alejamiento);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Commands().Step(), 0u);
  EXPECT_FALSE(window->nextStepButton->isVisible() || window->constructionText->isVisible());
}

TEST_F(ConstructionWindowTest, TheFiguresStepsPlayAndLeaveThePictureAsItWas) {
  QAction* play = Action("VerConstruccion");
  play->trigger();  // the point at start has none
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors[0], QStringLiteral("Esta figura no tiene construcción paso a paso."));
  Scene().figure = scene::Figure::kLine;
  Scene().PointA = {-30, 10, 30};
  Scene().PointB = {20, 30, 10};
  Scene().EditPoint = Scene().PointA;
  window->EditCoordinate([] {});
  const QImage figure = Surface();
  play->trigger();
  EXPECT_EQ(Commands().Step(), 1u);
  EXPECT_FALSE(Surface() == figure);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Commands().Step(), 2u);
  QTest::mouseClick(window->previousStepButton, Qt::LeftButton);
  EXPECT_EQ(Commands().Step(), 1u);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Commands().Step(), 0u);
  EXPECT_TRUE(Surface() == figure);
  EXPECT_EQ(errors.size(), 1);
}

}  // namespace
