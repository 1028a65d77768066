// Plane exercises in test mode: about one in three with the option on, every type,
// drawn as set with the type hidden, judged, scored and recorded; the detailed
// correction's extra names for H and V and its sentences.
#include <cstdlib>
#include <random>
#include <set>
#include <string>

#include "QuizFixture.h"
#include "classify/Planes.h"
#include "quiz/DetailedMode.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "scene/PlaneScene.h"

namespace {

std::size_t Chars(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0u) != 0x80u;
  return n;
}

class PlaneQuiz : public QuizTest {
 protected:
  void SetUp() override {
    QuizTest::SetUp();
    quiz::SetRandomSource([this](std::int32_t n) {
      return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
    });
    quiz::PlaneExercisesOn = true;
    drawing::Select320x200();  // the bounds after an edit
  }
  // TEST until a plane exercise waits; false when none came in 50.
  bool NextPlane() {
    for (int k = 0; k < 50; ++k) {
      window.ocultarbotones();
      // A point edited before TEST must not move the plane set.
      scene::EditPoint = DihedralPoint{1, 2, 3};
      canvas.Clear();
      quiz::NewExercise();
      if (quiz::CurrentExercise.planeMode) return true;
    }
    return false;
  }
  bool Check(int planeIndex) {
    window.planeListChoice = planeIndex;
    const std::int32_t hits = scene::TestHits;
    quiz::CheckAnswer();
    return scene::TestHits != hits;
  }
  std::mt19937 generator{7u};
};

TEST_F(PlaneQuiz, AboutOneInThreeEveryTypeWithinBoundsAndDrawnAsSet) {
  std::set<std::int32_t> types;
  int planes = 0;
  const int n = 600;
  for (int i = 0; i < n; ++i) {
    window.ocultarbotones();
    canvas.Clear();
    quiz::NewExercise();
    const quiz::Exercise& e = quiz::CurrentExercise;
    ASSERT_EQ(e.planeMode, scene::PlaneMode);
    ASSERT_EQ(window.planeListVisible, e.planeMode);
    if (!e.planeMode) continue;
    ++planes;
    // Only SelPlano is shown, and the plane drawn is the one judged.
    ASSERT_FALSE(window.listVisible[0] || window.listVisible[1] || window.listVisible[2]);
    ASSERT_TRUE(scene::PointA == e.A && scene::PointB == e.B && scene::PointC == e.C);
    ASSERT_TRUE(scene::SelectedA && !scene::SelectedC && scene::EditPoint == e.A);
    for (const DihedralPoint& p : {e.A, e.B, e.C}) {
      ASSERT_LT(std::abs(p.abscissa), 97);
      ASSERT_LT(std::abs(p.alejamiento), 144);
      ASSERT_LT(std::abs(p.cota), 144);
    }
    classify::PlaneType(e.A, e.B, e.C);
    ASSERT_EQ(classify::ClassCode, e.classCode);
    types.insert(e.classCode);
  }
  EXPECT_NEAR(planes, n / 3, n / 12);
  for (std::int32_t code = 1; code <= 8; ++code) EXPECT_EQ(types.count(code), 1u) << code;
}

TEST_F(PlaneQuiz, TypeHiddenUntilTheCheckThenScoredAndRecorded) {
  ASSERT_TRUE(NextPlane());
  const quiz::Exercise e = quiz::CurrentExercise;
  const std::string name = classify::PlaneType(e.A, e.B, e.C);
  for (const std::string& t : Texts()) EXPECT_EQ(t.find(name), std::string::npos) << t;

  canvas.Clear();
  EXPECT_TRUE(Check(e.classCode - 1));
  EXPECT_TRUE(Drew("570 355 " + name));
  EXPECT_TRUE(Drew("375 300  C O R R E C T O "));
  EXPECT_FALSE(window.planeListVisible);

  ASSERT_TRUE(NextPlane());
  const quiz::Exercise f = quiz::CurrentExercise;
  EXPECT_FALSE(Check(f.classCode % 10));  // the next item: wrong
  EXPECT_EQ(scene::TestHits, 1);
  EXPECT_EQ(scene::TestMisses, 1);

  const auto table = quiz::ResultsTable();
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[1][1], "Plano");
  EXPECT_EQ(table[1][2], quiz::Coordinates("A", e.A) + " " + quiz::Coordinates("B", e.B) + " " +
                             quiz::Coordinates("C", e.C));
  EXPECT_EQ(table[1][3], quiz::PlaneTypeName(e.classCode));
  EXPECT_EQ(table[1][5], "Correcto");
  EXPECT_EQ(table[2][3], quiz::PlaneTypeName(f.classCode % 10 + 1));
  EXPECT_EQ(table[2][5], "Incorrecto");
}

TEST_F(PlaneQuiz, OffTakesNoDrawAndSetsNoPlane) {
  quiz::PlaneExercisesOn = false;
  for (int i = 0; i < 60; ++i) {
    window.ocultarbotones();
    quiz::NewExercise();
    ASSERT_FALSE(scene::PlaneMode || quiz::CurrentExercise.planeMode || window.planeListVisible);
  }
  // The scripted set-up of the other suites: exactly the seed's twelve draws.
  random.Install();
  PressTest(Draws{});
}

// The plane H and V, by default and in the detailed mode; and the results name them.
TEST(PlaneJudgement, HAndVAcceptTheirOtherNamesOnlyInTheDetailedMode) {
  const DihedralPoint a{0, 10, 0}, b{20, 30, 0}, c{5, -7, 0};
  classify::PlaneType(a, b, c);
  quiz::RecordPlaneExercise(a, b, c);
  const quiz::Exercise h = quiz::CurrentExercise;
  for (std::int32_t code : {1, 7, 9}) {
    EXPECT_TRUE(quiz::JudgedRight(h, {code, 0}, true)) << code;
    EXPECT_EQ(quiz::JudgedRight(h, {code, 0}, false), code == 9) << code;
  }
  EXPECT_FALSE(quiz::JudgedRight(h, {2, 0}, true));
  EXPECT_EQ(quiz::Explanation(h, {7, 0}), "");
  EXPECT_EQ(quiz::Explanation(h, {2, 0}), "A, B y C tienen cota 0: es el plano H.");

  const DihedralPoint v[3] = {{0, 0, 10}, {20, 0, 30}, {5, 0, -7}};
  classify::PlaneType(v[0], v[1], v[2]);
  quiz::RecordPlaneExercise(v[0], v[1], v[2]);
  const quiz::Exercise ve = quiz::CurrentExercise;
  for (std::int32_t code : {2, 7, 9}) EXPECT_TRUE(quiz::JudgedRight(ve, {code, 0}, true));
  EXPECT_FALSE(quiz::JudgedRight(ve, {1, 0}, true));

  quiz::Results.clear();
  quiz::RecordResult(h, {1, 0}, true, true);
  EXPECT_EQ(quiz::ResultsTable()[1][4], "ES EL PLANO H o HORIZONTAL o QUE PASA POR L.T.");
  quiz::ResetQuiz();
}

TEST(PlaneJudgement, OneSentencePerTypeFromTheCoordinates) {
  const auto why = [](DihedralPoint a, DihedralPoint b, DihedralPoint c) {
    classify::PlaneType(a, b, c);
    quiz::RecordPlaneExercise(a, b, c);
    const quiz::Exercise e = quiz::CurrentExercise;
    return quiz::Explanation(e, {e.classCode % 10 + 1, 0});
  };
  EXPECT_EQ(why({0, 10, 30}, {20, 30, 30}, {5, -7, 30}),
            "A, B y C tienen la misma cota (30): el plano es horizontal.");
  EXPECT_EQ(why({0, -20, 30}, {20, -20, 10}, {5, -20, -7}),
            "A, B y C tienen el mismo alejamiento (-20): el plano es frontal.");
  EXPECT_EQ(why({15, 0, 30}, {15, 20, 10}, {15, 5, -7}),
            "A, B y C tienen la misma abscisa (15): el plano es de perfil.");
  EXPECT_EQ(why({10, 20, 30}, {40, -10, 5}, {10, 20, -50}),
            "a y c coinciden en (10,20): el plano es proyectante horizontal.");
  EXPECT_EQ(why({10, 20, 30}, {40, -10, 5}, {10, 60, 30}),
            "a' y c' coinciden en (10,30): el plano es proyectante vertical.");
  EXPECT_EQ(why({10, 20, 30}, {40, 20, 30}, {10, 60, -5}),
            "A y B tienen alejamiento 20 y cota 30: el plano es paralelo a L.T.");
  EXPECT_EQ(why({10, 0, 0}, {40, 20, 30}, {-5, -20, -30}),
            "A, B y C tienen cota = 3/2 × alejamiento: el plano pasa por L.T.");
  EXPECT_EQ(why({10, 0, 0}, {40, 20, 20}, {-5, -20, -20}),
            "A, B y C tienen cota = alejamiento: es el primer bisector, por L.T.");
  EXPECT_EQ(why({0, 0, 60}, {60, 0, 0}, {0, 60, 0}),
            "α1 y α2 cortan a L.T. en x = 60, oblicuas: el plano es oblicuo.");
  EXPECT_EQ(why({0, 0, 10}, {20, 0, 30}, {5, 0, -7}),
            "A, B y C tienen alejamiento 0: es el plano V.");
  EXPECT_EQ(why({10, 20, 30}, {40, 50, 60}, {10, 20, 30}),
            "A y C coinciden en (10,20,30): no definen un plano.");
  EXPECT_EQ(why({0, 0, 0}, {10, 20, 30}, {30, 60, 90}),
            "C - A = 3 (B - A): A, B y C están alineados, no hay plano.");
  quiz::ResetQuiz();
}

// Over many generated planes and every wrong answer: one sentence, short enough for
// the strip beside the title; none for a right one.
TEST(PlaneJudgement, SentencesOfGeneratedPlanesFitTheStrip) {
  std::mt19937 generator(11u);
  const quiz::RandomSource random = [&generator](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
  for (int i = 0; i < 2000; ++i) {
    const quiz::GeneratedExercise g =
        quiz::DrawPlaneExercise(random, quiz::ExerciseBounds{97, 144}, i % 10 + 1);
    classify::PlaneType(g.a, g.b, g.c);
    quiz::RecordPlaneExercise(g.a, g.b, g.c);
    const quiz::Exercise e = quiz::CurrentExercise;
    for (std::int32_t chosen = 0; chosen <= 10; ++chosen) {
      const std::string s = quiz::Explanation(e, {chosen, 0});
      ASSERT_EQ(s.empty(), quiz::JudgedRight(e, {chosen, 0}, true));
      ASSERT_LE(Chars(s), 70u) << s;
    }
  }
  quiz::ResetQuiz();
}

}  // namespace
