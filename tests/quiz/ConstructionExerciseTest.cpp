// Construction exercises drawn over many seeds fit the box and can be solved.
#include "quiz/ConstructionExercise.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using classify::ConstructionKind;

TEST(ConstructionExerciseTest, EveryDrawnExerciseFitsAndHasAnAnswerToPlace) {
  std::mt19937 generator(20261209u);
  const quiz::RandomSource random = [&generator](std::int32_t n) {
    return static_cast<std::int32_t>(
        std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator));
  };
  int kinds[classify::kConstructionKinds] = {};
  int absent = 0;
  for (int i = 0; i < 800; ++i) {
    const quiz::ConstructionExercise e = quiz::DrawConstructionExercise(random);
    ++kinds[static_cast<int>(e.kind)];
    const classify::Construction c = quiz::ConstructionOf(e);
    ASSERT_TRUE(c.lack.empty()) << i << ": " << c.lack;
    ASSERT_TRUE(classify::FitsIn(c, classify::kExerciseBox)) << i;
    ASSERT_FALSE(c.steps.empty());
    bool some = false;
    for (const classify::Marker& m : c.markers) {
      some = some || m.exact.has_value();
      absent += m.exact ? 0 : 1;
      // Solvable on the drawing: the exact place is a right answer.
      if (m.exact) {
        EXPECT_TRUE(classify::CheckMarker(m, m.exact, 1.0).right);
      }
    }
    EXPECT_TRUE(some) << i;
  }
  for (int k : kinds) EXPECT_GT(k, 150);
  EXPECT_GT(absent, 10);  // "No existe" comes up
}

TEST(ConstructionExerciseTest, ASourceThatNeverFitsStillGetsAnExercise) {
  const quiz::RandomSource zero = [](std::int32_t) { return 0; };
  for (int k = 0; k < classify::kConstructionKinds; ++k) {
    const auto e = quiz::DrawConstructionExercise(zero, static_cast<ConstructionKind>(k));
    EXPECT_TRUE(classify::FitsIn(quiz::ConstructionOf(e), classify::kExerciseBox)) << k;
  }
}

}  // namespace
