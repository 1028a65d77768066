// Sheets: exercises drawn from a seed as test mode draws them after an edit, kinds
// kept apart, key lines in their fixed form, and the checks on what a sheet is
// asked for with.
#include <algorithm>
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
  return x.pointMode == y.pointMode && x.a == y.a && x.b == y.b;
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
  for (const GeneratedExercise& e : sheet) {
    if (e.planeMode) continue;  // drawn apart from test mode's generator
    quiz::NewExercise();
    EXPECT_TRUE(Same(e, GeneratedExercise{scene::PointMode, scene::PointA, scene::PointB}));
  }
}

TEST_F(QuizTest, SeedsRepeatAndDifferAndKindsKeepTheirOwnExercises) {
  const auto mixed = quiz::SheetExercises(60, 7, SheetKind::kMixed);
  EXPECT_EQ(mixed.size(), 60u);
  EXPECT_TRUE(SameList(mixed, quiz::SheetExercises(60, 7, SheetKind::kMixed)));
  EXPECT_FALSE(SameList(mixed, quiz::SheetExercises(60, 8, SheetKind::kMixed)));
  EXPECT_EQ(quiz::SheetExercises(1, 4294967295u, SheetKind::kMixed).size(), 1u);

  // A kind keeps the generator's exercises of that kind, in their order.
  std::vector<GeneratedExercise> points, lines;
  for (const GeneratedExercise& e : mixed)
    if (!e.planeMode) (e.pointMode ? points : lines).push_back(e);
  ASSERT_GT(points.size(), 5u);
  ASSERT_GT(lines.size(), 5u);
  EXPECT_TRUE(SameList(quiz::SheetExercises(static_cast<int>(points.size()), 7, SheetKind::kPoints),
                       points));
  EXPECT_TRUE(
      SameList(quiz::SheetExercises(static_cast<int>(lines.size()), 7, SheetKind::kLines), lines));
  for (const GeneratedExercise& e : quiz::SheetExercises(60, 9, SheetKind::kLines))
    EXPECT_FALSE(e.pointMode);
}

TEST_F(QuizTest, SheetBoundsAreThoseAfterAnEditAndLeaveTheMappingAlone) {
  // The fixture leaves the start-up space current, with its smaller bounds; the
  // command line has no surface extent at all.
  EXPECT_EQ(quiz::CurrentBounds().abscissa, 40);
  for (const std::int32_t extent : {delgraph::GetMaxX(), 0}) {
    scene::SurfaceWidth = scene::SurfaceHeight = extent;
    const quiz::ExerciseBounds after = quiz::BoundsAfterEdit();
    EXPECT_EQ(after.abscissa, 97);
    EXPECT_EQ(after.distance, 144);
    EXPECT_EQ(scene::SurfaceWidth, extent);
  }
  scene::SurfaceWidth = delgraph::GetMaxX();
  scene::SurfaceHeight = delgraph::GetMaxY();
  EXPECT_EQ(quiz::CurrentBounds().abscissa, 40);
}

TEST_F(QuizTest, KeyLinesNameTheClassificationAndKeepTheCodes) {
  classify::ClassCode = 4;
  classify::RelationCode = 6;
  const auto key = [](int n, bool point, DihedralPoint a, DihedralPoint b = {}) {
    return quiz::KeyLine(n, GeneratedExercise{point, a, b});
  };
  EXPECT_EQ(key(1, true, {12, -40, 30}), "1. A=(12,-40,30): Segundo Cuadrante");
  EXPECT_EQ(key(2, false, {12, 40, 30}, {5, 0, 7}),
            "2. A=(12,40,30) B=(5,0,7): OBLICUA; / AL H,V Y L.T.");
  // Blanks around the classification texts go; a blank relation is named as its
  // answer-list item, and every other true name follows.
  EXPECT_EQ(key(3, true, {0, 20, 20}), "3. A=(0,20,20): Primer Cuadrante BISECTOR");
  EXPECT_EQ(key(4, false, {-20, 30, 0}, {30, 50, 0}),
            "4. A=(-20,30,0) B=(30,50,0): CONTENIDA EN EL H. (también HORIZONTAL, QUE CORTA A "
            "L.T.); CONTENIDA EN EL H (también = AL H / AL V., UN PUNTO EN L.T.)");
  EXPECT_EQ(key(5, false, {10, 20, 30}, {10, 20, 30}),
            "5. A=(10,20,30) B=(10,20,30): ES UN PUNTO; -");
  EXPECT_EQ(key(60, false, {10, 20, 30}, {10, 20, -30}),
            "60. A=(10,20,30) B=(10,20,-30): VERTICAL; ÷ AL H, = AL V");
  EXPECT_EQ(classify::ClassCode, 4);
  EXPECT_EQ(classify::RelationCode, 6);
}

TEST_F(QuizTest, KeyOfALineThroughTheGroundLineNamesItToo) {
  // Neither end on L.T., yet the line crosses it at (0,0,0): the program says
  // OBLICUA, and a student who writes QUE CORTA A L.T. is right as well.
  const std::string line =
      quiz::KeyLine(7, GeneratedExercise{false, {-20, 20, 30}, {40, -20, -30}});
  EXPECT_EQ(line,
            "7. A=(-20,20,30) B=(40,-20,-30): OBLICUA (también QUE CORTA A L.T.); / AL H,V Y "
            "L.T. (también UN PUNTO EN L.T.)");
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
  classify::ClassCode = 4;
  for (std::int32_t code = 1; code <= 10; ++code) {
    for (int k = 0; k < 20; ++k) {
      const GeneratedExercise e = quiz::DrawPlaneExercise(random, bounds, code);
      ASSERT_TRUE(e.planeMode);
      for (const DihedralPoint& p : {e.a, e.b, e.c}) {
        EXPECT_LT(std::abs(p.abscissa), bounds.abscissa);
        EXPECT_LT(std::max(std::abs(p.alejamiento), std::abs(p.cota)), bounds.distance);
      }
      const std::string type = classify::PlaneType(e.a, e.b, e.c);
      EXPECT_EQ(classify::ClassCode, code) << type;
      classify::ClassCode = 4;
      const std::string line = quiz::KeyLine(3, e);
      EXPECT_EQ(line.find(quiz::Coordinates("C", e.c) + ": " + type), line.find(" C=") + 1) << line;
    }
  }
  EXPECT_EQ(classify::ClassCode, 4);
  // The draw of the type: 1 to 8 evenly, 9 and 10 now and then.
  std::vector<int> seen(11, 0);
  for (int k = 0; k < 2600; ++k) ++seen[static_cast<std::size_t>(quiz::DrawPlaneTypeCode(random))];
  for (int code = 1; code <= 8; ++code) EXPECT_GT(seen[static_cast<std::size_t>(code)], 220);
  EXPECT_GT(seen[9], 50);
  EXPECT_LT(seen[9], 150);

  const auto key = [](DihedralPoint a, DihedralPoint b, DihedralPoint c) {
    GeneratedExercise e;
    e.planeMode = true;
    e.a = a;
    e.b = b;
    e.c = c;
    return quiz::KeyLine(1, e);
  };
  EXPECT_EQ(key({0, 10, 0}, {20, 30, 0}, {5, -7, 0}),
            "1. A=(0,10,0) B=(20,30,0) C=(5,-7,0): ES EL PLANO H (también HORIZONTAL, QUE PASA "
            "POR L.T.)");
  EXPECT_EQ(key({0, 0, 0}, {10, 20, 20}, {30, -5, -5}),
            "1. A=(0,0,0) B=(10,20,20) C=(30,-5,-5): PRIMER BISECTOR (también QUE PASA POR L.T.)");
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
    ASSERT_TRUE(q.quadrants && !q.pointMode && !q.planeMode);
    const std::string line = quiz::KeyLine(1, q);
    EXPECT_EQ(line.substr(line.find(": ") + 2),
              quiz::QuadrantsText(classify::QuadrantsCrossed(q.a, q.b)));
  }
  // Planes sheets hold planes of every type; a mixed one holds all three figures.
  std::vector<int> types(11, 0);
  for (const GeneratedExercise& p : quiz::SheetExercises(60, 3, SheetKind::kPlanes)) {
    ASSERT_TRUE(p.planeMode);
    classify::PlaneType(p.a, p.b, p.c);
    ++types[static_cast<std::size_t>(classify::ClassCode)];
  }
  for (int code = 1; code <= 8; ++code) EXPECT_GT(types[static_cast<std::size_t>(code)], 0);
  int planes = 0, points = 0;
  for (const GeneratedExercise& m : quiz::SheetExercises(60, 3, SheetKind::kMixed)) {
    planes += m.planeMode;
    points += m.pointMode;
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
  EXPECT_TRUE(good.exercises[0].pointMode);
  EXPECT_EQ(good.exercises[0].a, (DihedralPoint{10, 20, 30}));
  EXPECT_FALSE(good.exercises[1].pointMode);
  EXPECT_EQ(good.exercises[1].b, (DihedralPoint{50, 60, 80}));
  const auto more = quiz::ParseExerciseList(
      "A(1,2,3) B(4,5,6) C(7,8,-9)\nA(-10,40,40) B(50,-60,80) Cuadrantes\n", "lista.txt");
  EXPECT_EQ(more.fault, "");
  ASSERT_EQ(more.exercises.size(), 2u);
  EXPECT_TRUE(more.exercises[0].planeMode);
  EXPECT_EQ(more.exercises[0].c, (DihedralPoint{7, 8, -9}));
  EXPECT_FALSE(more.exercises[1].planeMode);
  EXPECT_TRUE(more.exercises[1].quadrants);

  struct Case {
    const char* text;
    const char* says;
  };
  const Case cases[] = {
      {"A(1,2,3)\nA(1,2) B(3,4,5)\n", "lista.txt, línea 2: «A(1,2) B(3,4,5)»"},
      {"\n\nB(1,2,3)", "línea 3: «B(1,2,3)»"},
      {"A(1,2,3) B(1,2,3) x", "línea 1"},
      {"A(1000,2,3)", "de -999 a 999"},
      {"A(99999999999999999999,2,3)", "línea 1"},
      {"A(1,2,3) cuadrantes", "línea 1: «A(1,2,3) cuadrantes» no se entiende"},
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

TEST(SheetRequestTest, BadOptionsNameTheirFault) {
  struct Case {
    quiz::SheetOptionTexts texts;
    const char* says;
  };
  const std::string out = "hoja.pdf";
  const Case cases[] = {
      {{"0", {}, {}, {}, out}, "--worksheet: «0» no es"},
      {{"61", {}, {}, {}, out}, "de 1 a 60"},
      {{"abc", {}, {}, {}, out}, "«abc»"},
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
