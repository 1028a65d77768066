// The question bank as Moodle's import reads it: a choice written as it is but for
// the marks that end it, every reasonable spelling of a quadrants answer, and the
// bank's own category with the kind and seed in every name.
#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <vector>

#include "quiz/Results.h"
#include "render/MoodleXml.h"

namespace {

struct Question {
  QString type, name, html;
  QStringList right;
};

std::vector<Question> Read(const QByteArray& bank) {
  std::vector<Question> questions;
  QXmlStreamReader xml(bank);
  QString parent;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const QString element = xml.name().toString();
    if (element == "question") {
      questions.push_back({xml.attributes().value("type").toString(), {}, {}, {}});
    } else if (element == "answer") {
      parent = xml.attributes().value("fraction") == QStringLiteral("100") ? "right" : "";
    } else if (element == "name" || element == "questiontext" || element == "category") {
      parent = element;
    } else if (element == "text") {
      const QString text = xml.readElementText();
      Question& q = questions.back();
      if (parent == "name" || parent == "category") q.name = text;
      if (parent == "questiontext") q.html = text;
      if (parent == "right") q.right << text;
      parent.clear();
    } else if (element == "file") {
      xml.skipCurrentElement();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return questions;
}

TEST(MoodleXmlTest, ChoicesAsTheyAreQuadrantsInEverySpellingAndTheBanksCategory) {
  const auto quadrants = [](DihedralPoint a, DihedralPoint b) {
    quiz::GeneratedExercise e{false, a, b};
    e.quadrants = true;
    return e;
  };
  const std::vector<Question> q = Read(
      render::MoodleXml({quiz::GeneratedExercise{false, {10, 20, 30}, {-10, 20, 30}},
                         quadrants({-20, 20, 30}, {40, -20, -30}),
                         quadrants({-20, 30, 0}, {30, -50, 0}), quadrants({10, 0, 0}, {-10, 0, 0})},
                        QStringLiteral("rectas, semilla 42"), render::PrintSheetPalette()));
  ASSERT_EQ(q.size(), 5u);
  EXPECT_EQ(q[0].type, "category");
  EXPECT_EQ(q[0].name, "$course$/Quorvel/rectas, semilla 42");
  EXPECT_EQ(q[2].name, "Ejercicio 2 (rectas, semilla 42)");

  // Moodle takes the backslash off "\}" and "\#" only: "/" goes as it is.
  EXPECT_TRUE(q[1].html.contains(QStringLiteral("%0%/ AL H = AL V.~"))) << q[1].html.toStdString();
  EXPECT_FALSE(q[1].html.contains(QStringLiteral("\\")));

  for (const char* answer : {"1º, 3º", "1º,3º", "1°, 3°", "1°,3°", "1, 3", "1,3"})
    EXPECT_TRUE(q[2].right.contains(QString::fromUtf8(answer))) << answer;
  EXPECT_EQ(q[2].right.front(), "1º, 3º");  // as the key writes it
  const QString anterior = QString::fromStdString(quiz::LocationName(5));
  const QString posterior = QString::fromStdString(quiz::LocationName(6));
  EXPECT_EQ(q[3].right.front(), anterior + ", " + posterior);
  for (const char* answer : {"H. ANTERIOR, H. POSTERIOR", "H ANTERIOR,H POSTERIOR",
                             "PLANO H ANTERIOR, PLANO H POSTERIOR"})
    EXPECT_TRUE(q[3].right.contains(QString::fromUtf8(answer))) << answer;
  for (const char* answer : {"LINEA DE TIERRA", "L.T.", "LT"})
    EXPECT_TRUE(q[4].right.contains(QString::fromUtf8(answer))) << answer;
  // One format shown for every quadrants question, whatever the line.
  EXPECT_TRUE(q[2].html.contains(QStringLiteral("«3º, 4º, 1º»")));
  EXPECT_EQ(q[2].html.mid(q[2].html.indexOf("<p>Cuadrantes")),
            q[3].html.mid(q[3].html.indexOf("<p>Cuadrantes")));
}

}  // namespace
