// A line known by an exact point and a direction is named as the classification
// names the line AB through two integer points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "classify/Classification.h"
#include "classify/TrueNames.h"
#include "classify/Vocabulary.h"
#include "scene/LineKinds.h"

namespace {

const classify::LineCaseWords& WordsOf(scene::LineKind kind) {
  return classify::kLineCases[static_cast<std::size_t>(kind)];
}

TEST(LineKinds, AgreeWithTheClassificationOfEveryLineOfAGrid) {
  const std::int32_t values[] = {-1, 0, 1, 2};
  std::vector<DihedralPoint> grid;
  for (std::int32_t x : values)
    for (std::int32_t y : values)
      for (std::int32_t z : values) grid.push_back({x, y, z});
  for (const DihedralPoint& A : grid) {
    for (const DihedralPoint& B : grid) {
      const scene::LineKinds kinds =
          scene::KindsOfLine(scene::ExactPointOf(A), scene::DirectionOf(A, B));
      std::vector<std::int32_t> codes;
      for (scene::LineKind k : kinds.all) codes.push_back(WordsOf(k).typeCode);
      std::sort(codes.begin(), codes.end());
      codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
      ASSERT_EQ(codes, classify::TrueTypes(A, B));
      // The single name agrees unless the line meets L.T. away from A and B, where it
      // names that meeting.
      const std::string single = classify::LineType(A, B).text;
      if (classify::OnGroundLine(A) || classify::OnGroundLine(B) ||
          !classify::MeetsGroundLine(A, B))
        ASSERT_EQ(WordsOf(kinds.shown).typeText, single);
      else
        ASSERT_EQ(kinds.shown, scene::LineKind::kCutsGroundLine);
    }
  }
}

}  // namespace
