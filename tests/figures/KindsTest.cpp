// The registry: every figure has its kind, each kind answers for its own figure,
// and the lists' choices come back as the codes the kind judges.
#include <gtest/gtest.h>

#include <cstdint>

#include "figures/Kind.h"

namespace {

TEST(KindsTest, EveryFigureHasItsKindAndEachKindItsOwnCount) {
  for (const scene::Figure figure :
       {scene::Figure::kPoint, scene::Figure::kLine, scene::Figure::kPlane}) {
    const figures::Kind& kind = figures::KindOf(figure);
    EXPECT_EQ(kind.Figure(), figure);
    EXPECT_EQ(figures::KindWithPoints(kind.PointCount()), &kind);
    EXPECT_FALSE(kind.Lists().empty());
  }
  EXPECT_EQ(figures::Kinds().size(), 3u);
  EXPECT_EQ(figures::KindWithPoints(4), nullptr);
}

TEST(KindsTest, ChoicesReadAsCodesAndAreJudgedByTheKind) {
  figures::ListChoices choices = figures::kNoChoices;
  choices[static_cast<int>(AnswerList::SelREcta)] = 1;  // the second type
  choices[static_cast<int>(AnswerList::DefREcta)] = 2;
  const figures::Kind& line = figures::KindOf(scene::Figure::kLine);
  const figures::Answer a = line.ReadAnswer(choices);
  EXPECT_EQ(a.chosen, 2);
  EXPECT_EQ(a.relation, 3);
  // An oblique line through a point of L.T.: "QUE CORTA A L.T." is true as well, which
  // only the detailed judgement accepts besides its own type.
  const figures::Exercise e = line.ExerciseOf({-20, 20, 30}, {40, -20, -30}, {});
  ASSERT_GT(e.trueTypes.size(), 1u);
  for (const std::int32_t type : e.trueTypes) {
    EXPECT_TRUE(line.JudgedRight(e, {type, e.relationCode}, true)) << type;
    EXPECT_EQ(line.JudgedRight(e, {type, e.relationCode}, false), type == e.classCode) << type;
  }
  EXPECT_EQ(figures::KindOf(scene::Figure::kPoint).ReadAnswer(choices).chosen, 0);  // none chosen
}

}  // namespace
