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
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
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

// The bank parses; each marker question's background is its data whole, and each drop
// is a circle of the tolerance's radius round the exact answer, inside the picture.
TEST(TrueSizeSheetTest, TheBankParsesAndEveryMarkerFallsInItsCircle) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  quiz::SheetRequest request;
  request.count = 16;
  request.seed = 42;
  request.constructions = true;
  request.output = dir.filePath("m.pdf").toStdString();
  request.moodle = dir.filePath("m.xml").toStdString();
  ASSERT_EQ(render::WriteWorksheet(request).fault, render::SheetFault::kNone);
  const quiz::SheetContents contents = quiz::SheetContentsOf(request);
  ASSERT_EQ(contents.constructions.size(), 4u);
  QFile file(dir.filePath("m.xml"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bank = file.readAll();

  QXmlStreamReader xml(bank);
  QStringList categories, feedbacks;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("category"))
      categories << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    else if (xml.name() == QLatin1String("generalfeedback"))
      feedbacks << xml.readElementText(QXmlStreamReader::IncludeChildElements);
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(categories, QStringList{"$course$/Quorvel/mixtos, semilla 42"});
  // The naming questions' facts ("La cota de A es 30: ...") and the steps.
  EXPECT_EQ(feedbacks.filter(QRegularExpression(": |<p>1\\. ")).size(), feedbacks.size());

  const int radius =
      static_cast<int>(std::lround(classify::kDefaultTolerance * render::kBankPixelsPerMm));
  ASSERT_GE(radius, 6);
  const QRegularExpression question(
      "<question type=\"ddmarker\">.*?Ejercicio (\\d+) .*?</generalfeedback>.*?"
      "<file [^>]*>([^<]*)</file>(.*?)</question>",
      QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpression drop("<text>([^<]*)</text>|<coords>(\\d+),(\\d+);(\\d+)</coords>");
  int questions = 0;
  for (auto q = question.globalMatch(QString::fromUtf8(bank)); q.hasNext(); ++questions) {
    const auto m = q.next();
    SCOPED_TRACE(m.captured(1).toStdString());
    const QImage background = QImage::fromData(QByteArray::fromBase64(m.captured(2).toLatin1()));
    EXPECT_TRUE(background.width() <= 600 && background.height() <= 400 && !background.isNull());
    const std::size_t index = m.captured(1).toUInt() - 1 - contents.naming.size();
    ASSERT_LT(index, contents.constructions.size());
    const classify::Construction c = quiz::ConstructionOf(contents.constructions[index]);
    QStringList drags;
    std::vector<QPoint> centres;
    for (auto d = drop.globalMatch(m.captured(3)); d.hasNext();) {
      const auto part = d.next();
      if (!part.captured(1).isEmpty()) drags << part.captured(1);
      if (part.captured(2).isEmpty()) continue;
      const int x = part.captured(2).toInt(), y = part.captured(3).toInt();
      EXPECT_EQ(part.captured(4).toInt(), radius);
      EXPECT_TRUE(x >= radius && y >= radius && x + radius < background.width() &&
                  y + radius < background.height());
      centres.push_back({x, y});
    }
    ASSERT_EQ(centres.size(), c.markers.size());
    for (std::size_t k = 0; k < c.markers.size(); ++k) {
      EXPECT_EQ(drags.value(static_cast<int>(k)).toStdString(), c.markers[k].label);
      const classify::FlatPoint& exact = *c.markers[k].exact;
      EXPECT_NEAR(centres[k].x(), (exact.x - render::kFrameLeft) * render::kBankPixelsPerMm, 1.0);
      EXPECT_NEAR(centres[k].y(), (render::kFrameTop - exact.y) * render::kBankPixelsPerMm, 1.0);
    }
  }
  // Every exercise whose markers all exist; one that has "No existe" is left out.
  int placeable = 0;
  for (const quiz::ConstructionExercise& e : contents.constructions) {
    const auto markers = quiz::ConstructionOf(e).markers;
    placeable += std::all_of(markers.begin(), markers.end(), [](auto& m) { return m.exact; });
  }
  EXPECT_GT(placeable, 0);
  EXPECT_EQ(questions, placeable);
}

}  // namespace
