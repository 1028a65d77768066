// The registry: every figure has its kind, each kind answers for its own figure,
// and the lists' choices come back as the codes the kind judges.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "figures/Description.h"
#include "figures/Kind.h"

namespace {

TEST(KindsTest, EveryFigureHasItsKindAndEachKindItsOwnCount) {
  using F = scene::Figure;
  for (const F figure :
       {F::kPoint, F::kLine, F::kPlane, F::kPointPlane, F::kLinePlane, F::kTwoPlanes}) {
    const figures::Kind& kind = figures::KindOf(figure);
    EXPECT_EQ(kind.Figure(), figure);
    EXPECT_EQ(figures::KindWithPoints(kind.PointCount()), &kind);
    EXPECT_FALSE(kind.Lists().empty());
    EXPECT_EQ(std::string(kind.PointNames()).size(), kind.PointCount());
  }
  EXPECT_EQ(figures::Kinds().size(), 6u);
  EXPECT_EQ(figures::KindWithPoints(7), nullptr);
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
  const figures::Exercise e = line.ExerciseOf({{{-20, 20, 30}, {40, -20, -30}}});
  ASSERT_GT(e.trueTypes.size(), 1u);
  for (const std::int32_t type : e.trueTypes) {
    EXPECT_TRUE(line.JudgedRight(e, {type, e.relationCode}, true)) << type;
    EXPECT_EQ(line.JudgedRight(e, {type, e.relationCode}, false), type == e.classCode) << type;
  }
  EXPECT_EQ(figures::KindOf(scene::Figure::kPoint).ReadAnswer(choices).chosen, 0);  // none chosen
}

// Each shape of the command line is one kind's; JSON strings keep UTF-8 and escape
// what would end or break them.
TEST(KindsTest, CommandLineShapesAreOneKindEachAndJsonStringsAreEscaped) {
  for (const figures::Kind* kind : figures::Kinds())
    EXPECT_EQ(figures::KindWithShape(kind->CommandLineShape()), kind) << kind->Word();
  EXPECT_EQ(figures::KindWithShape({1, 1, 0}), nullptr);
  EXPECT_EQ(figures::KindWithShape({0, 0, 3}), nullptr);
  EXPECT_EQ(figures::JsonString("α\"b\\c\n\x1f"), "\"α\\\"b\\\\c\\u000a\\u001f\"");
}

}  // namespace

// Secant planes are right only with the type of i too; parallel ones need no type.
TEST(KindsTest, TwoPlanesAskTheTypeOfTheirLineOnlyWhenTheyMeet) {
  const figures::Kind& planes = figures::KindOf(scene::Figure::kTwoPlanes);
  // z = 10 and y = 20: i is parallel to L.T.
  const figures::Exercise secant =
      planes.ExerciseOf({{{0, 0, 10}, {5, 3, 10}, {1, 7, 10}, {0, 20, 0}, {4, 20, 9}, {1, 20, 2}}});
  EXPECT_FALSE(planes.JudgedRight(secant, {secant.classCode, 0}, false));
  EXPECT_TRUE(planes.JudgedRight(secant, {secant.classCode, secant.relationCode}, false));
  EXPECT_NE(planes.Explanation(secant, {secant.classCode, 1}), "");
  const figures::Exercise parallel =
      planes.ExerciseOf({{{0, 0, 10}, {5, 3, 10}, {1, 7, 10}, {0, 0, 20}, {4, 2, 20}, {1, 9, 20}}});
  EXPECT_TRUE(planes.JudgedRight(parallel, {parallel.classCode, 0}, false));
  EXPECT_EQ(planes.RightText(parallel, {parallel.classCode}, {}), "PARALELOS");
  // A point with a plane: P on z = 10 belongs.
  const figures::Kind& point = figures::KindOf(scene::Figure::kPointPlane);
  const figures::Exercise on = point.ExerciseOf({{{0, 0, 10}, {5, 3, 10}, {1, 7, 10}, {9, 9, 10}}});
  EXPECT_EQ(point.RightText(on, on.trueTypes, {}), "SÍ");
}
