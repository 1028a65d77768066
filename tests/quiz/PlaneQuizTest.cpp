// Plane exercises in test mode: about one in three with the option on, none and no
// extra draw with it off; the detailed correction's extra names and sentences.
#include <cstddef>
#include <cstdlib>
#include <random>
#include <set>
#include <string>

#include "QuizFixture.h"
#include "classify/Planes.h"
#include "quiz/DetailedMode.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "scene/Scene.h"

namespace {

class PlaneQuiz : public QuizTest {};

TEST_F(PlaneQuiz, AboutOneInThreeEveryTypeDrawnAsSetTypeHidden) {
  std::mt19937 generator(7u);
  quiz::SetRandomSource([&](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  });
  quiz.PlaneExercisesOn = true;
  std::set<std::int32_t> types;
  int planes = 0;
  for (int i = 0; i < 600; ++i) {
    window.ocultarbotones();
    scene.EditPoint = DihedralPoint{1, 2, 3};  // an edit before TEST moves nothing
    canvas.Clear();
    NewExercise();
    const quiz::Exercise& e = quiz.CurrentExercise;
    ASSERT_EQ(window.planeListVisible, (e.figure == scene::Figure::kPlane));
    ASSERT_EQ(scene.IsPlane(), (e.figure == scene::Figure::kPlane));
    if (e.figure != scene::Figure::kPlane) continue;
    ++planes;
    types.insert(e.classCode);
    ASSERT_FALSE(window.listVisible[0] || window.listVisible[1] || window.listVisible[2]);
    ASSERT_TRUE(scene.PointA == e.A && scene.PointB == e.B && scene.PointC == e.C);
    for (const DihedralPoint& p : {e.A, e.B, e.C})
      ASSERT_TRUE(std::abs(p.abscissa) < 97 && std::abs(p.alejamiento) < 144 &&
                  std::abs(p.cota) < 144);
    const auto [code, name] = classify::PlaneType(e.A, e.B, e.C);
    ASSERT_EQ(code, e.classCode);
    for (const std::string& t : Texts()) ASSERT_EQ(t.find(name), std::string::npos) << t;
  }
  EXPECT_NEAR(planes, 200, 50);
  for (std::int32_t code = 1; code <= 8; ++code) EXPECT_EQ(types.count(code), 1u) << code;
}

TEST_F(PlaneQuiz, OffTakesNoDrawAndSetsNoPlane) {
  PressTest(Draws{});  // exactly the seed's draws
  EXPECT_FALSE(scene.IsPlane() || (quiz.CurrentExercise.figure == scene::Figure::kPlane) ||
               window.planeListVisible);
}

quiz::Exercise PlaneOf(const DihedralPoint& a, const DihedralPoint& b, const DihedralPoint& c) {
  return quiz::PlaneExerciseOf(a, b, c);
}

TEST(PlaneJudgement, HAndVTakeTheirOtherNamesInTheDetailedModeAndWrongAnswersASentence) {
  const quiz::Exercise h = PlaneOf({0, 10, 0}, {20, 30, 0}, {5, -7, 0});
  const quiz::Exercise v = PlaneOf({0, 0, 10}, {20, 0, 30}, {5, 0, -7});
  for (std::int32_t code : {1, 7, 9}) {
    EXPECT_TRUE(quiz::JudgedRight(h, {code, 0}, true));
    EXPECT_EQ(quiz::JudgedRight(h, {code, 0}, false), code == 9);
    EXPECT_TRUE(quiz::JudgedRight(v, {code == 1 ? 2 : code, 0}, true));
  }
  EXPECT_FALSE(quiz::JudgedRight(v, {1, 0}, true));
  EXPECT_EQ(quiz::Explanation(h, {7, 0}), "");
  EXPECT_EQ(quiz::Explanation(h, {2, 0}),
            "A, B y C tienen cota 0: es el plano H, sin α1; su α2 es L.T.");
  EXPECT_EQ(quiz::Explanation(v, {3, 0}),
            "A, B y C tienen alejamiento 0: es el plano V, sin α2; su α1 es L.T.");
  // "OBLICUO" is ruled out by the fact that makes the plane of its type.
  const auto why = [](const quiz::Exercise& e) { return quiz::Explanation(e, {8, 0}); };
  EXPECT_EQ(why(PlaneOf({0, 10, 30}, {20, 30, 30}, {5, -7, 30})),
            "A, B y C tienen la misma cota (30): el plano es horizontal.");
  EXPECT_EQ(why(PlaneOf({10, 0, 0}, {40, 20, 30}, {-5, -20, -30})),
            "A, B y C tienen cota = 3/2 × alejamiento: el plano pasa por L.T.");

  // Generated planes of every type, every wrong answer: one sentence that fits
  // the strip beside the title (as a line's, 70 characters).
  std::mt19937 generator(11u);
  const quiz::RandomSource random = [&](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
  for (int i = 0; i < 1000; ++i) {
    const quiz::GeneratedExercise g = quiz::DrawPlaneExercise(random, {97, 144}, i % 10 + 1);
    const quiz::Exercise e = PlaneOf(g.a, g.b, g.c);
    for (std::int32_t chosen = 0; chosen <= 10; ++chosen) {
      const std::string s = quiz::Explanation(e, {chosen, 0});
      ASSERT_EQ(s.empty(), quiz::JudgedRight(e, {chosen, 0}, true));
      // A wrong name of the first five is named as ruled out.
      static const char* const kNot[] = {"",
                                         "horizontal.",
                                         "frontal.",
                                         "de perfil.",
                                         "proyectante horizontal.",
                                         "proyectante vertical."};
      if (!s.empty() && chosen >= 1 && chosen <= 5 && e.classCode < 9) {
        ASSERT_EQ(s.substr(s.rfind("no es ") + 6), kNot[chosen]) << s;
      }
      std::size_t chars = 0;
      for (unsigned char c : s) chars += (c & 0xC0u) != 0x80u;
      ASSERT_LE(chars, 70u) << s;
    }
  }
  quiz::ResetQuiz();
}

// Perpendicular to H is proyectante horizontal, to V proyectante vertical, whatever
// finer name the plane has; a wrong name gets the fact that rules it out.
TEST(PlaneJudgement, ProjectingNamesCountAndEachWrongNameGetsItsOwnReason) {
  const quiz::Exercise frontal = PlaneOf({0, 20, 10}, {30, 20, 40}, {-5, 20, -7});
  const quiz::Exercise horizontal = PlaneOf({0, 10, 30}, {20, 30, 30}, {5, -7, 30});
  const quiz::Exercise profile = PlaneOf({15, 10, 30}, {15, 30, -5}, {15, -7, 8});
  const quiz::Exercise h = PlaneOf({0, 10, 0}, {20, 30, 0}, {5, -7, 0});
  const quiz::Exercise v = PlaneOf({0, 0, 10}, {20, 0, 30}, {5, 0, -7});
  for (const auto& [e, code] :
       {std::pair{frontal, 4}, {horizontal, 5}, {profile, 4}, {profile, 5}, {h, 5}, {v, 4}})
    EXPECT_TRUE(quiz::JudgedRight(e, {code, 0}, true)) << code;
  EXPECT_FALSE(quiz::JudgedRight(frontal, {5, 0}, true));
  EXPECT_FALSE(quiz::JudgedRight(frontal, {4, 0}, false));  // by default only its own

  // A parallel plane answered "QUE PASA POR L.T." (A and B at alejamiento -100, cota
  // -92): where its traces run, off L.T.
  const quiz::Exercise parallel = PlaneOf({0, -100, -92}, {50, -100, -92}, {0, 20, 10});
  EXPECT_EQ(quiz::Explanation(parallel, {7, 0}),
            "α1 (alejamiento 8,24) y α2 (cota -7): el plano no pasa por L.T.");
  EXPECT_EQ(quiz::Explanation(horizontal, {6, 0}),
            "A, B y C tienen cota 30: es paralelo a H, no solo a L.T.");
  EXPECT_EQ(quiz::Explanation(profile, {9, 0}),
            "A tiene cota 30 y alejamiento 10: el plano no es H ni V.");
  EXPECT_EQ(quiz::Explanation(profile, {10, 0}), "A, B y C no están alineados: definen un plano.");
  quiz::ResetQuiz();
}

}  // namespace

namespace {

// With plane exercises on, TEST also sets a point, a line or a second plane with a
// plane, in its own lists, judged by its kind; a wrong answer is explained, and the
// results name every point.
TEST_F(PlaneQuiz, FiguresWithAPlaneComeUpAndAreJudgedByTheirKind) {
  std::mt19937 generator(4u);  // SÍ and NO, a secant line, secant planes
  quiz::SetRandomSource([&](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  });
  quiz.PlaneExercisesOn = true;
  quiz::SetDetailedMode(quiz, scene, true);
  for (int k = 0; k < 6; ++k) {
    const auto figure = static_cast<scene::Figure>(3 + k / 2);  // two of each, from P
    const bool right = k % 2 == 0;
    for (int tries = 0; tries == 0 || (quiz.CurrentExercise.figure != figure && tries < 60);
         ++tries) {
      window.ocultarbotones();
      canvas.Clear();
      NewExercise();
    }
    const quiz::Exercise e = quiz.CurrentExercise;
    ASSERT_TRUE(e.figure == figure && scene.Point(3 + k / 2) == e.more[k / 2]);
    const std::size_t list = static_cast<std::size_t>(k / 2);  // SelPlanos for two planes
    EXPECT_TRUE(window.figureListVisible[list] && window.figureListVisible[3] == (list == 2));
    const std::int32_t chosen = right ? e.classCode : e.classCode % 2 + 1;
    window.figureListChoice[list] = chosen - 1;
    window.figureListChoice[3] = e.relationCode - 1;
    // i' of a secant line or secant planes waits for the answer, then comes at once.
    const auto meets = [this] {
      for (const std::string& t : Texts())
        if (t.size() > 3 && t.compare(t.size() - 3, 3, " i'") == 0) return true;
      return false;
    };
    EXPECT_FALSE(meets());
    canvas.Clear();
    CheckAnswer();
    EXPECT_EQ(meets(), e.classCode == (list == 2 ? 1 : list == 1 ? 3 : 0));
    const std::string why = figures::KindOf(figure).Explanation(e, {chosen, e.relationCode});
    EXPECT_TRUE(quiz.Results.back().right == right && why.empty() == right);
    EXPECT_EQ(Drew("104 26 " + why), !right);
    // The results: the last point of each figure, P, E or F, ends its coordinates.
    const std::string row = quiz::ResultsTable(quiz).back()[2];
    EXPECT_EQ(row.substr(row.rfind(' ') + 1),
              quiz::Coordinates(std::string(1, "PEF"[k / 2]).c_str(), e.more[k / 2]));
  }
  quiz::ResetQuiz();
}

}  // namespace
