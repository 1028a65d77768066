#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Utf8.h"
#include "classify/Classification.h"

namespace {

using classify_test::CharCount;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

const std::string kBlanks18(18, ' ');
const std::string kBlanks15(15, ' ');

// ---------------------------------------------------------------------------
// Type and relation of one line: both routines name the same case.

struct LineRow {
  const char* name;
  DihedralPoint A;
  DihedralPoint B;
  const char* typeText;
  std::int32_t typeCode;
  std::string relationText;
  std::int32_t relationCode;
};

void PrintTo(const LineRow& row, std::ostream* os) {
  *os << row.name;
}

class LineCaseTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(LineCaseTest, TypeAndRelation) {
  const LineRow& row = GetParam();
  const classify::Naming type = classify::LineType(row.A, row.B);
  EXPECT_EQ(type.text, row.typeText);
  EXPECT_EQ(type.code, row.typeCode);

  const classify::Naming relation = classify::LineRelation(row.A, row.B);
  EXPECT_EQ(relation.text, row.relationText);
  EXPECT_EQ(relation.code, row.relationCode);
}

const LineRow kLineRows[] = {
    // The eight base cases, from A = (10, 20, 30).
    {"SinglePoint", {10, 20, 30}, {10, 20, 30}, "ES UN PUNTO", 9, "-", -1},
    {"Vertical", {10, 20, 30}, {10, 20, -30}, "VERTICAL", 3, " ÷ AL H, = AL V", 8},
    {"DePunta", {10, 20, 30}, {10, -20, 30}, "DE PUNTA", 4, " = AL H, ÷ AL V ", 5},
    {"DePerfil", {10, 20, 30}, {10, -20, -30}, "DE PERFIL", 5, "/ AL H Y V,÷ A L.T.", 6},
    {"ParallelToGroundLine",
     {10, 20, 30},
     {-10, 20, 30},
     "PARALELA A L.T.",
     7,
     "= AL H ,V  Y L.T.",
     2},
    {"Frontal", {10, 20, 30}, {-10, 20, -30}, "FRONTAL", 2, " / AL H, = AL V ", 1},
    {"Horizontal", {10, 20, 30}, {-10, -20, 30}, "HORIZONTAL", 1, " = AL H / AL V ", 3},
    {"Oblique", {10, 20, 30}, {-10, -20, -30}, "OBLICUA", 6, " / AL H,V Y L.T. ", 4},

    // Plane rules replace whatever base case the line had.
    {"InV", {-20, 0, 30}, {30, 0, 50}, "CONTENIDA EN EL V.", 10, kBlanks18, 10},
    {"InH", {-20, 30, 0}, {30, 50, 0}, "CONTENIDA EN EL H.", 10, kBlanks18, 9},
    {"VerticalInV", {10, 0, 30}, {10, 0, -30}, "CONTENIDA EN EL V.", 10, kBlanks18, 10},
    {"ParallelInV", {-10, 0, 20}, {10, 0, 20}, "CONTENIDA EN EL V.", 10, kBlanks18, 10},
    {"DePuntaInH", {10, 20, 0}, {10, -20, 0}, "CONTENIDA EN EL H.", 10, kBlanks18, 9},
    {"HorizontalAcrossVInH", {10, 20, 0}, {-10, -20, 0}, "CONTENIDA EN EL H.", 10, kBlanks18, 9},
    {"ParallelInH", {-10, 20, 0}, {10, 20, 0}, "CONTENIDA EN EL H.", 10, kBlanks18, 9},

    // Ground-line rule: both end points on the ground line.
    {"InGroundLine", {-20, 0, 0}, {30, 0, 0}, "CONTENIDA EN L.T.", 10, kBlanks15, 11},

    // Crossing rule comes last: a plane line touching the ground line crosses it.
    {"InVWithAOnGroundLine",
     {-20, 0, 0},
     {30, 0, 50},
     "QUE CORTA A L.T.",
     8,
     "UN PUNTO EN L.T.",
     7},
    {"InHWithBOnGroundLine",
     {30, 50, 0},
     {-20, 0, 0},
     "QUE CORTA A L.T.",
     8,
     "UN PUNTO EN L.T.",
     7},
    {"VerticalFromGroundLine",
     {10, 0, 0},
     {10, 0, 30},
     "QUE CORTA A L.T.",
     8,
     "UN PUNTO EN L.T.",
     7},
    {"DePuntaFromGroundLine",
     {10, 0, 0},
     {10, 30, 0},
     "QUE CORTA A L.T.",
     8,
     "UN PUNTO EN L.T.",
     7},
    {"ObliqueFromGroundLine",
     {0, 0, 0},
     {10, 20, 30},
     "QUE CORTA A L.T.",
     8,
     "UN PUNTO EN L.T.",
     7},
    {"DePerfilToGroundLine",
     {10, 20, -30},
     {10, 0, 0},
     "QUE CORTA A L.T.",
     8,
     "UN PUNTO EN L.T.",
     7},

    // A single point is never contained in a plane, but may lie on the ground line.
    {"SinglePointOnGroundLineAtOrigin",
     {0, 0, 0},
     {0, 0, 0},
     "QUE CORTA A L.T.",
     8,
     "UN PUNTO EN L.T.",
     7},
    {"SinglePointOnGroundLine",
     {10, 0, 0},
     {10, 0, 0},
     "QUE CORTA A L.T.",
     8,
     "UN PUNTO EN L.T.",
     7},
    {"SinglePointInH", {10, 20, 0}, {10, 20, 0}, "ES UN PUNTO", 9, "-", -1},
    {"SinglePointInV", {10, 0, 20}, {10, 0, 20}, "ES UN PUNTO", 9, "-", -1},

    // Extreme coordinates: only equality and zero tests, nothing to overflow.
    {"ExtremeOblique", {kMin, kMax, 1}, {kMax, kMin, -1}, "OBLICUA", 6, " / AL H,V Y L.T. ", 4},
};

INSTANTIATE_TEST_SUITE_P(Rows, LineCaseTest, ::testing::ValuesIn(kLineRows),
                         [](const ::testing::TestParamInfo<LineRow>& info) {
                           return std::string(info.param.name);
                         });

TEST(LineRelation, PerpendicularSignIsUtf8DivisionSign) {
  const std::string sign = "\xC3\xB7";  // U+00F7
  EXPECT_EQ(classify::LineRelation({10, 20, 30}, {10, 20, -30}).text, " " + sign + " AL H, = AL V");
  EXPECT_EQ(classify::LineRelation({10, 20, 30}, {10, -20, 30}).text,
            " = AL H, " + sign + " AL V ");
  EXPECT_EQ(classify::LineRelation({10, 20, 30}, {10, -20, -30}).text,
            "/ AL H Y V," + sign + " A L.T.");
}

TEST(LineRelation, TextLengthsInCharacters) {
  // Lengths the display relies on; the perpendicular sign counts as one character.
  const std::pair<DihedralPoint, std::size_t> kRows[] = {
      {{-10, 20, -30}, 16},   // frontal
      {{-10, 20, 30}, 17},    // parallel to the ground line
      {{-10, -20, 30}, 15},   // horizontal
      {{-10, -20, -30}, 17},  // oblique
      {{10, -20, 30}, 16},    // de punta
      {{10, -20, -30}, 19},   // de perfil
      {{10, 20, -30}, 15},    // vertical
  };
  for (const auto& [B, length] : kRows) {
    const std::string text = classify::LineRelation({10, 20, 30}, B).text;
    EXPECT_EQ(CharCount(text), length) << '"' << text << '"';
  }
  EXPECT_EQ(CharCount(classify::LineRelation({10, 0, 0}, {30, 0, 50}).text), 16u);  // on L.T.
}

// ---------------------------------------------------------------------------
// Coordinate text of an end point.

struct CoordinateRow {
  const char* name;
  const char* letter;
  DihedralPoint P;
  std::string text;
  std::size_t chars;
};

void PrintTo(const CoordinateRow& row, std::ostream* os) {
  *os << row.name;
}

class CoordinateTextTest : public ::testing::TestWithParam<CoordinateRow> {};

TEST_P(CoordinateTextTest, FieldsAndTraceLabel) {
  const CoordinateRow& row = GetParam();
  const std::string text = classify::LineCoordinateText(row.letter, row.P);
  EXPECT_EQ(text, row.text);
  EXPECT_EQ(CharCount(text), row.chars);
  EXPECT_TRUE(classify_test::IsWholeUtf8(text));
}

const CoordinateRow kCoordinateRows[] = {
    {"HorizontalTrace", "A", {40, 40, 0}, " A=( 40, 40,  0) traza H ", 25},
    {"VerticalTraceWideField", "B", {5, 0, -110}, " B=(  5,  0,-110) traza V ", 26},
    {"GroundLineIsHorizontalTrace", "A", {0, 0, 0}, " A=(  0,  0,  0) traza H ", 25},
    {"NoTrace", "A", {1, 2, 3}, " A=(  1,  2,  3)", 16},
    {"FullFields", "B", {-90, 110, -140}, " B=(-90,110,-140)", 17},
    {"NegativeOneDigit", "A", {-5, -1, 7}, " A=( -5, -1,  7)", 16},
    {"ExactlyForty", "A", {kMin, kMin, kMin}, " A=(-2147483648,-2147483648,-2147483648)", 40},
    // Forty characters with the label: nothing is cut.
    {"FortyWithLabel", "A", {kMax, 0, kMin}, " A=(2147483647,  0,-2147483648) traza V ", 40},
    // 41 characters: the trailing blank of the label is cut.
    {"CutToForty", "A", {kMin, 0, kMin}, " A=(-2147483648,  0,-2147483648) traza V", 40},
};

INSTANTIATE_TEST_SUITE_P(Rows, CoordinateTextTest, ::testing::ValuesIn(kCoordinateRows),
                         [](const ::testing::TestParamInfo<CoordinateRow>& info) {
                           return std::string(info.param.name);
                         });

TEST(LineCoordinateText, CutsOnCodePointBoundaries) {
  const auto letters = [](int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += "\xC3\xA9";  // é, two bytes
    return out;
  };
  const std::string letters39 = letters(39);
  const std::string letters40 = letters(40);

  // " " + 39 two-byte letters is exactly 40 characters: the text ends there.
  std::string text = classify::LineCoordinateText(letters39, {1, 2, 3});
  EXPECT_EQ(text, " " + letters39);
  EXPECT_EQ(CharCount(text), 40u);
  EXPECT_TRUE(classify_test::IsWholeUtf8(text));

  // One more letter: the 40th is kept whole, nothing of the 41st remains.
  text = classify::LineCoordinateText(letters40, {1, 2, 3});
  EXPECT_EQ(text, " " + letters39);
  EXPECT_TRUE(classify_test::IsWholeUtf8(text));
}

// ---------------------------------------------------------------------------
// Every pair of points on a small grid: the two codes agree, the texts match the
// codes, and the case is the one the geometry names.

struct Names {
  std::string type;
  std::int32_t relation;
};

// The case of AB told from the geometry directly, by priority rather than by the
// order of the override rules.
Names ExpectedCase(const DihedralPoint& A, const DihedralPoint& B) {
  const auto onGroundLine = [](const DihedralPoint& P) {
    return P.alejamiento == 0 && P.cota == 0;
  };
  if (onGroundLine(A) && onGroundLine(B) && A != B) return {"CONTENIDA EN L.T.", 11};
  if (onGroundLine(A) || onGroundLine(B)) return {"QUE CORTA A L.T.", 7};
  if (A == B) return {"ES UN PUNTO", -1};
  if (A.cota == 0 && B.cota == 0) return {"CONTENIDA EN EL H.", 9};
  if (A.alejamiento == 0 && B.alejamiento == 0) return {"CONTENIDA EN EL V.", 10};
  const bool x = A.abscissa == B.abscissa;
  const bool y = A.alejamiento == B.alejamiento;
  const bool z = A.cota == B.cota;
  if (x && y) return {"VERTICAL", 8};
  if (x && z) return {"DE PUNTA", 5};
  if (x) return {"DE PERFIL", 6};
  if (y && z) return {"PARALELA A L.T.", 2};
  if (y) return {"FRONTAL", 1};
  if (z) return {"HORIZONTAL", 3};
  return {"OBLICUA", 4};
}

TEST(LineClassificationGrid, CodesAndTextsDescribeTheSameCase) {
  const std::map<std::string, std::int32_t> kTypeCodeOf = {
      {"HORIZONTAL", 1},
      {"FRONTAL", 2},
      {"VERTICAL", 3},
      {"DE PUNTA", 4},
      {"DE PERFIL", 5},
      {"OBLICUA", 6},
      {"PARALELA A L.T.", 7},
      {"QUE CORTA A L.T.", 8},
      {"ES UN PUNTO", 9},
      {"CONTENIDA EN EL V.", 10},
      {"CONTENIDA EN EL H.", 10},
      {"CONTENIDA EN L.T.", 10},
  };
  // Relation code -> its text and the one type code it may go with.
  const std::map<std::int32_t, std::pair<std::string, std::int32_t>> kRelation = {
      {1, {" / AL H, = AL V ", 2}},  {2, {"= AL H ,V  Y L.T.", 7}}, {3, {" = AL H / AL V ", 1}},
      {4, {" / AL H,V Y L.T. ", 6}}, {5, {" = AL H, ÷ AL V ", 4}},  {6, {"/ AL H Y V,÷ A L.T.", 5}},
      {7, {"UN PUNTO EN L.T.", 8}},  {8, {" ÷ AL H, = AL V", 3}},   {9, {kBlanks18, 10}},
      {10, {kBlanks18, 10}},         {11, {kBlanks15, 10}},         {-1, {"-", 9}},
  };

  std::vector<DihedralPoint> grid;
  for (std::int32_t x = -2; x <= 2; ++x)
    for (std::int32_t y = -2; y <= 2; ++y)
      for (std::int32_t z = -2; z <= 2; ++z) grid.push_back({x, y, z});

  std::set<std::int32_t> typesSeen, relationsSeen;
  for (const DihedralPoint& A : grid) {
    for (const DihedralPoint& B : grid) {
      const auto [typeCode, type] = classify::LineType(A, B);
      const auto [relationCode, relation] = classify::LineRelation(A, B);
      const auto where = [&] {
        return "A=(" + std::to_string(A.abscissa) + "," + std::to_string(A.alejamiento) + "," +
               std::to_string(A.cota) + ") B=(" + std::to_string(B.abscissa) + "," +
               std::to_string(B.alejamiento) + "," + std::to_string(B.cota) + ")";
      };

      // Text and code agree.
      const auto type_it = kTypeCodeOf.find(type);
      ASSERT_NE(type_it, kTypeCodeOf.end()) << where() << " type \"" << type << '"';
      ASSERT_EQ(type_it->second, typeCode) << where();
      const auto rel_it = kRelation.find(relationCode);
      ASSERT_NE(rel_it, kRelation.end()) << where() << " relation code " << relationCode;
      ASSERT_EQ(rel_it->second.first, relation) << where();

      // The two codes describe the same case.
      ASSERT_EQ(rel_it->second.second, typeCode) << where();
      if (typeCode == 9) {
        ASSERT_EQ(A, B) << where();
      }
      if (A == B) {
        const bool onGroundLine = A.alejamiento == 0 && A.cota == 0;
        ASSERT_EQ(typeCode, onGroundLine ? 8 : 9) << where();
        ASSERT_EQ(relationCode, onGroundLine ? 7 : -1) << where();
      }

      // The case is the one the geometry names, and the order of A and B is irrelevant.
      const Names expected = ExpectedCase(A, B);
      ASSERT_EQ(type, expected.type) << where();
      ASSERT_EQ(relationCode, expected.relation) << where();
      ASSERT_EQ(classify::LineType(B, A).text, type) << where();
      ASSERT_EQ(classify::LineRelation(B, A).text, relation) << where();

      typesSeen.insert(typeCode);
      relationsSeen.insert(relationCode);
    }
  }
  // The grid reaches every case, so none of the checks above was vacuous.
  EXPECT_EQ(typesSeen.size(), 10u);
  EXPECT_EQ(relationsSeen.size(), 12u);
}

}  // namespace
