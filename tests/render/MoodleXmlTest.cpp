// The question bank as Moodle's import reads it: a choice written as it is but for
// the marks that end it, every reasonable spelling of a quadrants answer, and the
// bank's own category with the kind and seed in every name.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "quiz/ExerciseList.h"
#include "quiz/Results.h"
#include "render/MoodleXml.h"

namespace {

TEST(MoodleXmlTest, ChoicesAsTheyAreQuadrantsInEverySpellingAndTheBanksCategory) {
  const auto quadrants = [](DihedralPoint a, DihedralPoint b) {
    quiz::GeneratedExercise e{scene::Figure::kLine, a, b};
    e.quadrants = true;
    return e;
  };
  const QString bank = QString::fromUtf8(
      render::MoodleXml({quiz::GeneratedExercise{scene::Figure::kLine, {10, 20, 30}, {-10, 20, 30}},
                         quadrants({-20, 20, 30}, {40, -20, -30}),
                         quadrants({-20, 30, 0}, {30, -50, 0}), quadrants({10, 0, 0}, {-10, 0, 0})},
                        QStringLiteral("rectas, semilla 42"), render::PrintSheetPalette()));
  const auto has = [&bank](const QString& text) { return bank.contains(text); };
  EXPECT_LT(bank.indexOf("<question type=\"category\">"),
            bank.indexOf("<question type=\"cloze\">"));
  EXPECT_TRUE(has("<text>$course$/Quorvel/rectas, semilla 42</text>"));
  EXPECT_TRUE(has("<text>Ejercicio 2 (rectas, semilla 42)</text>"));
  // Moodle takes the backslash off "\}" and "\#" only: "/" goes as it is.
  EXPECT_TRUE(has("%0%/ AL H = AL V.~"));
  EXPECT_FALSE(has("\\"));

  // The key's spelling first, then every other.
  EXPECT_LT(bank.indexOf("<text>1º, 3º</text>"), bank.indexOf("<text>1,3</text>"));
  const QString halves =
      QString::fromStdString(quiz::LocationName(5) + ", " + quiz::LocationName(6));
  for (const QString& answer :
       {QStringLiteral("1º,3º"), QStringLiteral("1°, 3°"), QStringLiteral("1°,3°"),
        QStringLiteral("1, 3"), halves, QStringLiteral("H. ANTERIOR, H. POSTERIOR"),
        QStringLiteral("H ANTERIOR,H POSTERIOR"),
        QStringLiteral("PLANO H ANTERIOR, PLANO H POSTERIOR"), QStringLiteral("LINEA DE TIERRA"),
        QStringLiteral("L.T."), QStringLiteral("LT")})
    EXPECT_TRUE(has("<text>" + answer + "</text>")) << answer.toStdString();
  // One format shown for every quadrants question, whatever the line.
  EXPECT_EQ(bank.count("«3º, 4º, 1º»"), 3);
}

// A figure with a plane asks its kind's question: one choice for a point or a line
// with a plane, a drop-down for each list of two secant planes; its picture too.
TEST(MoodleXmlTest, FiguresWithAPlaneAskTheirKindsQuestion) {
  const std::string abc = "A(0,10,30) B(20,30,30) C(5,-7,30) ";
  const auto list = quiz::ParseExerciseList(
      abc + "P(1,1,40)\n" + abc + "D(0,10,0) E(20,30,0) F(5,-7,40)", "l.txt");
  const QString bank = QString::fromUtf8(
      render::MoodleXml(list.exercises, QStringLiteral("l.txt"), render::PrintSheetPalette()));
  EXPECT_TRUE(bank.contains(QRegularExpression(
      "multichoice.*P=\\(1, 1, 40\\).*¿Pertenece P al plano\\?.*<file.*fraction=\"0\"[^/]*SÍ.*"
      "fraction=\"100\"[^/]*NO<.*<question type=\"cloze\">.*<file",
      QRegularExpression::DotMatchesEverythingOption)));
  EXPECT_TRUE(bank.contains("¿Cómo son los planos? {1:MULTICHOICE:%100%SECANTES~"));
  EXPECT_TRUE(bank.contains("¿De qué tipo es su intersección? {1:MULTICHOICE:"));
}

}  // namespace
