#include "render/MoodleXml.h"

#include <QBuffer>
#include <QPoint>
#include <QStringList>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "classify/Classification.h"
#include "classify/Planes.h"
#include "classify/TrueNames.h"
#include "figures/Kind.h"
#include "quiz/PlaneExercise.h"
#include "quiz/Results.h"
#include "quiz/SheetExercises.h"
#include "render/ConstructionPicture.h"

namespace render {

namespace {

// Image pixels to a unit of the flat view: about 350 pixels square, labels of 19
// pixels; larger costs the bank most of its time.
constexpr double kPixelsPerUnit = 1.2;
// Less zlib effort: the bank's pictures are written once and are small anyway.
constexpr int kPngQuality = 70;
// The smallest circle a marker is dropped in, in pixels: a finger's width on a phone
// is far more, but less than this no hand hits.
constexpr int kLeastDropRadius = 6;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A choice inside a cloze drop-down. Moodle's import ends a choice at "}", "#" or
// "~" and takes the backslash off "\}" and "\#" only: those are escaped, "~" too
// (it would split the choice; no name holds one), and everything else, "/"
// included, is written as it is.
QString ClozeText(const QString& name) {
  QString text;
  for (const QChar c : name) {
    if (QStringLiteral("}#~").contains(c)) text += QLatin1Char('\\');
    text += c;
  }
  return text;
}

// The name without its accents: "LÍNEA" gives "LINEA".
QString WithoutAccents(const QString& name) {
  QString plain;
  for (const QChar c : name.normalized(QString::NormalizationForm_D))
    if (c.category() != QChar::Mark_NonSpacing) plain += c;
  return plain.normalized(QString::NormalizationForm_C);
}

// The spellings of one part a line crosses, in the same order for every part: a
// quadrant's number with "º", "°" or nothing; a half of H or V by its name, without
// its dots, without "PLANO ", and both; L.T. also as "L.T." and "LT".
QStringList PartSpellings(std::int32_t code) {
  if (code >= 1 && code <= 4) {
    const QString n = QString::number(code);
    return {n + QStringLiteral("º"), n + QStringLiteral("°"), n};
  }
  const QString name = Q(quiz::LocationName(code));
  QStringList spellings{name, QString(name).remove(QLatin1Char('.'))};
  const QString plane = QStringLiteral("PLANO ");
  if (name.startsWith(plane)) {
    spellings << name.mid(plane.size()) << name.mid(plane.size()).remove(QLatin1Char('.'));
  } else {
    spellings << QStringLiteral("L.T.") << QStringLiteral("LT");
  }
  return spellings;
}

// Every reasonable way to write the parts a line crosses, the key's first: each
// spelling with ", " or "," between the parts, and each without its accents.
// Moodle compares short answers ignoring case and the blanks at both ends only.
QStringList QuadrantAnswers(const std::vector<std::int32_t>& codes) {
  std::vector<QStringList> parts;
  for (const std::int32_t code : codes) parts.push_back(PartSpellings(code));
  QStringList answers;
  const int styles = parts.empty() ? 0 : static_cast<int>(parts.front().size());
  for (int style = 0; style < styles; ++style) {
    for (const QString& separator : {QStringLiteral(", "), QStringLiteral(",")}) {
      QStringList written;
      for (const QStringList& spellings : parts)
        written << spellings.value(std::min(style, static_cast<int>(spellings.size()) - 1));
      answers << written.join(separator) << WithoutAccents(written.join(separator));
    }
  }
  answers.removeDuplicates();
  return answers;
}

// The format a quadrants answer takes, the same for every line so that it gives
// nothing away.
QString QuadrantsQuestion() {
  return QStringLiteral(
             "<p>Cuadrantes que atraviesa la recta, en orden de A hacia B y separados por "
             "comas, por ejemplo «3º, 4º, 1º». Si la recta está en H o en V, los semiplanos "
             "que recorre, por ejemplo «%1, %2»; si está en L.T., «%3».</p>")
      .arg(Q(quiz::LocationName(7)), Q(quiz::LocationName(8)), Q(quiz::LocationName(9)));
}

// {1:MULTICHOICE:%100%RIGHT~%0%WRONG~...}: every name of the list, the true ones
// right. Each choice carries its mark, so a name that starts with "=" (such as
// "= AL H, V Y L.T.") is not read as the mark of a right one.
QString ClozeDropDown(const figures::NameList& list) {
  QString text = QStringLiteral("{1:MULTICHOICE:");
  for (std::size_t k = 0; k < list.names.size(); ++k) {
    const std::int32_t code = static_cast<std::int32_t>(k) + 1;
    if (code > 1) text += QLatin1Char('~');
    const bool isRight = std::find(list.right.begin(), list.right.end(), code) != list.right.end();
    text += isRight ? QStringLiteral("%100%") : QStringLiteral("%0%");
    text += ClozeText(Q(list.names[k]));
  }
  return text + QLatin1Char('}');
}

// What every student reads once the question is closed: the facts the kind's
// explanations give for each wrong choice of each list (the first list's right
// choice held while the second is asked), each premise once, in the lists' order. Together
// they say why the right names are right.
QString NamingFeedback(const quiz::GeneratedExercise& e, const figures::BankQuestion& question) {
  const figures::Kind& kind = figures::KindOf(e.figure);
  const figures::Exercise exercise = kind.ExerciseOf(e.Points());
  QStringList facts, premises;
  for (std::size_t list = 0; list < question.lists.size() && list < 2; ++list) {
    const figures::NameList& names = question.lists[list];
    for (std::size_t k = 0; k < names.names.size(); ++k) {
      const std::int32_t code = static_cast<std::int32_t>(k) + 1;
      if (figures::Contains(names.right, code)) continue;
      figures::Answer wrong{code, 0};
      if (list == 1) {
        const std::vector<std::int32_t>& first = question.lists.front().right;
        wrong = {first.empty() ? 0 : first.front(), code};
      }
      const QString fact = Q(kind.Explanation(exercise, wrong));
      // "Falta..." speaks of an answer left out, not of the figure; a fact already
      // given ("A y B difieren en cota (64 y 0)") is not given again for another name.
      const QString premise = fact.left(fact.indexOf(QStringLiteral(": ")));
      if (fact.isEmpty() || fact.startsWith(QStringLiteral("Falta")) || premises.contains(premise))
        continue;
      premises << premise;
      facts << fact;
    }
  }
  return facts.isEmpty()
             ? QString()
             : QStringLiteral("<p>") + facts.join(QLatin1Char(' ')) + QStringLiteral("</p>");
}

void TextElement(QXmlStreamWriter& xml, const QString& name, const QString& text) {
  xml.writeStartElement(name);
  xml.writeTextElement(QStringLiteral("text"), text);
  xml.writeEndElement();
}

void WriteQuestion(QXmlStreamWriter& xml, int number, const quiz::GeneratedExercise& e,
                   const QString& origin, const SheetPalette& palette) {
  const QString picture = QStringLiteral("ejercicio%1.png").arg(number);
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // A handful of colours: as an indexed image its PNG is small and quick to write.
    FlatPictureImage(e, palette, kPixelsPerUnit)
        .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
        .save(&buffer, "PNG", kPngQuality);
  }
  QString html =
      QStringLiteral(
          "<p><img src=\"@@PLUGINFILE@@/%1\" alt=\"Proyecciones del ejercicio %2\"></p><p>%3</p>")
          .arg(picture)
          .arg(number)
          .arg(ExerciseCoordinates(e, QStringLiteral(", ")));
  const figures::BankQuestion question = figures::KindOf(e.figure).QuestionOf(e.Points());
  const bool cloze = question.cloze && !e.quadrants;
  QStringList crossed;
  if (e.quadrants) {
    crossed = QuadrantAnswers(classify::QuadrantsCrossed(e.a, e.b));
    html += QuadrantsQuestion();
  } else if (cloze) {
    for (const figures::NameList& list : question.lists)
      html += QStringLiteral("<p>") + Q(list.label) + ClozeDropDown(list) + QStringLiteral("</p>");
  } else {
    html += QStringLiteral("<p>") + Q(question.prompt) + QStringLiteral("</p>");
  }

  xml.writeStartElement(QStringLiteral("question"));
  xml.writeAttribute(QStringLiteral("type"), cloze         ? QStringLiteral("cloze")
                                             : e.quadrants ? QStringLiteral("shortanswer")
                                                           : QStringLiteral("multichoice"));
  TextElement(xml, QStringLiteral("name"),
              QStringLiteral("Ejercicio %1 (%2)").arg(number).arg(origin));
  xml.writeStartElement(QStringLiteral("questiontext"));
  xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
  xml.writeTextElement(QStringLiteral("text"), html);
  xml.writeStartElement(QStringLiteral("file"));
  xml.writeAttribute(QStringLiteral("name"), picture);
  xml.writeAttribute(QStringLiteral("path"), QStringLiteral("/"));
  xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
  xml.writeCharacters(QString::fromLatin1(png.toBase64()));
  xml.writeEndElement();  // file
  xml.writeEndElement();  // questiontext
  xml.writeStartElement(QStringLiteral("generalfeedback"));
  xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
  xml.writeTextElement(QStringLiteral("text"),
                       e.quadrants ? QString() : NamingFeedback(e, question));
  xml.writeEndElement();
  xml.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
  xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
  xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
  if (e.quadrants) {
    xml.writeTextElement(QStringLiteral("usecase"), QStringLiteral("0"));
    for (const QString& text : crossed) {
      xml.writeStartElement(QStringLiteral("answer"));
      xml.writeAttribute(QStringLiteral("fraction"), QStringLiteral("100"));
      xml.writeAttribute(QStringLiteral("format"), QStringLiteral("plain_text"));
      xml.writeTextElement(QStringLiteral("text"), text);
      xml.writeEndElement();
    }
  } else if (!cloze && !question.lists.empty()) {
    const figures::NameList& choices = question.lists.front();
    xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
    xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("none"));
    for (std::size_t k = 0; k < choices.names.size(); ++k) {
      const std::int32_t code = static_cast<std::int32_t>(k) + 1;
      const bool right =
          std::find(choices.right.begin(), choices.right.end(), code) != choices.right.end();
      xml.writeStartElement(QStringLiteral("answer"));
      xml.writeAttribute(QStringLiteral("fraction"),
                         right ? QStringLiteral("100") : QStringLiteral("0"));
      xml.writeAttribute(QStringLiteral("format"), QStringLiteral("plain_text"));
      xml.writeTextElement(QStringLiteral("text"), Q(choices.names[k]));
      xml.writeEndElement();
    }
  }
  xml.writeEndElement();  // question
}

QByteArray Png(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
      .save(&buffer, "PNG", kPngQuality);
  return png;
}

void FileElement(QXmlStreamWriter& xml, const QString& name, const QByteArray& bytes) {
  xml.writeStartElement(QStringLiteral("file"));
  xml.writeAttribute(QStringLiteral("name"), name);
  xml.writeAttribute(QStringLiteral("path"), QStringLiteral("/"));
  xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
  xml.writeCharacters(QString::fromLatin1(bytes.toBase64()));
  xml.writeEndElement();
}

void HtmlElement(QXmlStreamWriter& xml, const QString& name, const QString& html) {
  xml.writeStartElement(name);
  xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
  xml.writeTextElement(QStringLiteral("text"), html);
  xml.writeEndElement();
}

// A place of the flat view as a whole pixel of the bank's picture.
QPoint BankPixel(const classify::FlatPoint& p) {
  const QPointF at = PlaceInFrame(QPointF(0, 0), p) * kBankPixelsPerMm;
  return {static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y()))};
}

void WriteMarkerQuestion(QXmlStreamWriter& xml, int number, const quiz::ConstructionExercise& e,
                         const classify::Construction& c, const QString& origin) {
  const QString background = QStringLiteral("construccion%1.png").arg(number);
  const QString solution = QStringLiteral("solucion%1.png").arg(number);
  PaperLook whole;
  whole.steps = c.steps.size();
  whole.numbered = true;
  whole.answers = true;

  xml.writeStartElement(QStringLiteral("question"));
  xml.writeAttribute(QStringLiteral("type"), QStringLiteral("ddmarker"));
  TextElement(xml, QStringLiteral("name"),
              QStringLiteral("Ejercicio %1 (%2)").arg(number).arg(origin));
  HtmlElement(xml, QStringLiteral("questiontext"),
              QStringLiteral("<p><b>%1.</b> %2 Arrastra cada marca a su sitio en el dibujo.</p>")
                  .arg(QString::fromUtf8(classify::ConstructionTitle(e.kind)),
                       QString::fromUtf8(classify::ConstructionQuestion(e.kind))));
  // The solution: every step's sentence, and the picture of the last step.
  QString steps;
  for (const classify::Layer& step : c.steps)
    steps += QStringLiteral("<p>") + Q(step.sentence).toHtmlEscaped() + QStringLiteral("</p>");
  xml.writeStartElement(QStringLiteral("generalfeedback"));
  xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
  xml.writeTextElement(
      QStringLiteral("text"),
      steps + QStringLiteral("<p><img src=\"@@PLUGINFILE@@/%1\" alt=\"Construcción del ejercicio "
                             "%2\"></p>")
                  .arg(solution)
                  .arg(number));
  FileElement(xml, solution, Png(ConstructionImage(c, whole)));
  xml.writeEndElement();
  xml.writeTextElement(QStringLiteral("defaultgrade"), QString::number(c.markers.size()));
  xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
  xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
  xml.writeEmptyElement(QStringLiteral("shuffleanswers"));
  xml.writeEmptyElement(QStringLiteral("showmisplaced"));
  HtmlElement(xml, QStringLiteral("correctfeedback"), QStringLiteral("<p>Respuesta correcta.</p>"));
  HtmlElement(xml, QStringLiteral("partiallycorrectfeedback"),
              QStringLiteral("<p>Respuesta parcialmente correcta.</p>"));
  HtmlElement(xml, QStringLiteral("incorrectfeedback"),
              QStringLiteral("<p>Respuesta incorrecta.</p>"));
  xml.writeEmptyElement(QStringLiteral("shownumcorrect"));
  FileElement(xml, background, Png(ConstructionImage(c, PaperLook())));
  const int radius =
      std::max(kLeastDropRadius,
               static_cast<int>(std::lround(classify::kDefaultTolerance * kBankPixelsPerMm)));
  for (std::size_t k = 0; k < c.markers.size(); ++k) {
    const QString no = QString::number(k + 1);
    xml.writeStartElement(QStringLiteral("drag"));
    xml.writeTextElement(QStringLiteral("no"), no);
    xml.writeTextElement(QStringLiteral("text"), Q(c.markers[k].label));
    xml.writeTextElement(QStringLiteral("noofdrags"), QStringLiteral("1"));
    xml.writeEndElement();
  }
  for (std::size_t k = 0; k < c.markers.size(); ++k) {
    const QPoint centre = BankPixel(*c.markers[k].exact);
    const QString no = QString::number(k + 1);
    xml.writeStartElement(QStringLiteral("drop"));
    xml.writeTextElement(QStringLiteral("no"), no);
    xml.writeTextElement(QStringLiteral("shape"), QStringLiteral("circle"));
    xml.writeTextElement(QStringLiteral("coords"),
                         QStringLiteral("%1,%2;%3").arg(centre.x()).arg(centre.y()).arg(radius));
    xml.writeTextElement(QStringLiteral("choice"), no);
    xml.writeEndElement();
  }
  xml.writeEndElement();  // question
}

}  // namespace

QByteArray MoodleXml(const std::vector<quiz::GeneratedExercise>& exercises, const QString& origin,
                     const SheetPalette& palette) {
  return MoodleXml(exercises, {}, origin, palette);
}

QByteArray MoodleXml(const std::vector<quiz::GeneratedExercise>& exercises,
                     const std::vector<quiz::ConstructionExercise>& constructions,
                     const QString& origin, const SheetPalette& palette) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QXmlStreamWriter xml(&buffer);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("quiz"));
  // The bank's own category, so that banks imported one after another stay apart.
  xml.writeStartElement(QStringLiteral("question"));
  xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
  TextElement(xml, QStringLiteral("category"), QStringLiteral("$course$/Quorvel/") + origin);
  xml.writeEndElement();
  for (std::size_t k = 0; k < exercises.size(); ++k)
    WriteQuestion(xml, static_cast<int>(k) + 1, exercises[k], origin, palette);
  for (std::size_t k = 0; k < constructions.size(); ++k) {
    const classify::Construction c = quiz::ConstructionOf(constructions[k]);
    const bool placed = std::all_of(c.markers.begin(), c.markers.end(),
                                    [](const classify::Marker& m) { return m.exact.has_value(); });
    if (!c.lack.empty() || c.markers.empty() || !placed) continue;
    WriteMarkerQuestion(xml, static_cast<int>(exercises.size() + k) + 1, constructions[k], c,
                        origin);
  }
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

}  // namespace render
