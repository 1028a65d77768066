// Construction exercises on paper and in a question bank: the printed page keeps
// true size (measured on the PDF as poppler renders it at 10 pixels a millimetre),
// printed sheets carry no colour, and every marker question of the bank can be
// answered exactly where the construction puts the answer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <map>
#include <vector>

#include "classify/Construction.h"
#include "quiz/ConstructionSheet.h"
#include "render/ConstructionPicture.h"
#include "render/SheetPicture.h"
#include "render/WorksheetPdf.h"

namespace {

constexpr int kDotsPerMm = 10;  // pdftoppm -r 254

bool Dark(const QImage& page, int x, int y) {
  return qGray(page.pixel(x, y)) < 100;
}

// The centres of the dark runs down column x, in pixels.
std::vector<double> RunsDown(const QImage& page, int x) {
  std::vector<double> centres;
  for (int y = 0; y < page.height(); ++y) {
    if (!Dark(page, x, y)) continue;
    const int top = y;
    while (y < page.height() && Dark(page, x, y)) ++y;
    centres.push_back((top + y - 1) / 2.0);
  }
  return centres;
}

// The longest dark run across the rows from top to bottom, in pixels.
int LongestRunAcross(const QImage& page, int top, int bottom) {
  int longest = 0;
  for (int y = top; y <= bottom && y < page.height(); ++y) {
    int run = 0;
    for (int x = 0; x < page.width(); ++x) {
      run = Dark(page, x, y) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

TEST(TrueSizeSheetTest, AConstructionPrintsAtOneMillimetreAUnitWithAFiftyMillimetreBar) {
  const QString renderer = QStandardPaths::findExecutable("pdftoppm");
  if (renderer.isEmpty()) GTEST_SKIP() << "pdftoppm not installed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  quiz::SheetRequest request;
  request.output = dir.filePath("c.pdf").toStdString();
  request.key = dir.filePath("k.pdf").toStdString();
  // r parallel to L.T.: r' at cota 30, r at alejamiento 20, 50 mm apart on paper.
  quiz::ConstructionExercise e;
  e.points[0] = {-40, 20, 30};
  e.points[1] = {40, 20, 30};
  ASSERT_EQ(render::WriteWorksheet(request, {}, {e}).fault, render::SheetFault::kNone);
  for (const char* name : {"c", "k"}) {
    QProcess p;
    p.start(renderer, {"-png", "-gray", "-r", "254", "-f", "1", "-singlefile",
                       dir.filePath(QString::fromLatin1(name) + ".pdf"),
                       dir.filePath(QString::fromLatin1(name))});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QImage page(dir.filePath(QString::fromLatin1(name) + ".png"));
    ASSERT_EQ(page.width(), 2100);
    // Down the middle of the page, which is abscissa 0: r', L.T. and r, in order.
    // And across, r' from a' to b': 80 mm.
    const std::vector<double> runs = RunsDown(page, page.width() / 2);
    int found = -1;
    for (std::size_t k = 0; k + 2 < runs.size(); ++k)
      if (std::fabs(runs[k + 1] - runs[k] - 30 * kDotsPerMm) <= 2 &&
          std::fabs(runs[k + 2] - runs[k + 1] - 20 * kDotsPerMm) <= 2)
        found = static_cast<int>(std::lround(runs[k]));
    ASSERT_GE(found, 0) << name;
    EXPECT_NEAR(LongestRunAcross(page, found, found), 80 * kDotsPerMm, 2) << name;
    // Under the frames only the bar is long.
    EXPECT_NEAR(LongestRunAcross(page, 277 * kDotsPerMm, page.height()), 50 * kDotsPerMm, 2)
        << name;
  }
}

TEST(TrueSizeSheetTest, PrintedSheetsAreGreyWhateverTheFigure) {
  quiz::GeneratedExercise e;
  e.figure = scene::Figure::kTwoPlanes;
  e.a = {0, 10, 30};
  e.b = {20, 30, 30};
  e.c = {5, -7, 30};
  e.more = {DihedralPoint{0, 10, 0}, DihedralPoint{20, 30, 0}, DihedralPoint{5, -7, 40}};
  QImage image(600, 620, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  render::DrawExercisePart(painter, QRectF(image.rect()), render::FlatPictureArea(), e,
                           render::InkSheetPalette());
  painter.end();
  int marks = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      ASSERT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << x << ' ' << y;
      marks += qGray(c) < 128;
    }
  }
  EXPECT_GT(marks, 500);  // something was drawn
}

// One ddmarker question, as read back.
struct MarkerQuestion {
  int number = 0;
  QImage background;
  std::vector<QString> drags;
  std::vector<QString> coords;
};

TEST(TrueSizeSheetTest, TheBankParsesAndEveryMarkerFallsInItsCircle) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  quiz::SheetRequest request;
  request.count = 16;
  request.seed = 42;
  request.kind = quiz::SheetKind::kMixed;
  request.constructions = true;
  request.output = dir.filePath("m.pdf").toStdString();
  request.moodle = dir.filePath("m.xml").toStdString();
  ASSERT_EQ(render::WriteWorksheet(request).fault, render::SheetFault::kNone);
  const quiz::SheetContents contents = quiz::SheetContentsOf(request);
  ASSERT_EQ(contents.constructions.size(), 4u);

  QFile file(dir.filePath("m.xml"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  std::vector<QString> categories;
  std::map<QString, int> feedbacks;  // question type: those with a fact in their feedback
  std::vector<MarkerQuestion> markers;
  QString type;
  int depth = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement()) --depth;
    if (!xml.isStartElement()) continue;
    ++depth;
    const QString name = xml.name().toString();
    if (name == QLatin1String("question")) {
      type = xml.attributes().value("type").toString();
      if (type == QLatin1String("ddmarker")) markers.emplace_back();
    } else if (name == QLatin1String("category")) {
      categories.push_back(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
      --depth;
    } else if (name == QLatin1String("generalfeedback") && type != QLatin1String("ddmarker")) {
      feedbacks[type] +=
          xml.readElementText(QXmlStreamReader::IncludeChildElements).contains(QLatin1String(": "));
      --depth;
    } else if (type == QLatin1String("ddmarker") && depth == 3) {
      // Directly in the question: its name, background, drags and drops.
      MarkerQuestion& q = markers.back();
      if (name == QLatin1String("name")) {
        const QString text =
            xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        q.number = text.mid(text.indexOf(' ') + 1).section(' ', 0, 0).toInt();
        --depth;
      } else if (name == QLatin1String("file")) {
        q.background.loadFromData(QByteArray::fromBase64(xml.readElementText().toLatin1()));
        --depth;
      } else if (name == QLatin1String("drag") || name == QLatin1String("drop")) {
        const bool drag = name == QLatin1String("drag");
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements)
                                 .remove(QLatin1Char(' '))
                                 .remove(QLatin1Char('\n'));
        (drag ? q.drags : q.coords).push_back(text);
        --depth;
      }
    }
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(categories,
            std::vector<QString>{QStringLiteral("$course$/Quorvel/mixtos, semilla 42")});
  EXPECT_GT(feedbacks["cloze"] + feedbacks["multichoice"], 0);

  const int radius =
      static_cast<int>(std::lround(classify::kDefaultTolerance * render::kBankPixelsPerMm));
  ASSERT_GE(radius, 6);
  std::size_t placeable = 0;
  for (const quiz::ConstructionExercise& e : contents.constructions) {
    const classify::Construction c = quiz::ConstructionOf(e);
    bool all = true;
    for (const classify::Marker& m : c.markers) all = all && m.exact.has_value();
    placeable += all;
  }
  EXPECT_EQ(markers.size(), placeable);
  EXPECT_GT(placeable, 0u);
  for (const MarkerQuestion& q : markers) {
    SCOPED_TRACE(q.number);
    ASSERT_FALSE(q.background.isNull());
    EXPECT_LE(q.background.width(), 600);
    EXPECT_LE(q.background.height(), 400);
    const int index = q.number - 1 - static_cast<int>(contents.naming.size());
    ASSERT_TRUE(index >= 0 && index < static_cast<int>(contents.constructions.size()));
    const classify::Construction c = quiz::ConstructionOf(contents.constructions[index]);
    ASSERT_EQ(q.coords.size(), c.markers.size());
    ASSERT_EQ(q.drags.size(), c.markers.size());
    for (std::size_t k = 0; k < c.markers.size(); ++k) {
      // "1h1" from <no>1</no><text>h</text><noofdrags>1</noofdrags>.
      EXPECT_TRUE(q.drags[k].contains(QString::fromStdString(c.markers[k].label)));
      // "1circlex,y;r1": the drop's number, shape, coordinates and choice run together.
      const QString coords = q.coords[k].section(QLatin1String("circle"), 1);
      const int x = coords.section(',', 0, 0).toInt();
      const int y = coords.section(',', 1).section(';', 0, 0).toInt();
      const int r = coords.section(';', 1).chopped(QString::number(k + 1).size()).toInt();
      EXPECT_EQ(r, radius);
      EXPECT_TRUE(x - r >= 0 && y - r >= 0 && x + r < q.background.width() &&
                  y + r < q.background.height());
      const classify::FlatPoint& exact = *c.markers[k].exact;
      EXPECT_NEAR(x, (exact.x - render::kFrameLeft) * render::kBankPixelsPerMm, 1.0);
      EXPECT_NEAR(y, (render::kFrameTop - exact.y) * render::kBankPixelsPerMm, 1.0);
    }
  }
}

}  // namespace
