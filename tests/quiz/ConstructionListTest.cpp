// A list's "construir:" lines: the kind named by the points, and a line refused
// with its number when it has no construction, does not fit the 170 x 116 mm it is
// printed in, or is not a construction at all.
#include <gtest/gtest.h>

#include <string>

#include "quiz/ConstructionSheet.h"
#include "quiz/ExerciseList.h"

namespace {

using classify::ConstructionKind;

TEST(ConstructionListTest, PointsNameTheKindAndALineThatCannotBeSetIsRefusedWithItsNumber) {
  const std::string plane = "A(0,0,0) B(40,30,0) C(-30,0,40) ";
  const auto list = quiz::ParseExerciseList(
      "A(10,20,30)\n"
      "construir: A(-30,20,30) B(30,5,10)\n"
      "CONSTRUIR : " +
          plane + "P(10,20,0)  # p'\n" + "construir: " + plane + "D(-20,30,10) E(20,10,30)\n" +
          "construir: " + plane + "D(20,0,0) E(40,40,0) F(50,0,30)\n",
      "l.txt");
  ASSERT_EQ(list.fault, "");
  EXPECT_EQ(list.exercises.size(), 1u);
  ASSERT_EQ(list.constructions.size(), 4u);
  const ConstructionKind kinds[] = {ConstructionKind::kLineTraces,
                                    ConstructionKind::kMissingProjection,
                                    ConstructionKind::kLinePlane, ConstructionKind::kTwoPlanes};
  for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(list.constructions[k].kind, kinds[k]) << k;
  EXPECT_EQ(list.constructions[1].points[3].alejamiento, 20);

  const struct {
    std::string text;
    std::string fault;
  } refused[] = {
      // v' lies 120 mm from the middle.
      {"A(1,2,3)\n\nconstruir: A(-40,20,30) B(40,10,10)",
       "l.txt, línea 3: «construir: A(-40,20,30) B(40,10,10)»: el ejercicio y su construcción "
       "no caben en 170 × 116 mm"},
      {"construir: A(10,20,30) B(10,20,30)",
       "l.txt, línea 1: «construir: A(10,20,30) "
       "B(10,20,30)»: no tiene construcción: A y B coinciden"},
      {"construir: " + plane, "un ejercicio de construcción da una recta (A B)"},
      {"construir: A(1,2,3) B(4,5,6) cuadrantes",
       "«cuadrantes» no es un ejercicio de construcción"},
      {"construir A(1,2,3) B(4,5,6)", "después de «construir» se esperaba «:»"},
  };
  for (const auto& r : refused) {
    const auto result = quiz::ParseExerciseList(r.text, "l.txt");
    EXPECT_NE(result.fault.find(r.fault), std::string::npos) << result.fault;
    EXPECT_TRUE(result.exercises.empty() && result.constructions.empty());
  }
  EXPECT_NE(
      quiz::ParseExerciseList("construir: A(1,2,3) B(4,5,6)", "l.txt", quiz::ListReading::kDescribe)
          .fault.find("solo vale en una hoja"),
      std::string::npos);
}

// A sheet's own constructions: each one can be set, a seed repeats them, and a
// mixed sheet gives them one exercise in four only when asked.
TEST(ConstructionListTest, SheetConstructionsFitAndComeOnlyWhenAsked) {
  const auto drawn = quiz::SheetConstructions(12, 7);
  ASSERT_EQ(drawn.size(), 12u);
  for (const quiz::ConstructionExercise& e : drawn) EXPECT_EQ(quiz::ConstructionFault(e), "");
  EXPECT_EQ(quiz::SheetConstructions(12, 7)[11].points, drawn[11].points);
  quiz::SheetRequest request;
  request.count = 10;
  request.seed = 7;
  EXPECT_TRUE(quiz::SheetContentsOf(request).constructions.empty());
  request.constructions = true;
  const quiz::SheetContents mixed = quiz::SheetContentsOf(request);
  EXPECT_EQ(mixed.naming.size(), 7u);
  EXPECT_EQ(mixed.constructions.size(), 3u);
  request.kind = quiz::SheetKind::kConstructions;
  EXPECT_EQ(quiz::SheetContentsOf(request).constructions.size(), 10u);
}

}  // namespace
