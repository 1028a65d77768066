// Many generated exercises: every coordinate lies in its set, the abscissas agree in
// magnitude, points and lines come up about equally, and every item of the three
// answer lists is the right answer to some exercise.
#include <cstdlib>
#include <random>
#include <set>

#include "QuizFixture.h"

namespace {

bool ZeroOrFrom10Below(std::int32_t v, std::int32_t bound) {
  const std::int32_t m = std::abs(v);
  return m == 0 || (m >= 10 && m < bound);
}

// B's cota and alejamiento: 0, an odd draw from 11 to 49, or A's magnitude.
bool BCoordinateOk(std::int32_t b, std::int32_t a) {
  const std::int32_t m = std::abs(b);
  return m == 0 || (m % 2 == 1 && m >= 11 && m <= 49) || m == std::abs(a);
}

struct Tally {
  int points = 0;
  int lines = 0;
  std::set<std::int32_t> pointCodes, lineTypes, lineRelations;
  std::set<std::int32_t> abscissas, alejamientos, cotas;  // magnitudes of A
};

// Generates n exercises in the 320 x 200 space and checks each one.
Tally Generate(drawing::Painter& painter, scene::Scene& scene, quiz::Quiz& quiz, int n) {
  Tally t;
  painter.Select320x200();
  for (int i = 0; i < n; ++i) {
    quiz::NewExercise(painter, scene, quiz);
    const DihedralPoint& a = scene.PointA;
    const DihedralPoint& b = scene.PointB;
    SCOPED_TRACE(::testing::Message() << "exercise " << i << " A=(" << a.abscissa << ","
                                      << a.alejamiento << "," << a.cota << ") B=(" << b.abscissa
                                      << "," << b.alejamiento << "," << b.cota << ")");
    EXPECT_TRUE(ZeroOrFrom10Below(a.abscissa, 97));
    EXPECT_TRUE(ZeroOrFrom10Below(a.alejamiento, 144));
    EXPECT_TRUE(ZeroOrFrom10Below(a.cota, 144));
    EXPECT_TRUE(b.abscissa == a.abscissa || b.abscissa == -a.abscissa);
    EXPECT_TRUE(BCoordinateOk(b.alejamiento, a.alejamiento));
    EXPECT_TRUE(BCoordinateOk(b.cota, a.cota));
    if (::testing::Test::HasFailure()) return t;
    t.abscissas.insert(std::abs(a.abscissa));
    t.alejamientos.insert(std::abs(a.alejamiento));
    t.cotas.insert(std::abs(a.cota));
    if (scene.IsPoint()) {
      ++t.points;
      t.pointCodes.insert(quiz.CurrentExercise.classCode);
    } else {
      ++t.lines;
      t.lineTypes.insert(quiz.CurrentExercise.classCode);
      t.lineRelations.insert(quiz.CurrentExercise.relationCode);
    }
  }
  return t;
}

std::set<std::int32_t> Range(std::int32_t first, std::int32_t last) {
  std::set<std::int32_t> s;
  for (std::int32_t v = first; v <= last; ++v) s.insert(v);
  return s;
}

class ExerciseStatistics : public QuizTest {
 protected:
  void SetUp() override {
    QuizTest::SetUp();
    // Nothing drawn and no window: the codes are recorded all the same.
    painter.SurfaceCanvas = nullptr;
  }
};

TEST_F(ExerciseStatistics, EveryAnswerIsSometimesRight) {
  // The production draw on a fixed seed, so the rare cases are reproducible.
  std::mt19937 generator(20240611u);
  quiz::SetRandomSource([&generator](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator);
  });
  const Tally t = Generate(painter, scene, quiz, 10000);
  ASSERT_FALSE(HasFailure());

  EXPECT_NEAR(t.points, 5000, 300);
  EXPECT_NEAR(t.lines, 5000, 300);
  EXPECT_EQ(t.pointCodes, Range(1, 9));             // every item of SelPunto
  EXPECT_EQ(t.lineTypes, Range(1, 10));             // every item of SelREcta
  std::set<std::int32_t> relations = Range(1, 11);  // every item of DefREcta
  relations.insert(-1);                             // and "ES UN PUNTO" alone
  EXPECT_EQ(t.lineRelations, relations);

  // The whole of each range is drawn.
  std::set<std::int32_t> abscissas = Range(10, 96), others = Range(10, 143);
  abscissas.insert(0);
  others.insert(0);
  EXPECT_EQ(t.abscissas, abscissas);
  EXPECT_EQ(t.alejamientos, others);
  EXPECT_EQ(t.cotas, others);
}

TEST_F(ExerciseStatistics, BuiltInGeneratorKeepsEveryCoordinateInItsSet) {
  quiz::SetRandomSource(nullptr);
  const Tally t = Generate(painter, scene, quiz, 2000);
  ASSERT_FALSE(HasFailure());
  EXPECT_GT(t.points, 0);
  EXPECT_GT(t.lines, 0);
}

}  // namespace
