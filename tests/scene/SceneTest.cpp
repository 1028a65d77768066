#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "scene/Scene.h"

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(Scene, ActivationSetsStartValuesAndKeepsTheAbscissa) {
  scene::Scene scene;
  scene.PointA = {1, 2, 3};
  scene.PointB = {4, 5, 6};
  scene.EditPoint = {-37, 8, 9};
  scene.SelectedA = scene.ProfileOn = scene.AnswerHidden = false;
  scene.IncrX = 11;
  scene.IncrY = 12;
  scene::Activate(scene);

  EXPECT_EQ(scene.AbscissaMin, -90);
  EXPECT_EQ(scene.AbscissaMax, 90);
  EXPECT_EQ(scene.AlejamientoMin, -110);
  EXPECT_EQ(scene.AlejamientoMax, 110);
  EXPECT_EQ(scene.CotaMin, -140);
  EXPECT_EQ(scene.CotaMax, 140);
  EXPECT_FALSE(scene.AnswerHidden);
  EXPECT_EQ(scene.EditPoint, (DihedralPoint{-37, 40, 40}));
  EXPECT_EQ(scene.PointA, DihedralPoint{});
  EXPECT_EQ(scene.PointB, DihedralPoint{});
  EXPECT_EQ(scene.IncrX, 5);
  EXPECT_EQ(scene.IncrY, 5);
  EXPECT_FALSE(scene.ProfileOn);
  EXPECT_TRUE(scene.SelectedA);
  EXPECT_TRUE(scene.IsPoint());
}

// ---------------------------------------------------------------------------
// One arrow press.

enum class Direction { kUp, kDown };

struct StepRow {
  const char* name;
  Direction direction;
  std::int32_t value;
  std::int32_t step;
  std::int32_t bound;
  std::int32_t expected;
};

void PrintTo(const StepRow& row, std::ostream* os) {
  *os << row.name;
}

class StepTest : public ::testing::TestWithParam<StepRow> {};

TEST_P(StepTest, OnePress) {
  const StepRow& r = GetParam();
  const std::int32_t got = r.direction == Direction::kUp
                               ? scene::StepUp(r.value, r.step, r.bound)
                               : scene::StepDown(r.value, r.step, r.bound);
  EXPECT_EQ(got, r.expected);
}

const StepRow kStepRows[] = {
    {"UpMoves", Direction::kUp, 10, 5, 90, 15},
    {"UpLastStepLandsOnBound", Direction::kUp, 88, 5, 90, 90},
    {"UpOnBoundStays", Direction::kUp, 90, 5, 90, 90},
    {"UpBeyondBoundBroughtBack", Direction::kUp, 100, 5, 90, 90},
    {"UpStepZeroKeepsValue", Direction::kUp, 10, 0, 90, 10},
    {"UpStepZeroBringsBack", Direction::kUp, 100, 0, 90, 90},
    {"UpNegativeStepPassesLowerBound", Direction::kUp, -88, -5, 90, -93},
    {"UpMaxStepLandsOnBound", Direction::kUp, 0, kMax, 90, 90},
    {"UpMaxStepFromMin", Direction::kUp, kMin, kMax, kMax, -1},
    {"UpMaxStepSaturates", Direction::kUp, 1, kMax, kMax, kMax},
    {"UpMinStepSaturates", Direction::kUp, -10, kMin, 90, kMin},
    {"UpAtMinWithMinStep", Direction::kUp, kMin, kMin, 90, kMin},

    {"DownMoves", Direction::kDown, 10, 5, -90, 5},
    {"DownLastStepLandsOnBound", Direction::kDown, -88, 5, -90, -90},
    {"DownOnBoundStays", Direction::kDown, -90, 5, -90, -90},
    {"DownBeyondBoundBroughtBack", Direction::kDown, -100, 5, -90, -90},
    {"DownStepZeroKeepsValue", Direction::kDown, 10, 0, -90, 10},
    {"DownStepZeroBringsBack", Direction::kDown, -100, 0, -90, -90},
    {"DownNegativeStepPassesUpperBound", Direction::kDown, 88, -5, -90, 93},
    {"DownMaxStepLandsOnBound", Direction::kDown, 0, kMax, -90, -90},
    {"DownMaxStepSaturates", Direction::kDown, -2, kMax, kMin, kMin},
    {"DownMinStepSaturates", Direction::kDown, 0, kMin, -90, kMax},
    {"DownAtMaxWithMinStep", Direction::kDown, kMax, kMin, -90, kMax},
};

INSTANTIATE_TEST_SUITE_P(Rows, StepTest, ::testing::ValuesIn(kStepRows),
                         [](const ::testing::TestParamInfo<StepRow>& info) {
                           return std::string(info.param.name);
                         });

// ---------------------------------------------------------------------------
// Pressing the same arrow over and over with an extreme step: the value settles on
// a bound or on the end of the 32-bit range and never wraps.

struct RepeatRow {
  const char* name;
  Direction direction;
  std::int32_t start;
  std::int32_t step;
  std::int32_t bound;
  std::int32_t settled;
};

void PrintTo(const RepeatRow& row, std::ostream* os) {
  *os << row.name;
}

class RepeatedStepTest : public ::testing::TestWithParam<RepeatRow> {};

TEST_P(RepeatedStepTest, SettlesWithoutWrapping) {
  const RepeatRow& r = GetParam();
  std::int32_t v = r.start;
  for (int i = 0; i < 1000; ++i) {
    const std::int32_t next = r.direction == Direction::kUp ? scene::StepUp(v, r.step, r.bound)
                                                            : scene::StepDown(v, r.step, r.bound);
    // Each press moves the value the way the step points, or not at all.
    const bool up = (r.direction == Direction::kUp) == (r.step > 0);
    if (up) {
      ASSERT_GE(next, v) << "press " << i;
    } else {
      ASSERT_LE(next, v) << "press " << i;
    }
    v = next;
  }
  EXPECT_EQ(v, r.settled);
}

const RepeatRow kRepeatRows[] = {
    {"UpMaxStepToBound", Direction::kUp, -90, kMax, 90, 90},
    {"UpMaxStepToMaxBound", Direction::kUp, kMin, kMax, kMax, kMax},
    {"UpMinStepToRangeEnd", Direction::kUp, 0, kMin, 90, kMin},
    {"DownMaxStepToBound", Direction::kDown, 90, kMax, -90, -90},
    {"DownMaxStepToMinBound", Direction::kDown, kMax, kMax, kMin, kMin},
    {"DownMinStepToRangeEnd", Direction::kDown, 0, kMin, -90, kMax},
};

INSTANTIATE_TEST_SUITE_P(Rows, RepeatedStepTest, ::testing::ValuesIn(kRepeatRows),
                         [](const ::testing::TestParamInfo<RepeatRow>& info) {
                           return std::string(info.param.name);
                         });

TEST(Scene, Saturate32ClampsToTheRange) {
  const std::int64_t wideMin = kMin;
  const std::int64_t wideMax = kMax;
  EXPECT_EQ(scene::Saturate32(0), 0);
  EXPECT_EQ(scene::Saturate32(wideMax), kMax);
  EXPECT_EQ(scene::Saturate32(wideMax + 1), kMax);
  EXPECT_EQ(scene::Saturate32(wideMin), kMin);
  EXPECT_EQ(scene::Saturate32(wideMin - 1), kMin);
  EXPECT_EQ(scene::Saturate32(std::numeric_limits<std::int64_t>::min()), kMin);
  EXPECT_EQ(scene::Saturate32(std::numeric_limits<std::int64_t>::max()), kMax);
}

}  // namespace
