// The quadrants a line crosses: the worked examples, one line of each type, and the
// 32-bit extremes, where a rounded comparison of the traces would go wrong.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "classify/Classification.h"

namespace {

using Codes = std::vector<std::int32_t>;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(QuadrantsCrossedTest, WorkedExamples) {
  EXPECT_EQ(classify::QuadrantsCrossed({-10, 40, 40}, {50, 60, 80}), (Codes{3, 4, 1}));
  EXPECT_EQ(classify::QuadrantsCrossed({0, 0, 0}, {10, 10, 10}), (Codes{3, 1}));
  EXPECT_EQ(classify::QuadrantsCrossed({10, 20, 30}, {-10, 20, 30}), (Codes{1}));
  EXPECT_EQ(classify::QuadrantsCrossed({76, 32, -91}, {-76, -32, 91}), (Codes{4, 2}));
  EXPECT_EQ(classify::QuadrantsCrossed({-20, 30, 0}, {30, -50, 0}), (Codes{5, 6}));
  // The order follows t, so swapping A and B reverses it.
  EXPECT_EQ(classify::QuadrantsCrossed({50, 60, 80}, {-10, 40, 40}), (Codes{1, 4, 3}));
}

TEST(QuadrantsCrossedTest, OneLineOfEachType) {
  using classify::QuadrantsCrossed;
  EXPECT_EQ(QuadrantsCrossed({10, 20, 30}, {10, 20, 30}), (Codes{1}));      // a point
  EXPECT_EQ(QuadrantsCrossed({10, -5, 0}, {10, -5, 0}), (Codes{6}));        // a point in H
  EXPECT_EQ(QuadrantsCrossed({10, 20, 30}, {10, 20, -30}), (Codes{1, 4}));  // vertical
  EXPECT_EQ(QuadrantsCrossed({10, 20, 30}, {10, -20, 30}), (Codes{1, 2}));  // de punta
  EXPECT_EQ(QuadrantsCrossed({10, 20, 30}, {10, -20, -30}),
            (Codes{1, 3}));  // de perfil, through L.T.
  EXPECT_EQ(QuadrantsCrossed({10, 20, 30}, {-10, 20, -30}), (Codes{1, 4}));  // frontal
  EXPECT_EQ(QuadrantsCrossed({10, 20, 30}, {-10, -20, 30}), (Codes{1, 2}));  // horizontal
  EXPECT_EQ(QuadrantsCrossed({10, -20, -30}, {-10, -20, -30}), (Codes{3}));  // parallel to L.T.
  EXPECT_EQ(QuadrantsCrossed({10, 20, 30}, {-10, -20, -30}),
            (Codes{1, 3}));  // oblique through L.T.
  EXPECT_EQ(QuadrantsCrossed({10, 5, 30}, {-10, -20, -10}), (Codes{1, 2, 3}));  // oblique
  EXPECT_EQ(QuadrantsCrossed({-20, 0, 30}, {30, 0, -50}), (Codes{7, 8}));       // in V
  EXPECT_EQ(QuadrantsCrossed({-10, 0, 20}, {10, 0, 20}), (Codes{7}));           // in V, parallel
  EXPECT_EQ(QuadrantsCrossed({-10, 20, 0}, {10, 20, 0}), (Codes{5}));           // in H, parallel
  EXPECT_EQ(QuadrantsCrossed({-20, 0, 0}, {30, 0, 0}), (Codes{9}));             // in L.T.
}

// At these sizes the traces' parameters differ by far less than a double resolves.
TEST(QuadrantsCrossedTest, ExactAtThe32BitExtremes) {
  using classify::QuadrantsCrossed;
  // V at t = (2^31 - 1) / (2^32 - 1), H at 2^31 / (2^32 - 1).
  EXPECT_EQ(QuadrantsCrossed({kMin, kMax, kMin}, {kMax, kMin, kMax}), (Codes{4, 3, 2}));
  EXPECT_EQ(QuadrantsCrossed({0, kMin, kMin}, {0, kMax, kMax}), (Codes{3, 1}));
  // H at t = 1/2, V at t = 2^31 / (2^32 - 1), a hair later.
  EXPECT_EQ(QuadrantsCrossed({0, kMin, kMin + 1}, {0, kMax, kMax}), (Codes{3, 2, 1}));
  EXPECT_EQ(QuadrantsCrossed({0, kMin + 1, kMin}, {0, kMax, kMax}), (Codes{3, 4, 1}));
  EXPECT_EQ(QuadrantsCrossed({kMax, kMax, 0}, {kMin, kMin, 0}), (Codes{5, 6}));
  EXPECT_EQ(QuadrantsCrossed({kMax, kMax, kMax}, {kMax, kMax, kMax - 1}), (Codes{1, 4}));
}

}  // namespace
