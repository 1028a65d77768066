#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "Utf8.h"
#include "classify/Classification.h"

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct PointRow {
  const char* name;
  std::int32_t alejamiento;
  std::int32_t cota;
  const char* text;
  std::int32_t code;
};

void PrintTo(const PointRow& row, std::ostream* os) {
  *os << row.name;
}

class PointLocationTest : public ::testing::TestWithParam<PointRow> {};

TEST_P(PointLocationTest, NamesLocationAndCode) {
  const PointRow& row = GetParam();
  const classify::Naming location = classify::PointLocation(row.alejamiento, row.cota);
  EXPECT_EQ(location.text, row.text);
  EXPECT_EQ(location.code, row.code);
}

const PointRow kPointRows[] = {
    {"FirstQuadrant", 3, 9, "Primer Cuadrante", 1},
    {"FirstQuadrantBisector", 5, 5, "Primer Cuadrante BISECTOR ", 1},
    {"SecondQuadrant", -3, 9, "Segundo Cuadrante", 2},
    {"SecondQuadrantBisector", -7, 7, "Segundo Cuadrante BISECTOR ", 2},
    {"ThirdQuadrant", -3, -9, "Tercer Cuadrante", 3},
    {"ThirdQuadrantBisector", -6, -6, "Tercer Cuadrante BISECTOR ", 3},
    {"FourthQuadrant", 9, -3, "Cuarto Cuadrante", 4},
    {"FourthQuadrantBisector", 4, -4, "Cuarto Cuadrante BISECTOR ", 4},
    {"HorizontalFront", 10, 0, "Horizontal Anter.", 5},
    {"HorizontalBack", -10, 0, "Horizontal Poster.", 6},
    {"VerticalUpper", 0, 12, "Vertical Superior", 7},
    {"VerticalLower", 0, -12, "Vertical Inferior", 8},
    // Both absolute values are equal here, yet the ground line carries no suffix.
    {"GroundLineHasNoSuffix", 0, 0, "Línea de Tierra", 9},
    {"NearBisectorIsNot", 5, 6, "Primer Cuadrante", 1},
    // The absolute value of the most negative int32 does not fit: no overflow allowed.
    {"MostNegativeOnBisector", kMin, kMin, "Tercer Cuadrante BISECTOR ", 3},
    {"MostNegativeAgainstMaxIsNotBisector", kMax, kMin, "Cuarto Cuadrante", 4},
    {"MaxAgainstMostNegativeIsNotBisector", kMin, kMax, "Segundo Cuadrante", 2},
    {"MaxAgainstNegatedMaxIsBisector", -kMax, kMax, "Segundo Cuadrante BISECTOR ", 2},
    {"ExtremeOnHorizontalPlane", kMin, 0, "Horizontal Poster.", 6},
};

INSTANTIATE_TEST_SUITE_P(Rows, PointLocationTest, ::testing::ValuesIn(kPointRows),
                         [](const ::testing::TestParamInfo<PointRow>& info) {
                           return std::string(info.param.name);
                         });

TEST(PointLocation, BisectorTextIsTwentySixCharactersEndingInBlank) {
  const std::string text = classify::PointLocation(-3, -3).text;
  EXPECT_EQ(classify_test::CharCount(text), 26u);
  EXPECT_EQ(text.back(), ' ');
}

TEST(PointLocation, GridCodesFollowTheSigns) {
  // Each sign pair has one code, whatever the magnitudes.
  for (std::int32_t a = -4; a <= 4; ++a) {
    for (std::int32_t c = -4; c <= 4; ++c) {
      SCOPED_TRACE("alejamiento " + std::to_string(a) + ", cota " + std::to_string(c));
      const auto [code, text] = classify::PointLocation(a, c);
      const int row = a > 0 ? 0 : (a == 0 ? 1 : 2);
      const int col = c > 0 ? 0 : (c == 0 ? 1 : 2);
      constexpr std::int32_t kCodes[3][3] = {{1, 5, 4}, {7, 9, 8}, {2, 6, 3}};
      EXPECT_EQ(code, kCodes[row][col]);
      const bool suffixed =
          text.size() > 10 && text.compare(text.size() - 10, 10, " BISECTOR ") == 0;
      EXPECT_EQ(suffixed, a != 0 && c != 0 && (a == c || a == -c)) << text;
      EXPECT_LE(classify_test::CharCount(text), 40u);
    }
  }
}

}  // namespace
