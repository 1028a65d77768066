// Generating an exercise from known draws: the points, the recorded codes, the
// controls shown, the texts drawn, the bounds of the current logical space, and
// the A/B selection the exercise starts with.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "QuizFixture.h"

namespace {

const std::vector<std::int32_t> kStartUpBounds = {2, 2, 2, 2, 2, 2, 2, 40, 72, 72, 50, 50};
const std::vector<std::int32_t> kAfterEditBounds = {2, 2, 2, 2, 2, 2, 2, 97, 144, 144, 50, 50};

TEST_F(QuizTest, PointExerciseFollowsItsDrawsAndHidesTheLocation) {
  Draws d;
  d.pointMode = true;
  d.signs = {1, 0, 1, 1, 0, 1};
  d.aAbscissa = 25;
  d.aAlejamiento = 5;  // below 10: on V
  d.aCota = 30;
  d.bCota = 7;
  d.bAlejamiento = 20;  // even: A's
  PressTest(d);

  EXPECT_TRUE(scene.IsPoint());
  EXPECT_EQ(scene.PointA, (DihedralPoint{-25, 0, -30}));
  EXPECT_EQ(scene.PointB, (DihedralPoint{25, 0, 0}));
  EXPECT_EQ(scene.EditPoint, scene.PointA);
  EXPECT_TRUE(scene.SelectedA);
  EXPECT_TRUE(scene.AnswerHidden);
  EXPECT_FALSE(quiz.ExerciseAnswered);
  EXPECT_EQ(quiz.CurrentExercise.classCode, 8);  // "Vertical Inferior"
  EXPECT_EQ(random.bounds, kStartUpBounds);

  EXPECT_FALSE(window.buttonsVisible);
  EXPECT_TRUE(window.comprobarVisible);
  EXPECT_TRUE(window.listVisible[static_cast<int>(AnswerList::SelPunto)]);
  EXPECT_FALSE(window.listVisible[static_cast<int>(AnswerList::SelREcta)]);
  EXPECT_FALSE(window.listVisible[static_cast<int>(AnswerList::DefREcta)]);

  // Only the coordinates, the point's own labels and the title: no location.
  const std::set<std::string> allowed = {"540 399 A=(-25,0,-30)", "8 16 T E S T"};
  std::set<std::string> drawn;
  for (const auto& t : Texts()) {
    const std::string text = t.substr(t.find(' ', t.find(' ') + 1) + 1);
    if (text == "A" || text == "a" || text == "a'") continue;
    drawn.insert(t);
  }
  EXPECT_EQ(drawn, allowed);
  // The exercise is drawn on a freshly cleared surface in colour 1, then the frame.
  const auto clear = std::find(canvas.log.begin(), canvas.log.end(), "FillRect 0 0 1025 481");
  ASSERT_NE(clear, canvas.log.end());
  ASSERT_NE(clear, canvas.log.begin());
  EXPECT_EQ(*(clear - 1), "BrushColor #0000A8");
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(13));
}

TEST_F(QuizTest, LineExerciseFollowsItsDrawsAndShowsBothLists) {
  Draws d;
  d.pointMode = false;
  d.signs = {1, 1, 1, 0, 1, 0};
  d.aAbscissa = 30;
  d.aAlejamiento = 50;
  d.aCota = 60;
  d.bCota = 21;         // odd: its own
  d.bAlejamiento = 40;  // even: A's
  PressTest(d);

  EXPECT_FALSE(scene.IsPoint());
  EXPECT_EQ(scene.PointA, (DihedralPoint{30, 50, 60}));
  EXPECT_EQ(scene.PointB, (DihedralPoint{-30, 50, -21}));
  EXPECT_EQ(quiz.CurrentExercise.classCode, 2);     // FRONTAL
  EXPECT_EQ(quiz.CurrentExercise.relationCode, 1);  // / AL H, = AL V
  EXPECT_FALSE(window.listVisible[static_cast<int>(AnswerList::SelPunto)]);
  EXPECT_TRUE(window.listVisible[static_cast<int>(AnswerList::SelREcta)]);
  EXPECT_TRUE(window.listVisible[static_cast<int>(AnswerList::DefREcta)]);

  // The title leaves the pen as the scene left it (cyan): the next profile frame
  // draws its traces in that pen.
  EXPECT_EQ(canvas.penColor, painter.PaletteColor(3));
  EXPECT_TRUE(Drew("570 390  A=( 30, 50, 60)"));
  EXPECT_TRUE(Drew("570 426  B=(-30, 50,-21)"));
  for (const auto& t : Texts()) {
    EXPECT_NE(t.rfind("570 10 ", 0), 0u) << t;   // no relation
    EXPECT_NE(t.rfind("570 355 ", 0), 0u) << t;  // no type
  }
}

TEST_F(QuizTest, BoundsFollowTheLogicalSpaceCurrentAtTheDraw) {
  Draws d;
  PressTest(d);  // right after start-up: 640 x 480
  EXPECT_EQ(random.bounds, kStartUpBounds);

  random.bounds.clear();
  PressTest(d);  // the previous exercise left 320 x 200
  EXPECT_EQ(random.bounds, kAfterEditBounds);

  // After an edit, from a fresh start.
  SetUp();
  painter.Select320x200();
  random.bounds.clear();
  PressTest(d);
  EXPECT_EQ(random.bounds, kAfterEditBounds);
}

TEST_F(QuizTest, DrawsBelowTenBecomeZeroAndTenStays) {
  Draws d;
  d.signs = {0, 0, 0, 0, 0, 0};
  d.aAbscissa = 9;
  d.aAlejamiento = 10;
  d.aCota = 9;
  d.bCota = 9;          // odd, below 10
  d.bAlejamiento = 11;  // odd, kept
  PressTest(d);
  EXPECT_EQ(scene.PointA, (DihedralPoint{0, -10, 0}));
  EXPECT_EQ(scene.PointB, (DihedralPoint{0, -11, 0}));
  EXPECT_EQ(quiz.CurrentExercise.classCode, 6);  // "Horizontal Poster."
}

TEST_F(QuizTest, EvenDrawsOfBTakeAsMagnitudeWithTheirOwnSign) {
  Draws d;
  d.pointMode = false;
  d.signs = {1, 1, 0, 0, 1, 1};
  d.aAbscissa = 40;
  d.aAlejamiento = 60;
  d.aCota = 70;
  d.bCota = 20;
  d.bAlejamiento = 30;
  PressTest(d);
  EXPECT_EQ(scene.PointA, (DihedralPoint{40, 60, 70}));
  EXPECT_EQ(scene.PointB, (DihedralPoint{40, -60, -70}));
  EXPECT_EQ(quiz.CurrentExercise.classCode, 5);  // DE PERFIL
  EXPECT_EQ(quiz.CurrentExercise.relationCode, 6);
}

// Whatever the A/B button showed, the exercise starts on A under the caption "A",
// the picture and the codes describe the generated points, and the next edit moves
// A, never B.
TEST_F(QuizTest, ExerciseAlwaysStartsWithASelected) {
  struct Row {
    const char* name;
    bool pointMode;
    const char* caption;
    bool selectedA;
  };
  const Row rows[] = {
      {"point exercise, caption B, A selected", true, "B", true},
      {"line exercise, caption B, B selected", false, "B", false},
      {"line exercise, caption A, B selected", false, "A", false},
      {"point exercise, caption B, B selected", true, "B", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    scene.PointB = {77, 77, 77};
    window.paCaption = row.caption;
    scene.SelectedA = row.selectedA;

    Draws d;
    d.pointMode = row.pointMode;
    d.aAbscissa = 25;
    d.aAlejamiento = 30;
    d.aCota = 40;
    d.bCota = 13;
    d.bAlejamiento = 15;
    PressTest(d);

    const DihedralPoint a{25, 30, 40};
    const DihedralPoint b{25, 15, 13};
    EXPECT_EQ(window.paCaption, "A");
    EXPECT_EQ(window.paClicks, 0);
    EXPECT_TRUE(scene.SelectedA);
    EXPECT_EQ(scene.PointA, a);
    EXPECT_EQ(scene.PointB, b);
    EXPECT_EQ(scene.EditPoint, a);
    EXPECT_EQ(quiz.CurrentExercise.classCode, row.pointMode ? 1 : 5);
    // Only the generated point is on the picture.
    for (const auto& t : Texts()) {
      if (t.rfind("540 399 ", 0) == 0) {
        EXPECT_EQ(t, "540 399 A=(25,30,40)");
      }
      if (t.rfind("570 390 ", 0) == 0) {
        EXPECT_EQ(t, "570 390  A=( 25, 30, 40)");
      }
    }

    EditCota(-50);
    EXPECT_EQ(scene.PointA, (DihedralPoint{25, 30, -50}));
    EXPECT_EQ(scene.PointB, b);
  }
}

TEST_F(QuizTest, EmptyRangesDrawNothing) {
  EXPECT_EQ(quiz::Random(0), 0);
  EXPECT_EQ(quiz::Random(-7), 0);
  EXPECT_TRUE(random.bounds.empty());

  // Before activation both factors are 0, so the abscissa, alejamiento and cota
  // ranges are empty: the exercise still comes out, with those coordinates 0.
  ResetEveryModule();
  painter.ScaleFactorX = painter.ScaleFactorY = 0.0;
  random.Install();
  random.Queue(Draws{});
  NewExercise();
  EXPECT_EQ(random.bounds, (std::vector<std::int32_t>{2, 2, 2, 2, 2, 2, 2, 50, 50}));
  EXPECT_EQ(scene.PointA, (DihedralPoint{0, 0, 0}));
}

TEST_F(QuizTest, BuiltInGeneratorIsUniformOverItsRange) {
  quiz::SetRandomSource(nullptr);
  constexpr int kBound = 97;
  constexpr int kPerValue = 1000;
  std::vector<int> count(kBound, 0);
  for (int i = 0; i < kBound * kPerValue; ++i) {
    const std::int32_t r = quiz::Random(kBound);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, kBound);
    ++count[r];
  }
  // About 31 either side is one standard deviation.
  for (int v = 0; v < kBound; ++v) {
    EXPECT_GT(count[v], 800) << v;
    EXPECT_LT(count[v], 1200) << v;
  }
}

TEST_F(QuizTest, ExercisesInQuickSuccessionDiffer) {
  quiz::SetRandomSource(nullptr);
  painter.SurfaceCanvas = nullptr;  // nothing to draw on: faster
  std::set<std::vector<std::int32_t>> seen;
  constexpr int kExercises = 50;
  for (int i = 0; i < kExercises; ++i) {
    NewExercise();
    const DihedralPoint& a = scene.PointA;
    const DihedralPoint& b = scene.PointB;
    seen.insert({scene.IsPoint() ? 1 : 0, a.abscissa, a.alejamiento, a.cota, b.abscissa,
                 b.alejamiento, b.cota});
  }
  EXPECT_GT(seen.size(), 45u);
}

}  // namespace
