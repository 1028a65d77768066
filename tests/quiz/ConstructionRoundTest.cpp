// A construction round's check: every marker within the tolerance or rightly "No
// existe", a marker never set is wrong even where the point does not exist, the
// score and the results row, and Backspace's order.
#include "QuizFixture.h"
#include "quiz/ConstructionRound.h"
#include "quiz/Results.h"

namespace {

using classify::FlatPoint;

class ConstructionRoundTest : public QuizTest {
 protected:
  // The line AB: h and v' when it crosses both planes; a line parallel to H has no h.
  quiz::ConstructionRound& Set(DihedralPoint a, DihedralPoint b) {
    quiz::ConstructionExercise e;
    e.points[0] = a;
    e.points[1] = b;
    quiz.Construction = quiz::RoundOf(e);
    return *quiz.Construction;
  }
};

TEST_F(ConstructionRoundTest, RightOnlyWhenEveryMarkerIsAndRecordedWithItsDistances) {
  quiz::ConstructionRound& round = Set({-30, 10, 30}, {20, 30, 10});
  ASSERT_EQ(round.construction.markers.size(), 2u);
  const FlatPoint h = *round.construction.markers[0].exact;
  quiz::PlaceMarker(round, 0, {h.x + 2, h.y});  // at the tolerance
  quiz::MarkAbsent(round);                      // v' exists
  EXPECT_EQ(round.current, 1u);
  window.Apply(quiz::CheckAnswer(painter, scene, quiz, quiz::kNoChoices));
  EXPECT_TRUE(round.verdicts[0].right && !round.verdicts[1].right);
  EXPECT_EQ(quiz.TestMisses, 1);
  EXPECT_EQ(round.steps, 1u);
  const auto table = quiz::ResultsTable(quiz);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[1][3], "h=(47,-40) a 2,0 mm; v' no existe");
  EXPECT_EQ(table[1][4], "h=(45,-40); v'=(-55,40)");
  EXPECT_EQ(table[1][5], "Incorrecto");
  // Checked, a second "comprobar" scores nothing.
  window.Apply(quiz::CheckAnswer(painter, scene, quiz, quiz::kNoChoices));
  EXPECT_EQ(quiz.TestHits + quiz.TestMisses, 1);
  EXPECT_EQ(quiz.Results.size(), 1u);
}

TEST_F(ConstructionRoundTest, AMarkerNeverSetIsWrongEvenWhereThePointDoesNotExist) {
  for (const bool marked : {false, true}) {
    quiz::ConstructionRound& round = Set({-30, 10, 20}, {20, 30, 20});  // parallel to H
    ASSERT_FALSE(round.construction.markers[0].exact.has_value());
    if (marked) quiz::MarkAbsent(round);
    const FlatPoint v = *round.construction.markers[1].exact;
    quiz::PlaceMarker(round, 1, {v.x, v.y - 1});
    quiz.ExerciseAnswered = false;
    quiz::CheckConstruction(painter, quiz);
    EXPECT_EQ(round.verdicts[0].right, marked) << round.verdicts[0].text;
  }
  EXPECT_EQ(quiz.TestMisses, 1);
  EXPECT_EQ(quiz.TestHits, 1);
}

TEST_F(ConstructionRoundTest, BackspaceTakesBackInTheOrderSetAndMovesNothingElse) {
  quiz::ConstructionRound& round = Set({-30, 10, 30}, {20, 30, 10});
  quiz::PlaceMarker(round, 1, {1, 1});
  quiz::PlaceMarker(round, 0, {2, -2});
  quiz::PlaceMarker(round, 1, {3, 3});  // put again: now the latest
  ASSERT_TRUE(quiz::TakeBack(round));
  EXPECT_FALSE(round.placed[1].has_value());
  EXPECT_EQ(*round.placed[0], (FlatPoint{2, -2}));
  EXPECT_EQ(round.current, 1u);
  ASSERT_TRUE(quiz::TakeBack(round));
  EXPECT_FALSE(quiz::TakeBack(round));
  EXPECT_EQ(quiz::MarkerNear(round, {0, 0}, 4), std::nullopt);
}

}  // namespace
