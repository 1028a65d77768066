// Every true name of a line: the lists for known lines, the single codes of
// LineType and LineRelation always among them, exact answers at the 32-bit ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "classify/Classification.h"
#include "classify/TrueNames.h"

namespace {

using Codes = std::vector<std::int32_t>;

struct TrueRow {
  const char* name;
  DihedralPoint A, B;
  Codes types, relations;
};

TEST(TrueNames, ListsForKnownLines) {
  const TrueRow rows[] = {
      // Vertical in V through the ground line; oblique through the ground line.
      {"VerticalInV", {0, 0, -14}, {0, 0, 14}, {3, 8, 10}, {7, 8, 10}},
      {"ObliqueThroughLT", {-37, 58, -42}, {37, -58, 42}, {6, 8}, {4, 7}},
      // The eight base cases from A = (10, 20, 30); the oblique and the profile line
      // pass through the origin, which the single name does not tell.
      {"SinglePoint", {10, 20, 30}, {10, 20, 30}, {9}, {-1}},
      {"Vertical", {10, 20, 30}, {10, 20, -30}, {3}, {8}},
      {"DePunta", {10, 20, 30}, {10, -20, 30}, {4}, {5}},
      {"DePerfil", {10, 20, 30}, {10, -20, -30}, {5, 8}, {6, 7}},
      {"ParallelToLT", {10, 20, 30}, {-10, 20, 30}, {7}, {2}},
      {"Frontal", {10, 20, 30}, {-10, 20, -30}, {2}, {1}},
      {"Horizontal", {10, 20, 30}, {-10, -20, 30}, {1}, {3}},
      {"Oblique", {10, 20, 30}, {-10, -20, -30}, {6, 8}, {4, 7}},
      {"ObliqueAwayFromLT", {10, 20, 30}, {-10, -20, 30 + 1}, {6}, {4}},
      // The overrides of the single names, now beside the base name.
      {"PointOnLT", {0, 0, 0}, {0, 0, 0}, {8}, {7}},
      {"InLT", {-20, 0, 0}, {30, 0, 0}, {10}, {11}},
      {"InV", {-20, 0, 30}, {30, 0, 50}, {2, 8, 10}, {1, 7, 10}},
      {"InH", {-20, 30, 0}, {30, 50, 0}, {1, 8, 10}, {3, 7, 9}},
      {"InVFromLT", {-20, 0, 0}, {30, 0, 50}, {2, 8, 10}, {1, 7, 10}},
      {"ParallelToLTInV", {-20, 0, 30}, {30, 0, 30}, {7, 10}, {2, 10}},
      {"DePerfilAwayFromLT", {5, 10, 10}, {5, 20, 30}, {5}, {6}},
  };
  for (const TrueRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(classify::TrueTypes(row.A, row.B), row.types);
    EXPECT_EQ(classify::TrueRelations(row.A, row.B), row.relations);
  }
}

// Over every pair of points in -3..3: sorted lists without repeats that hold the
// single codes.
TEST(TrueNames, SingleCodeIsAlwaysInTheList) {
  for (int i = 0; i < 7 * 7 * 7 * 7 * 7 * 7; ++i) {
    int k = i;
    const auto next = [&k] {
      const int v = k % 7 - 3;
      k /= 7;
      return v;
    };
    const DihedralPoint A{next(), next(), next()};
    const DihedralPoint B{next(), next(), next()};
    const std::int32_t type = classify::LineType(A, B).code;
    const std::int32_t relation = classify::LineRelation(A, B).code;
    const Codes types = classify::TrueTypes(A, B);
    const Codes relations = classify::TrueRelations(A, B);
    for (const Codes* codes : {&types, &relations}) {
      ASSERT_TRUE(std::is_sorted(codes->begin(), codes->end()));
      ASSERT_EQ(std::adjacent_find(codes->begin(), codes->end()), codes->end());
    }
    ASSERT_NE(std::find(types.begin(), types.end(), type), types.end()) << i;
    ASSERT_NE(std::find(relations.begin(), relations.end(), relation), relations.end()) << i;
  }
}

TEST(TrueNames, ExactAtTheEndsOfTheRange) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  // Alejamiento minus cota (or plus) is 0 all along, or 1 (or -1) all along.
  EXPECT_EQ(classify::TrueTypes({0, kMin, kMin}, {5, kMax, kMax}), (Codes{6, 8}));
  EXPECT_FALSE(classify::MeetsGroundLine({0, kMin, kMin + 1}, {5, kMax, kMax}));
  EXPECT_FALSE(classify::MeetsGroundLine({0, kMin, kMax}, {0, kMax, kMin}));
  EXPECT_TRUE(classify::MeetsGroundLine({0, kMin + 1, kMax}, {0, kMax, kMin + 1}));
}

}  // namespace
