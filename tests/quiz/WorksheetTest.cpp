// Sheets: exercises drawn from a seed as test mode draws them after an edit, kinds
// kept apart, key lines in their fixed form, and the checks on what a sheet is
// asked for with.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "QuizFixture.h"
#include "classify/Planes.h"
#include "classify/TrueNames.h"
#include "quiz/ExerciseList.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "quiz/SheetExercises.h"
#include "quiz/SheetRequest.h"

namespace {

using quiz::GeneratedExercise;
using quiz::SheetKind;

bool Same(const GeneratedExercise& x, const GeneratedExercise& y) {
  return x.figure == y.figure && x.a == y.a && x.b == y.b;
}
bool SameList(const std::vector<GeneratedExercise>& x, const std::vector<GeneratedExercise>& y) {
  if (x.size() != y.size()) return false;
  for (std::size_t i = 0; i < x.size(); ++i)
    if (!Same(x[i], y[i])) return false;
  return true;
}

TEST_F(QuizTest, SheetDrawsWhatTestModeDrawsAfterAnEditWithTheSameGenerator) {
  std::mt19937 generator(20240917u);
  quiz::SetRandomSource([&generator](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  });
  EditCota(0);
  const auto sheet = quiz::SheetExercises(12, 20240917u, SheetKind::kMixed);
  ASSERT_EQ(sheet.size(), 12u);
  // Each point and line is one that test mode draws next, or soon after: the
  // sheet passes over those of a kind it does not deal now and those too close.
  for (const GeneratedExercise& e : sheet) {
    if (e.figure == scene::Figure::kPlane) continue;  // drawn apart from test mode's generator
    bool drawn = false;
    for (int k = 0; k < 50 && !drawn; ++k) {
      NewExercise();
      drawn = Same(e, GeneratedExercise{scene.figure, scene.PointA, scene.PointB});
    }
    EXPECT_TRUE(drawn);
  }
}

TEST_F(QuizTest, SeedsRepeatAndDifferAndKindsKeepTheirOwnExercises) {
  const auto mixed = quiz::SheetExercises(60, 7, SheetKind::kMixed);
  EXPECT_EQ(mixed.size(), 60u);
  EXPECT_TRUE(SameList(mixed, quiz::SheetExercises(60, 7, SheetKind::kMixed)));
  EXPECT_FALSE(SameList(mixed, quiz::SheetExercises(60, 8, SheetKind::kMixed)));
  EXPECT_EQ(quiz::SheetExercises(1, 4294967295u, SheetKind::kMixed).size(), 1u);

  // A kind keeps to its exercises.
  for (const GeneratedExercise& e : quiz::SheetExercises(60, 9, SheetKind::kPoints))
    EXPECT_TRUE((e.figure == scene::Figure::kPoint) && e.figure != scene::Figure::kPlane);
  for (const GeneratedExercise& e : quiz::SheetExercises(60, 9, SheetKind::kLines))
    EXPECT_FALSE(e.figure == scene::Figure::kPoint);
}

// Point, line, plane as 0, 1, 2; and a plane's type code.
std::vector<int> Tally(const std::vector<GeneratedExercise>& sheet, bool types) {
  std::vector<int> count(types ? 11 : 3, 0);
  for (const GeneratedExercise& e : sheet) {
    const std::int32_t type = classify::PlaneType(e.a, e.b, e.c).code;
    ++count[static_cast<std::size_t>(types ? type
                                     : (e.figure == scene::Figure::kPlane)
                                         ? 2
                                         : e.figure != scene::Figure::kPoint)];
  }
  return types ? std::vector<int>(count.begin() + 1, count.begin() + 9) : count;
}
int Spread(const std::vector<int>& v) {
  return *std::max_element(v.begin(), v.end()) - *std::min_element(v.begin(), v.end());
}

TEST_F(QuizTest, SheetsDealTheirKindsAndPlaneTypesInTurnAndKeepPointsApart) {
  // Seed 2024 gave 8 planes of 12 and no line; seed 31, 3 frontal planes of 8.
  EXPECT_EQ(Tally(quiz::SheetExercises(12, 2024, SheetKind::kMixed), false),
            (std::vector<int>{4, 4, 4}));
  EXPECT_LE(Spread(Tally(quiz::SheetExercises(8, 31, SheetKind::kPlanes), true)), 1);
  for (std::uint32_t seed = 1; seed <= 10; ++seed) {
    EXPECT_LE(Spread(Tally(quiz::SheetExercises(14, seed, SheetKind::kMixed), false)), 1);
    // The plane H or V, or no plane, takes a type's turn now and then.
    EXPECT_LE(Spread(Tally(quiz::SheetExercises(16, seed, SheetKind::kPlanes), true)), 1);
    // On paper each projection lies on L.T. or 10 units (3 mm) from it, and two
    // projections coincide or lie 10 units apart.
    for (const GeneratedExercise& e : quiz::SheetExercises(60, seed, SheetKind::kMixed)) {
      const DihedralPoint p[3] = {e.a, e.b, e.c};
      std::vector<std::array<int, 2>> marks;  // a below L.T., a' above it, ...
      for (int k = 0; k < ((e.figure == scene::Figure::kPoint)   ? 1
                           : (e.figure == scene::Figure::kPlane) ? 3
                                                                 : 2);
           ++k) {
        marks.push_back({p[k].abscissa, p[k].alejamiento});
        marks.push_back({p[k].abscissa, -p[k].cota});
      }
      for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_TRUE(marks[i][1] == 0 || std::abs(marks[i][1]) >= 10) << quiz::KeyLine(1, e);
        for (std::size_t j = i + 1; j < marks.size(); ++j) {
          const int dx = marks[i][0] - marks[j][0], dy = marks[i][1] - marks[j][1];
          EXPECT_TRUE(dx * dx + dy * dy == 0 || dx * dx + dy * dy >= 100) << quiz::KeyLine(1, e);
        }
      }
    }
  }
}

TEST_F(QuizTest, SheetBoundsAreThoseAfterAnEditAndLeaveTheMappingAlone) {
  // The fixture leaves the start-up space current, with its smaller bounds; the
  // command line has no surface extent at all.
  EXPECT_EQ(quiz::CurrentBounds(painter).abscissa, 40);
  for (const std::int32_t extent : {delgraph::GetMaxX(), 0}) {
    painter.SurfaceWidth = painter.SurfaceHeight = extent;
    const quiz::ExerciseBounds after = quiz::BoundsAfterEdit();
    EXPECT_EQ(after.abscissa, 97);
    EXPECT_EQ(after.distance, 144);
    EXPECT_EQ(painter.SurfaceWidth, extent);
  }
  painter.SurfaceWidth = delgraph::GetMaxX();
  painter.SurfaceHeight = delgraph::GetMaxY();
  EXPECT_EQ(quiz::CurrentBounds(painter).abscissa, 40);
}

TEST_F(QuizTest, KeyLinesNameTheClassification) {
  const auto key = [](int n, bool point, DihedralPoint a, DihedralPoint b = {}) {
    return quiz::KeyLine(
        n, GeneratedExercise{point ? scene::Figure::kPoint : scene::Figure::kLine, a, b});
  };
  // The names as the answer lists write them, never the window's shortened texts,
  // the finer and the other true names after them, each once; nothing for a
  // single point's relation.
  EXPECT_EQ(key(1, true, {12, -40, 30}), "1. A=(12,-40,30): SEGUNDO CUADRANTE");
  EXPECT_EQ(key(2, true, {12, -40, 0}), "2. A=(12,-40,0): " + quiz::LocationName(6));
  EXPECT_EQ(key(2, false, {12, 40, 30}, {5, 0, 7}),
            "2. A=(12,40,30) B=(5,0,7): OBLICUA; / AL H Y AL V.");
  EXPECT_EQ(key(3, true, {0, 20, 20}),
            "3. A=(0,20,20): PRIMER CUADRANTE (también PRIMER BISECTOR)");
  EXPECT_EQ(key(4, false, {-20, 30, 0}, {30, 50, 0}),
            "4. A=(-20,30,0) B=(30,50,0): CONTENIDA (también HORIZONTAL, QUE CORTA A L.T.); "
            "CONTENIDA EN EL H (también = AL H / AL V., UN PUNTO EN L.T.)");
  EXPECT_EQ(key(5, false, {10, 20, 30}, {10, 20, 30}), "5. A=(10,20,30) B=(10,20,30): ES UN PUNTO");
  EXPECT_EQ(key(6, false, {10, 0, 0}, {-10, 0, 0}),
            "6. A=(10,0,0) B=(-10,0,0): CONTENIDA; " + quiz::RelationName(11));
  EXPECT_EQ(key(60, false, {10, 20, 30}, {10, 20, -30}),
            "60. A=(10,20,30) B=(10,20,-30): VERTICAL; T AL H. = AL V.");
}

TEST_F(QuizTest, KeyOfALineThroughTheGroundLineNamesItToo) {
  // Neither end on L.T., yet the line crosses it at (0,0,0): the program says
  // OBLICUA, and a student who writes QUE CORTA A L.T. is right as well.
  const std::string line =
      quiz::KeyLine(7, GeneratedExercise{scene::Figure::kLine, {-20, 20, 30}, {40, -20, -30}});
  EXPECT_EQ(line,
            "7. A=(-20,20,30) B=(40,-20,-30): OBLICUA (también QUE CORTA A L.T.); / AL H Y AL "
            "V. (también UN PUNTO EN L.T.)");
  // Every such line of the generated sheets is keyed with it.
  int crossing = 0;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const auto sheet = quiz::SheetExercises(60, seed, SheetKind::kLines);
    for (std::size_t k = 0; k < sheet.size(); ++k) {
      const GeneratedExercise& e = sheet[k];
      // A line lying in L.T. is only CONTENIDA.
      const bool inGroundLine =
          e.a.alejamiento == 0 && e.a.cota == 0 && e.b.alejamiento == 0 && e.b.cota == 0;
      if (!classify::MeetsGroundLine(e.a, e.b) || e.a == e.b || inGroundLine) continue;
      ++crossing;
      EXPECT_NE(quiz::KeyLine(1, e).find("QUE CORTA A L.T."), std::string::npos)
          << quiz::KeyLine(1, e);
    }
  }
  EXPECT_GT(crossing, 10);
}

TEST_F(QuizTest, PlaneExercisesHaveTheirTypeAndTheKeyEveryTrueName) {
  std::mt19937 generator(5);
  const quiz::RandomSource random = [&generator](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  };
  const quiz::ExerciseBounds bounds = quiz::BoundsAfterEdit();
  for (std::int32_t code = 1; code <= 10; ++code) {
    for (int k = 0; k < 20; ++k) {
      const GeneratedExercise e = quiz::DrawPlaneExercise(random, bounds, code);
      ASSERT_TRUE(e.figure == scene::Figure::kPlane);
      for (const DihedralPoint& p : {e.a, e.b, e.c}) {
        EXPECT_LT(std::abs(p.abscissa), bounds.abscissa);
        EXPECT_LT(std::max(std::abs(p.alejamiento), std::abs(p.cota)), bounds.distance);
      }
      const classify::Naming type = classify::PlaneType(e.a, e.b, e.c);
      EXPECT_EQ(type.code, code) << type.text;
      const std::string line = quiz::KeyLine(3, e);
      EXPECT_EQ(line.find(quiz::Coordinates("C", e.c) + ": " + quiz::PlaneTypeName(code)),
                line.find(" C=") + 1)
          << line;
    }
  }
  // The draw of the type: 1 to 8 evenly, 9 and 10 now and then.
  std::vector<int> seen(11, 0);
  for (int k = 0; k < 2600; ++k) ++seen[static_cast<std::size_t>(quiz::DrawPlaneTypeCode(random))];
  for (int code = 1; code <= 8; ++code) EXPECT_GT(seen[static_cast<std::size_t>(code)], 220);
  EXPECT_GT(seen[9], 50);
  EXPECT_LT(seen[9], 150);

  const auto key = [](DihedralPoint a, DihedralPoint b, DihedralPoint c) {
    GeneratedExercise e;
    e.figure = scene::Figure::kPlane;
    e.a = a;
    e.b = b;
    e.c = c;
    return quiz::KeyLine(1, e);
  };
  // The list's name first, then the finer one and every other true name; H and V
  // say where their traces are.
  EXPECT_EQ(key({0, 10, 0}, {20, 30, 0}, {5, -7, 0}),
            "1. A=(0,10,0) B=(20,30,0) C=(5,-7,0): ES EL PLANO H O V (también ES EL PLANO H, "
            "HORIZONTAL, PROYECTANTE VERTICAL, QUE PASA POR L.T.); sin α1 (es H), α2 es L.T.");
  EXPECT_EQ(key({0, 0, 0}, {10, 20, 20}, {30, -5, -5}),
            "1. A=(0,0,0) B=(10,20,20) C=(30,-5,-5): QUE PASA POR L.T. (también PRIMER BISECTOR)");
  EXPECT_EQ(key({0, 10, 5}, {20, 30, 5}, {8, -7, 5}),
            "1. A=(0,10,5) B=(20,30,5) C=(8,-7,5): HORIZONTAL (también PROYECTANTE VERTICAL)");
  EXPECT_EQ(key({1, 2, 3}, {1, 2, 3}, {4, 5, 6}),
            "1. A=(1,2,3) B=(1,2,3) C=(4,5,6): NO DEFINEN UN PLANO");
}

TEST_F(QuizTest, QuadrantsKeyLinesFollowTheClassification) {
  GeneratedExercise e;
  e.quadrants = true;
  e.a = {-20, 20, 30};
  e.b = {40, -20, -30};
  EXPECT_EQ(quiz::KeyLine(2, e), "2. A=(-20,20,30) B=(40,-20,-30): cuadrantes 1º, 3º");
  e.a = {-20, 30, 0};
  e.b = {30, -50, 0};
  EXPECT_EQ(quiz::KeyLine(2, e),
            "2. A=(-20,30,0) B=(30,-50,0): cuadrantes PLANO H. ANTERIOR, PLANO H. POSTERIOR");
  // Every line of a quadrants sheet is keyed with the quadrants it crosses.
  for (const GeneratedExercise& q : quiz::SheetExercises(30, 3, SheetKind::kQuadrants)) {
    ASSERT_TRUE(q.quadrants && q.figure != scene::Figure::kPoint &&
                q.figure != scene::Figure::kPlane);
    const std::string line = quiz::KeyLine(1, q);
    EXPECT_EQ(line.substr(line.find(": ") + 2),
              quiz::QuadrantsText(classify::QuadrantsCrossed(q.a, q.b)));
  }
  // Planes sheets hold planes of every type; a mixed one holds all three figures.
  std::vector<int> types(11, 0);
  for (const GeneratedExercise& p : quiz::SheetExercises(60, 3, SheetKind::kPlanes)) {
    ASSERT_TRUE(p.figure == scene::Figure::kPlane);
    ++types[static_cast<std::size_t>(classify::PlaneType(p.a, p.b, p.c).code)];
  }
  for (int code = 1; code <= 8; ++code) EXPECT_GT(types[static_cast<std::size_t>(code)], 0);
  int planes = 0, points = 0;
  for (const GeneratedExercise& m : quiz::SheetExercises(60, 3, SheetKind::kMixed)) {
    planes += (m.figure == scene::Figure::kPlane);
    points += (m.figure == scene::Figure::kPoint);
  }
  EXPECT_GT(planes, 10);
  EXPECT_GT(points, 10);
  EXPECT_LT(planes + points, 60);
}

TEST(SheetRequestTest, KindsInSpanishAndEnglish) {
  const std::pair<const char*, SheetKind> names[] = {
      {"puntos", SheetKind::kPoints},        {"points", SheetKind::kPoints},
      {"rectas", SheetKind::kLines},         {"lines", SheetKind::kLines},
      {"mixtos", SheetKind::kMixed},         {"mixed", SheetKind::kMixed},
      {"planos", SheetKind::kPlanes},        {"planes", SheetKind::kPlanes},
      {"cuadrantes", SheetKind::kQuadrants}, {"quadrants", SheetKind::kQuadrants},
  };
  for (const auto& [name, kind] : names) {
    quiz::SheetRequest request;
    EXPECT_EQ(
        quiz::CheckSheetOptions({"3", {}, std::string(name), {}, std::string("h.pdf")}, request),
        "")
        << name;
    EXPECT_EQ(request.kind, kind) << name;
  }
  EXPECT_FALSE(quiz::SheetKindNamed("Puntos").has_value());
  EXPECT_FALSE(quiz::SheetKindNamed("").has_value());
}

TEST(ExerciseListTest, ReadsPointsAndLinesAndRefusesALineByNumber) {
  const auto good = quiz::ParseExerciseList(
      "\xEF\xBB\xBF# ejercicios del lunes\r\nA(10,20,30)\r\n\n  a( -10 , 40,40 )  B(50,60,80)\n",
      "lista.txt");
  EXPECT_EQ(good.fault, "");
  ASSERT_EQ(good.exercises.size(), 2u);
  EXPECT_TRUE(good.exercises[0].figure == scene::Figure::kPoint);
  EXPECT_EQ(good.exercises[0].a, (DihedralPoint{10, 20, 30}));
  EXPECT_FALSE(good.exercises[1].figure == scene::Figure::kPoint);
  EXPECT_EQ(good.exercises[1].b, (DihedralPoint{50, 60, 80}));
  const auto more = quiz::ParseExerciseList(
      "A(1,2,3) B(4,5,6) C(7,8,-9)\nA(-10,40,40) B(50,-60,80) Cuadrantes\n", "lista.txt");
  EXPECT_EQ(more.fault, "");
  ASSERT_EQ(more.exercises.size(), 2u);
  EXPECT_TRUE(more.exercises[0].figure == scene::Figure::kPlane);
  EXPECT_EQ(more.exercises[0].c, (DihedralPoint{7, 8, -9}));
  EXPECT_FALSE(more.exercises[1].figure == scene::Figure::kPlane);
  EXPECT_TRUE(more.exercises[1].quadrants);

  struct Case {
    const char* text;
    const char* says;
  };
  const Case cases[] = {
      {"A(1,2,3)\nA(1,2) B(3,4,5)\n", "lista.txt, línea 2: «A(1,2) B(3,4,5)»"},
      {"\n\nB(1,2,3)", "línea 3: «B(1,2,3)»"},
      {"A(1,2,3) B(1,2,3) x", "línea 1"},
      {"A(1000,2,3)", "de -120 a 120"},
      {"A(99999999999999999999,2,3)", "línea 1"},
      {"A(1,2,3) cuadrantes", "línea 1: «A(1,2,3) cuadrantes»: después de «A(1,2,3)»"},
      {"A(1,2,3) B(4,5,6) C(7,8,9) cuadrantes", "línea 1"},
      {"A(1,2,3) B(4,5,6) C(7,8,9) D(1,1,1)", "línea 1"},
      {"# nada\n\n", "no tiene ningún ejercicio"},
  };
  for (const Case& c : cases) {
    const auto r = quiz::ParseExerciseList(c.text, "lista.txt");
    EXPECT_NE(r.fault.find(c.says), std::string::npos) << c.text << " / " << r.fault;
    EXPECT_TRUE(r.exercises.empty() || !r.fault.empty());
  }
  std::string many;
  for (int k = 0; k < 201; ++k) many += "A(1,2,3)\n";
  EXPECT_NE(quiz::ParseExerciseList(many, "l").fault.find("más de 200"), std::string::npos);
  many.resize(many.size() - 9);
  EXPECT_EQ(quiz::ParseExerciseList(many, "l").exercises.size(), 200u);
}

TEST(ExerciseListTest, BadLinesSayWhatIsWrongAndShowTheLineSafely) {
  struct Case {
    const char* text;
    const char* says;
  };
  const Case cases[] = {
      {"A(1,2,3) B(x,5,6)", "«A(1,2,3) B(x,5,6)»: después de «B(» se esperaba un número entero"},
      {"A(1,2)", "después de «A(1,2» se esperaba «,», pero hay «)»"},
      {"A(1,2,3", "se esperaba «)», pero la línea termina"},
      {"C(1,2,3)", "al principio se esperaba «A(», pero hay «C(1,2,3)»"},
      {"A(-960,-943,942) B(557,280,-53)", "la abscisa de A (-960) queda fuera del dibujo: "},
      {"A(0,0,0) B(0,0,141)",
       "la cota de B (141) queda fuera del dibujo: el dibujo admite abscisas de -120 a 120 y "
       "alejamientos y cotas de -140 a 140"},
  };
  for (const Case& c : cases) {
    const auto r = quiz::ParseExerciseList(c.text, "l.txt");
    EXPECT_NE(r.fault.find(c.says), std::string::npos) << c.says << " / " << r.fault;
  }
  // A comment after the exercise, the true minus sign, the edges of the view.
  const auto good = quiz::ParseExerciseList(
      "A(\xE2\x88\x92"
      "120,140,\xE2\x88\x92"
      "140) B(120,-140,140)  # el más grande\n",
      "l.txt");
  EXPECT_EQ(good.fault, "");
  ASSERT_EQ(good.exercises.size(), 1u);
  EXPECT_EQ(good.exercises[0].a, (DihedralPoint{-120, 140, -140}));

  // Escapes, a reordering mark and a NUL are shown, not passed on, and a long line
  // is cut.
  std::string line = "A(1,2,3) \x1B[2J\xE2\x80\xAE";
  line += '\0';
  line += std::string(100000, 'x');
  const std::string fault = quiz::ParseExerciseList(line, "l.txt").fault;
  EXPECT_NE(fault.find("«A(1,2,3) \\x1B[2J\\u202E\\x00xxx"), std::string::npos) << fault;
  EXPECT_EQ(fault.find('\x1B'), std::string::npos);
  EXPECT_EQ(fault.find("\xE2\x80\xAE"), std::string::npos);
  EXPECT_EQ(fault.find('\0'), std::string::npos);
  EXPECT_LT(fault.size(), 400u);
}

// Four, five and six points are a point, a line or a second plane with the plane
// ABC, keyed by their kind; D needs its E, and nothing follows P or F.
TEST(ExerciseListTest, PointLineOrSecondPlaneWithAPlaneAreReadAndKeyed) {
  const std::string plane = "A(0,10,30) B(20,30,30) C(5,-7,30) ";
  const auto list =
      quiz::ParseExerciseList(plane + "p(1,1,30)\n" + plane + "D(0,0,40) E(10,5,40)\n" + plane +
                                  "D(0,0,50) E(10,5,50) F(-5,20,50)\n",
                              "l.txt");
  ASSERT_EQ(list.exercises.size(), 3u) << list.fault;
  const std::string abc = "A=(0,10,30) B=(20,30,30) C=(5,-7,30) ";
  EXPECT_EQ(quiz::KeyLine(1, list.exercises[0]), "1. " + abc + "P=(1,1,30): SÍ");
  EXPECT_EQ(quiz::KeyLine(2, list.exercises[1]), "2. " + abc + "D=(0,0,40) E=(10,5,40): PARALELA");
  EXPECT_EQ(quiz::KeyLine(3, list.exercises[2]),
            "3. " + abc + "D=(0,0,50) E=(10,5,50) F=(-5,20,50): PARALELOS");
  for (const std::string bad : {"D(1,1,1)", "P(1,1,1) D(2,2,2)", "D(1,1,1) E(2,2,2) P(3,3,3)"})
    EXPECT_NE(quiz::ParseExerciseList(plane + bad, "l.txt").fault, "") << bad;
}

// With the figures with a plane, a planes sheet deals the plane's type and the three
// figures in turn, each reading on paper, and a mixed one has them too.
TEST_F(QuizTest, SheetsWithPlaneFiguresDealThemInTurn) {
  std::vector<int> count(6, 0);
  for (const GeneratedExercise& e : quiz::SheetExercises(12, 5, SheetKind::kPlanes, true)) {
    ++count[static_cast<std::size_t>(e.figure)];
    EXPECT_TRUE(quiz::ReadsOnPaper(e)) << quiz::KeyLine(1, e);
  }
  EXPECT_EQ(count, (std::vector<int>{0, 0, 3, 3, 3, 3}));
  const auto mixed = quiz::SheetExercises(24, 5, SheetKind::kMixed, true);
  EXPECT_EQ(std::count_if(mixed.begin(), mixed.end(),
                          [](const auto& e) { return e.figure > scene::Figure::kPlane; }),
            6);
}

TEST(SheetRequestTest, BadOptionsNameTheirFault) {
  struct Case {
    quiz::SheetOptionTexts texts;
    const char* says;
  };
  const std::string out = "hoja.pdf";
  const Case cases[] = {
      {{"0", {}, {}, {}, out}, "--worksheet: «0» está fuera de rango: de 1 a 60"},
      {{"61", {}, {}, {}, out}, "de 1 a 60"},
      {{"abc", {}, {}, {}, out}, "«abc» no es un número entero (de 1 a 60)"},
      {{"+5", {}, {}, {}, out}, "«+5»"},
      {{"99999999999999999999", {}, {}, {}, out}, "--worksheet:"},
      {{"5", std::string("-1"), {}, {}, out}, "--seed: «-1»"},
      {{"5", std::string("4294967296"), {}, {}, out}, "de 0 a 4294967295"},
      {{"5", std::string("1e3"), {}, {}, out}, "--seed:"},
      {{"5", std::string(""), {}, {}, out}, "--seed:"},
      {{"5", {}, std::string("circles"), {}, out}, "--kind: «circles»"},
      {{"5", {}, {}, std::string(""), out}, "--palette:"},
      {{"5", {}, {}, {}, {}}, "falta -o ARCHIVO.pdf"},
      {{"5", {}, {}, {}, std::string("hoja.png")}, "-o: «hoja.png» no termina en .pdf"},
      {{"5", {}, {}, {}, std::string("hojapdf")}, ".pdf"},
  };
  for (const Case& c : cases) {
    quiz::SheetRequest request;
    const std::string message = quiz::CheckSheetOptions(c.texts, request);
    EXPECT_NE(message.find(c.says), std::string::npos) << c.says << " / " << message;
  }
}

TEST(SheetRequestTest, GoodOptionsMakeTheRequest) {
  quiz::SheetRequest request;
  EXPECT_EQ(quiz::CheckSheetOptions({"60", std::string("4294967295"), std::string("lines"),
                                     std::string("mi.pal"), std::string("a/Hoja.PDF")},
                                    request),
            "");
  EXPECT_EQ(request.count, 60);
  EXPECT_TRUE(request.seedGiven);
  EXPECT_EQ(request.seed, 4294967295u);
  EXPECT_EQ(request.kind, SheetKind::kLines);
  EXPECT_EQ(request.palette, std::string("mi.pal"));
  EXPECT_EQ(request.output, "a/Hoja.PDF");

  quiz::SheetRequest plain;
  EXPECT_EQ(quiz::CheckSheetOptions({"01", {}, {}, {}, std::string("x.pdf")}, plain), "");
  EXPECT_EQ(plain.count, 1);
  EXPECT_FALSE(plain.seedGiven);
  EXPECT_EQ(plain.kind, SheetKind::kMixed);
  EXPECT_FALSE(plain.palette.has_value());
}

}  // namespace
