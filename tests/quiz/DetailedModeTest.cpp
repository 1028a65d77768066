// The detailed correction: true names accepted, wrong answers explained, a fair
// set-up, hidden coordinates, and the results as CSV. With the mode off nothing
// of it shows.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "QuizFixture.h"
#include "classify/TrueNames.h"
#include "quiz/DetailedMode.h"
#include "quiz/Results.h"

namespace {

int SignDraw(std::int32_t v) {
  return v < 0 ? 0 : 1;
}

// Draws for a point exercise at p (coordinates 0 or at least 10 in magnitude).
Draws PointAt(const DihedralPoint& p) {
  Draws d;
  d.signs = {SignDraw(p.alejamiento), SignDraw(p.cota), 1, 1, SignDraw(p.abscissa), 1};
  d.aAbscissa = std::abs(p.abscissa);
  d.aAlejamiento = std::abs(p.alejamiento);
  d.aCota = std::abs(p.cota);
  d.bCota = d.bAlejamiento = 11;
  return d;
}

// Draws for a line exercise: |B.abscissa| = |A.abscissa|, and B's alejamiento and
// cota either of A's magnitude or odd from 11.
Draws LineAt(const DihedralPoint& a, const DihedralPoint& b) {
  Draws d = PointAt(a);
  d.pointMode = false;
  d.signs[2] = SignDraw(b.alejamiento);
  d.signs[3] = SignDraw(b.cota);
  d.signs[5] = SignDraw(b.abscissa);
  const auto draw = [](std::int32_t ofB, std::int32_t ofA) {
    if (std::abs(ofB) == std::abs(ofA)) return 2;  // even: A's
    return ofB == 0 ? 1 : std::abs(ofB);
  };
  d.bCota = draw(b.cota, a.cota);
  d.bAlejamiento = draw(b.alejamiento, a.alejamiento);
  return d;
}

const DihedralPoint kVerticalA{0, 0, -14}, kVerticalB{0, 0, 14};

// List indexes (from 0) of the items named.
constexpr int kVertical = 2, kOblicua = 5, kQueCorta = 7, kEsUnPunto = 8;
constexpr int kObliqueRelation = 3, kPointOnLT = 6, kPerpendicularToH = 7;

class DetailedQuiz : public QuizTest {
 protected:
  // Answers the waiting exercise; true when it counted as a hit.
  bool Answer(int selPunto, int selREcta, int defREcta) {
    window.listChoice = {selPunto, selREcta, defREcta};
    const std::int32_t hits = quiz.TestHits;
    canvas.Clear();
    CheckAnswer();
    return quiz.TestHits != hits;
  }
  std::vector<std::string> TextsAt(const std::string& xy) const {
    std::vector<std::string> out;
    for (const auto& t : Texts())
      if (t.rfind(xy, 0) == 0) out.push_back(t.substr(xy.size()));
    return out;
  }
};

TEST_F(DetailedQuiz, TrueNamesCountOnlyInTheMode) {
  PressTest(LineAt(kVerticalA, kVerticalB));
  EXPECT_FALSE(Answer(-1, kVertical, kPerpendicularToH));  // by default only "QUE CORTA"

  quiz::SetDetailedMode(quiz, scene, true);
  PressTest(LineAt(kVerticalA, kVerticalB));
  EXPECT_TRUE(Answer(-1, kVertical, kPerpendicularToH));
  EXPECT_TRUE(Drew("375 300  C O R R E C T O "));
  // Through the ground line without an end point on it: both names hold.
  const DihedralPoint a{-37, 58, -42}, b{37, -58, 42};
  PressTest(LineAt(a, b));
  EXPECT_TRUE(Answer(-1, kQueCorta, kObliqueRelation));
  PressTest(LineAt(a, b));
  EXPECT_TRUE(Answer(-1, kOblicua, kPointOnLT));
  // "ES UN PUNTO" still leaves the relation list unread.
  PressTest(LineAt({30, 40, 50}, {30, 40, 50}));
  EXPECT_TRUE(Answer(-1, kEsUnPunto, 2));
  EXPECT_EQ(quiz.TestHits, 4);
  EXPECT_EQ(quiz.TestMisses, 1);
}

TEST_F(DetailedQuiz, WrongAnswerIsExplainedBesideTheTitleOnlyInTheMode) {
  const std::string why = std::to_string(quiz::kExplanationX) + " " +
                          std::to_string(quiz::kExplanationY) +
                          " La cota de A es -40: el punto está debajo de H.";
  PressTest(PointAt({25, 30, -40}));
  EXPECT_FALSE(Answer(0, -1, -1));
  const std::size_t texts = Texts().size();
  quiz::SetDetailedMode(quiz, scene, true);
  PressTest(PointAt({25, 30, -40}));
  EXPECT_FALSE(Answer(0, -1, -1));
  EXPECT_EQ(Texts().size(), texts + 1);
  EXPECT_EQ(Texts().back(), why);  // after the verdict
  PressTest(PointAt({25, 30, -40}));
  EXPECT_TRUE(Answer(3, -1, -1));
  EXPECT_EQ(Texts().size(), texts);
}

quiz::Exercise LineExercise(const DihedralPoint& A, const DihedralPoint& B) {
  quiz::Exercise e;
  e.figure = scene::Figure::kLine;
  e.A = A;
  e.B = B;
  e.trueTypes = classify::TrueTypes(A, B);
  e.trueRelations = classify::TrueRelations(A, B);
  return e;
}

std::string Why(const DihedralPoint& A, const DihedralPoint& B, int type, int relation) {
  return quiz::Explanation(LineExercise(A, B), {type, type == 9 ? -1 : relation});
}

std::string WhyPoint(std::int32_t alejamiento, std::int32_t cota, int chosen) {
  quiz::Exercise e;
  e.A = {0, alejamiento, cota};
  return quiz::Explanation(e, {chosen, 0});
}

TEST(Explanation, PointsInEachQuadrantAndLinesOfEachBaseType) {
  EXPECT_EQ(WhyPoint(40, 50, 4), "La cota de A es 50: el punto está encima de H.");
  EXPECT_EQ(WhyPoint(-40, 50, 1), "El alejamiento de A es -40: el punto está detrás de V.");
  EXPECT_EQ(WhyPoint(-40, -50, 2), "La cota de A es -50: el punto está debajo de H.");
  EXPECT_EQ(WhyPoint(40, -50, 3), "El alejamiento de A es 40: el punto está delante de V.");
  EXPECT_EQ(WhyPoint(40, -50, 0), "Falta la respuesta: A tiene alejamiento 40 y cota -50.");

  // Each base type from A = (10, 20, 30), answered with a name it is not.
  const DihedralPoint A{10, 20, 30};
  EXPECT_EQ(Why(A, {-10, -20, 30}, 6, 4),
            "A y B tienen la misma cota (30): la recta es paralela a H.");
  EXPECT_EQ(Why(A, {-10, 20, -30}, 1, 3), "A y B difieren en cota (30 y -30): no es paralela a H.");
  EXPECT_EQ(Why(A, {10, 20, -30}, 5, 6),
            "A y B tienen el mismo alejamiento (20): la recta es paralela a V.");
  EXPECT_EQ(Why(A, {10, -20, 30}, 7, 2),
            "A y B difieren en alejamiento (20 y -20): no es paralela a V.");
  EXPECT_EQ(Why(A, {10, -20, -30}, 6, 4),
            "A y B tienen la misma abscisa (10): la recta es perpendicular a L.T.");
  EXPECT_EQ(Why(A, {-10, -20, 31}, 5, 6),
            "A y B difieren en abscisa (10 y -10): no es perpendicular a L.T.");
  EXPECT_EQ(Why(A, {-10, -20, 31}, 8, 7), "La recta corta a V con cota 30,5: no pasa por L.T.");
  // Parallel to L.T. and off it: the reason it does not cut it.
  EXPECT_EQ(Why(A, {-10, 20, 30}, 8, 7),
            "A y B tienen alejamiento 20 y cota 30: la recta no llega a L.T.");
  EXPECT_EQ(Why(A, A, 3, 8), "A y B coinciden en (10,20,30): la recta es un solo punto.");
  EXPECT_EQ(Why({-20, 0, 30}, {30, 0, 50}, 6, 4),
            "A y B tienen alejamiento 0: la recta está contenida en V.");
  EXPECT_EQ(Why(kVerticalA, kVerticalB, 3, 9),
            "A tiene cota -14: la recta no está contenida en H.");
}

// Over lines and points built from -143, 0 and 142, and every answer: a sentence
// exactly when the detailed judgement finds the answer wrong, short enough for the
// strip beside the title.
TEST(Explanation, GivenExactlyForWrongAnswersAndShort) {
  const std::int32_t values[] = {-143, 0, 142};
  const auto chars = [](const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0u) != 0x80u;
    return n;
  };
  for (int i = 0; i < 729; ++i) {
    int k = i;
    const auto next = [&] {
      const std::int32_t v = values[k % 3];
      k /= 3;
      return v;
    };
    const DihedralPoint A{next(), next(), next()};
    const DihedralPoint B{next(), next(), next()};
    const quiz::Exercise e = LineExercise(A, B);
    for (int type = 0; type <= 10; ++type) {
      for (int relation = 0; relation <= 11; ++relation) {
        const quiz::Answer answer{type, type == 9 ? -1 : relation};
        const std::string why = quiz::Explanation(e, answer);
        ASSERT_EQ(why.empty(), quiz::JudgedRight(e, answer, true)) << i << " " << type;
        ASSERT_LE(chars(why), 70u) << why;
      }
    }
  }
}

TEST_F(DetailedQuiz, FairSetUpAndHiddenCoordinatesOnlyInTheMode) {
  quiz::SetHideCoordinates(quiz, scene, true);  // counts only in the mode
  window.listChoice = {3, 4, 5};
  PressTest(PointAt({25, 30, 40}));
  EXPECT_EQ(window.listChoice, (std::array<int, 3>{3, 4, 5}));
  EXPECT_TRUE(Drew("540 399 A=(25,30,40)"));

  quiz::SetDetailedMode(quiz, scene, true);
  window.calls.clear();
  canvas.Clear();
  PressTest(LineAt({30, 50, 60}, {-30, 50, -21}));
  EXPECT_EQ(window.listChoice, (std::array<int, 3>{-1, -1, -1}));
  EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "ResetList"), 3);
  EXPECT_TRUE(TextsAt("570 390 ").empty());
  EditCota(-40);  // an edit while it waits shows nothing either
  EXPECT_TRUE(TextsAt("570 390 ").empty());
  EXPECT_TRUE(TextsAt("570 426 ").empty());
  Answer(-1, 1, 0);
  EXPECT_EQ(TextsAt("570 390 "), std::vector<std::string>{" A=( 30, 50,-40)"});

  quiz::SetHideCoordinates(quiz, scene, false);
  PressTest(PointAt({25, 30, 40}));
  EXPECT_TRUE(Drew("540 399 A=(25,30,40)"));
}

TEST_F(DetailedQuiz, ResultsAsCsvAndTheScoreReset) {
  PressTest(PointAt({25, 30, 40}));
  Answer(0, -1, -1);
  quiz::SetDetailedMode(quiz, scene, true);
  PressTest(LineAt(kVerticalA, kVerticalB));
  Answer(-1, kVertical, kPerpendicularToH);
  PressTest(LineAt({30, 50, 60}, {-30, 50, 60}));
  Answer(-1, -1, -1);
  // A byte-order mark and ";" for a Spanish spreadsheet; a field holding ";" is quoted.
  EXPECT_EQ(quiz::ResultsCsv(quiz),
            "\xEF\xBB\xBF"
            "Nº;Ejercicio;Coordenadas;Respuesta;Respuestas correctas;Resultado\r\n"
            "1;Punto;A=(25,30,40);PRIMER CUADRANTE;PRIMER CUADRANTE;Correcto\r\n"
            "2;Recta;A=(0,0,-14) B=(0,0,14);\"VERTICAL; T AL H. = AL V.\";"
            "\"VERTICAL o QUE CORTA A L.T. o CONTENIDA; "
            "UN PUNTO EN L.T. o T AL H. = AL V. o CONTENIDA EN EL V\";Correcto\r\n"
            "3;Recta;A=(30,50,60) B=(-30,50,60);\"sin tipo; sin relación\";"
            "\"PARALELA A L.T.; = AL H, V Y L.T.\";Incorrecto\r\n");

  canvas.Clear();
  quiz::ResetScore(quiz);
  EXPECT_EQ(quiz.TestHits, 0);
  EXPECT_EQ(quiz.TestMisses, 0);
  EXPECT_TRUE(canvas.log.empty());
  EXPECT_EQ(quiz::ResultsTable(quiz).size(), 1u);
  PressTest(PointAt({25, 30, 40}));
  Answer(1, -1, -1);
  EXPECT_TRUE(Drew("210 396 fallos:1"));
  EXPECT_EQ(quiz::ResultsTable(quiz).at(1).at(0), "1");
}

}  // namespace
