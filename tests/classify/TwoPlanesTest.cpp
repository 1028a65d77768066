// Two planes named: the relation, i's type in the line's words, the description of i,
// and whether its traces alone give i. The geometry itself is the scene's, tested there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "classify/TwoPlanes.h"
#include "classify/Vocabulary.h"

namespace {

using classify::SixPoints;

SixPoints Pair(const std::vector<DihedralPoint>& alpha, const std::vector<DihedralPoint>& beta) {
  return {{alpha[0], alpha[1], alpha[2], beta[0], beta[1], beta[2]}};
}

const std::vector<DihedralPoint> kOblique{{40, 0, 0}, {0, 60, 0}, {0, 0, 50}};
const std::vector<DihedralPoint> kParallelToLT{{0, 20, 0}, {0, 0, 30}, {10, 20, 0}};
const std::vector<DihedralPoint> kThroughLT{{0, 0, 0}, {10, 0, 0}, {0, 20, 30}};
const std::vector<DihedralPoint> kH{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
const std::vector<DihedralPoint> kAligned{{1, 2, 3}, {3, 4, 5}, {5, 6, 7}};

TEST(TwoPlanes, LineOfMeetingNamedAndDescribed) {
  struct Case {
    SixPoints points;
    const char* type;
    std::vector<std::int32_t> trueTypes;
    bool fromTraces;
  };
  const Case cases[] = {
      {Pair(kOblique, {{-30, 0, 0}, {0, 40, 0}, {0, 0, 60}}), "i: OBLICUA", {6}, true},
      // i is alpha 1 itself: in H, through a point of L.T., and horizontal.
      {Pair(kOblique, kH), "i: QUE CORTA A L.T.", {1, 8, 10}, true},
      // Both parallel to L.T.: i' is the horizontal plane's alpha 2, i the frontal's beta 1.
      {Pair({{0, 0, 20}, {10, 0, 20}, {0, 10, 20}}, {{0, 15, 0}, {10, 15, 0}, {0, 15, 10}}),
       "i: PARALELA A L.T.",
       {7},
       true},
      // Neither projects: only the profile view finds i.
      {Pair(kParallelToLT, {{0, -10, 0}, {0, 0, 40}, {10, -10, 0}}),
       "i: PARALELA A L.T.",
       {7},
       false},
      {Pair(kParallelToLT, kThroughLT), "i: PARALELA A L.T.", {7}, false},
      {Pair(kThroughLT, {{0, 0, 0}, {10, 0, 0}, {0, 30, -10}}), "i: CONTENIDA EN L.T.", {10}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    const scene::PlanesMeeting m = classify::MeetingOf(c.points);
    EXPECT_EQ(classify::TwoPlanesRelation(c.points).text, "SECANTES");
    EXPECT_EQ(classify::IntersectionType(m).text, c.type);
    EXPECT_EQ(classify::IntersectionTrueTypes(m), c.trueTypes);
    // The shown type's code is one of the true ones, as for a line AB.
    const std::int32_t code = classify::IntersectionType(m).code;
    EXPECT_NE(std::find(c.trueTypes.begin(), c.trueTypes.end(), code), c.trueTypes.end());
    EXPECT_EQ(classify::IntersectionFromTraces(c.points), c.fromTraces);
  }
  EXPECT_EQ(classify::IntersectionJson(classify::MeetingOf(cases[0].points)),
            "{\"direcci\xC3\xB3n\": [16, 78, -85], \"H\": [\"120/17\", \"840/17\", \"0\"], "
            "\"V\": [\"-40/13\", \"0\", \"700/13\"]}");
  EXPECT_EQ(classify::IntersectionJson(classify::MeetingOf(cases[1].points)),
            "{\"direcci\xC3\xB3n\": [2, -3, 0], \"H\": null, \"V\": [\"40\", \"0\", \"0\"]}");
}

TEST(TwoPlanes, RelationsWithoutALineAndWithoutAPlane) {
  struct Case {
    SixPoints points;
    std::int32_t code;
    const char* text;
    const char* word;
  };
  const Case cases[] = {
      {Pair({{0, 0, 20}, {10, 0, 20}, {0, 10, 20}}, kH), 2, "PARALELOS", "paralelos"},
      {Pair(kOblique, {{0, 60, 0}, {0, 0, 50}, {20, 30, 0}}), 3, "COINCIDENTES", "coincidentes"},
      {Pair(kAligned, kOblique), 4, "NO DEFINEN UN PLANO", "sin plano"},
      {Pair(kOblique, kAligned), 4, "NO DEFINEN UN PLANO", "sin plano"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const scene::PlanesMeeting m = classify::MeetingOf(c.points);
    EXPECT_EQ(classify::TwoPlanesRelation(c.points).code, c.code);
    EXPECT_EQ(classify::TwoPlanesRelation(c.points).text, c.text);
    EXPECT_STREQ(classify::RelationWord(m.relation), c.word);
    EXPECT_EQ(classify::IntersectionType(m).code, classify::kNoRelation);
    EXPECT_TRUE(classify::IntersectionType(m).text.empty());
    EXPECT_TRUE(classify::IntersectionFromTraces(c.points));
  }
}

}  // namespace
