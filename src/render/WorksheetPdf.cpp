#include "render/WorksheetPdf.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>

#include "delgraph/FileName.h"
#include "delgraph/PaletteRead.h"
#include "figures/Kind.h"
#include "quiz/ConstructionSheet.h"
#include "quiz/SheetExercises.h"
#include "render/ConstructionPicture.h"
#include "render/Export.h"
#include "render/MoodleXml.h"
#include "render/SheetPicture.h"

namespace render {

namespace {

// The page, in millimetres from its top-left corner.
constexpr double kPageWidth = 210.0;
constexpr double kMarginX = 15.0;
constexpr double kTitleBaseline = 17.0;
constexpr double kNameBaseline = 25.0;
constexpr double kBodyTop = 30.0;
constexpr double kFooterBaseline = 287.0;
constexpr double kBodyBottom = 280.0;
constexpr double kBodyWidth = kPageWidth - 2 * kMarginX;

// One unit of the flat view on paper; the picture is FlatPictureArea at this scale.
constexpr double kMmPerUnit = 0.3;
constexpr double kColumnGap = 6.0;
constexpr int kRows = 2;
constexpr double kSlotHeight = (kBodyBottom - kBodyTop) / kRows;
constexpr double kHeadingBaseline = 5.0;  // in the slot
constexpr double kPictureTop = 7.5;
constexpr double kLineSpacing = 6.5;
// The lines of text a slot holds under its picture.
constexpr int kLinesUnderPicture = 4;

constexpr double kKeyTop = 35.0;
constexpr double kKeySpacing = 5.0;
constexpr int kKeyLinesPerPage = static_cast<int>((kBodyBottom - kKeyTop) / kKeySpacing) + 1;

constexpr int kResolution = 600;  // dots per inch of the PDF's coordinates

const char* const kTitle = "Hoja de ejercicios de sistema diédrico";
const char* const kKeyTitle = "Soluciones";
const char* const kFontFamily = "DejaVu Sans";

int PagesFor(int items, int perPage) {
  return items <= 0 ? 0 : (items + perPage - 1) / perPage;
}

int ColumnsOf(bool perspective) {
  return perspective ? 1 : 2;
}

QFont SheetFont(double points, bool bold = false) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A file name of the request, as the file system spells it.
QString FileNameOf(const std::string& bytes) {
  return delgraph::DecodeFileName(QByteArray::fromStdString(bytes));
}

// Places everything on the PDF in millimetres from the page's top-left corner;
// fonts keep their true point sizes.
class SheetPainter {
 public:
  explicit SheetPainter(QPdfWriter& writer)
      : writer_(writer), painter_(&writer), dotsPerMm_(writer.resolution() / 25.4) {}
  QPainter& Painter() { return painter_; }
  bool NewPage() { return writer_.newPage(); }
  bool End() { return painter_.end(); }

  QRectF Device(const QRectF& mm) const {
    return QRectF(mm.x() * dotsPerMm_, mm.y() * dotsPerMm_, mm.width() * dotsPerMm_,
                  mm.height() * dotsPerMm_);
  }
  double Width(const QString& text, const QFont& font) const {
    return QFontMetricsF(font, &writer_).horizontalAdvance(text) / dotsPerMm_;
  }
  void Text(double x, double baseline, const QString& text, const QFont& font) {
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(x * dotsPerMm_, baseline * dotsPerMm_), text);
  }
  void Centred(double baseline, const QString& text, const QFont& font) {
    Text((kPageWidth - Width(text, font)) / 2.0, baseline, text, font);
  }
  // The text as it is if it is at most width wide, else shortened in its middle.
  QString Fitted(const QString& text, const QFont& font, double width) const {
    if (Width(text, font) <= width) return text;
    return QFontMetricsF(font, &writer_).elidedText(text, Qt::ElideMiddle, width * dotsPerMm_);
  }
  void Frame(const QRectF& mm) {
    painter_.save();
    painter_.setPen(QPen(QColor(150, 150, 150), 0.2 * dotsPerMm_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(Device(mm));
    painter_.restore();
  }

 private:
  QPdfWriter& writer_;
  QPainter painter_;
  double dotsPerMm_;
};

// The PDF made whole in memory before any file is touched.
QByteArray MakePdf(const QString& title, const std::function<void(SheetPainter&)>& pages) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kResolution);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Quorvel"));
  SheetPainter sheet(writer);
  pages(sheet);
  if (!sheet.End()) bytes.clear();
  return bytes;
}

// The answer lines of an exercise, as its kind labels them; a line's quadrants
// question has its own.
QStringList AnswerLines(const quiz::GeneratedExercise& e) {
  if (e.quadrants) return {QStringLiteral("Cuadrantes que atraviesa la recta: ")};
  QStringList lines;
  for (const std::string& prompt : figures::KindOf(e.figure).AnswerPrompts())
    lines << QString::fromStdString(prompt);
  return lines;
}

// The points under the picture, inside the slot's width: spaced widely where they
// fit, closer where not, and wrapped a point at a time where even that is too long
// (three points of large numbers); a single point that is still too wide is set
// smaller. Wrapped into more than maxLines lines (six points), they go as evenly into
// maxLines lines, each set smaller if it must. Returns the baseline of the last line
// written.
double WriteCoordinates(SheetPainter& sheet, double left, double baseline, double width,
                        const quiz::GeneratedExercise& e, int maxLines) {
  const QFont font = SheetFont(10.5);
  for (const QString& separator : {QStringLiteral("     "), QStringLiteral("   ")}) {
    const QString text = ExerciseCoordinates(e, separator);
    if (sheet.Width(text, font) <= width) {
      sheet.Text(left, baseline, text, font);
      return baseline;
    }
  }
  const QString separator = QStringLiteral("   ");
  const QStringList points = ExerciseCoordinates(e, QStringLiteral("\n")).split('\n');
  QStringList lines{QString()};
  for (const QString& point : points) {
    const QString joined = lines.back().isEmpty() ? point : lines.back() + separator + point;
    if (!lines.back().isEmpty() && sheet.Width(joined, font) > width)
      lines << point;
    else
      lines.back() = joined;
  }
  if (lines.size() > maxLines && maxLines > 0) {
    const int each = (static_cast<int>(points.size()) + maxLines - 1) / maxLines;
    lines.clear();
    for (int k = 0; k < points.size(); k += each) lines << points.mid(k, each).join(separator);
  }
  for (int k = 0; k < lines.size(); ++k) {
    if (k > 0) baseline += kLineSpacing;
    QFont fitted = font;
    const double wide = sheet.Width(lines[k], font);
    if (wide > width) fitted.setPointSizeF(std::max(6.0, 10.5 * width / wide));
    sheet.Text(left, baseline, lines[k], fitted);
  }
  return baseline;
}

void DrawExerciseSlot(SheetPainter& sheet, const QPointF& corner, double width, int number,
                      const quiz::GeneratedExercise& e, const SheetPalette& palette,
                      bool perspective) {
  const double left = corner.x();
  const double top = corner.y();
  sheet.Text(left, top + kHeadingBaseline, QStringLiteral("Ejercicio %1").arg(number),
             SheetFont(11, true));
  const QRectF flatArea = FlatPictureArea();
  const QRectF flat(left, top + kPictureTop, flatArea.width() * kMmPerUnit,
                    flatArea.height() * kMmPerUnit);
  DrawExercisePart(sheet.Painter(), sheet.Device(flat), flatArea, e, palette);
  sheet.Frame(flat);
  if (perspective) {
    const QRectF spaceArea = SpacePictureArea();
    const double spaceWidth = width - flat.width() - kColumnGap;
    const double spaceHeight = spaceWidth * spaceArea.height() / spaceArea.width();
    const QRectF space(flat.right() + kColumnGap, flat.top(), spaceWidth, spaceHeight);
    DrawExercisePart(sheet.Painter(), sheet.Device(space), spaceArea, e, palette);
    sheet.Frame(space);
  }

  // The points and the answer lines share what the slot has left under the picture.
  const QStringList answers = AnswerLines(e);
  double baseline = WriteCoordinates(sheet, left, flat.bottom() + kLineSpacing - 1.5, width, e,
                                     kLinesUnderPicture - static_cast<int>(answers.size()));
  const QFont answer = SheetFont(10.5);
  const QString blank = QStringLiteral("_");
  for (const QString& label : answers) {
    baseline += kLineSpacing;
    // The blank reaches the slot's right edge.
    const double room = width - sheet.Width(label, answer);
    const int blanks = std::max(4, static_cast<int>(room / sheet.Width(blank, answer)));
    sheet.Text(left, baseline, label + blank.repeated(blanks), answer);
  }
}

// A long list name is shortened so that the page number stays on the page.
void DrawFooter(SheetPainter& sheet, const QString& origin, int page, int pages) {
  const QFont font = SheetFont(9);
  const QString number = QStringLiteral(" · página %1 de %2").arg(page).arg(pages);
  sheet.Centred(kFooterBaseline,
                sheet.Fitted(origin, font, kBodyWidth - sheet.Width(number, font)) + number, font);
}

// The naming exercises' pages; more pages (of constructions) may follow them.
void DrawExercisePages(SheetPainter& sheet, const std::vector<quiz::GeneratedExercise>& exercises,
                       const SheetPalette& palette, bool perspective, const QString& origin,
                       int pagesAfter) {
  const int count = static_cast<int>(exercises.size());
  const int columns = ColumnsOf(perspective);
  const int perPage = columns * kRows;
  const int pages = PagesFor(count, perPage);
  const double width = (kBodyWidth - (columns - 1) * kColumnGap) / columns;
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) sheet.NewPage();
    sheet.Centred(kTitleBaseline, QString::fromUtf8(kTitle), SheetFont(15, true));
    sheet.Text(kMarginX, kNameBaseline,
               QStringLiteral("Nombre: ________________________________________"), SheetFont(10.5));
    const int first = (page - 1) * perPage;
    for (int k = first; k < std::min(count, first + perPage); ++k) {
      const int slot = k - first;
      const QPointF corner(kMarginX + (slot % columns) * (width + kColumnGap),
                           kBodyTop + (slot / columns) * kSlotHeight);
      DrawExerciseSlot(sheet, corner, width, k + 1, exercises[k], palette, perspective);
    }
    DrawFooter(sheet, origin, page, pages + pagesAfter);
  }
}

// Where a key line too wide for the page goes on: after the last "; " (between type
// and relation) that leaves the part before it narrow enough, else after the last
// such ", " or before such a " ("; -1 when there is none past `from`.
int KeyBreak(SheetPainter& sheet, const QString& line, int from, const QFont& font) {
  int cut = -1;
  for (const bool relation : {true, false}) {
    for (int at = from + 1; at < line.size(); ++at) {
      const QChar before = line[at - 1];
      const bool afterMark =
          line[at] == QLatin1Char(' ') &&
          (before == QLatin1Char(';') || (!relation && before == QLatin1Char(',')));
      const bool bracket = !relation && before == QLatin1Char(' ') && line[at] == QLatin1Char('(');
      if (!afterMark && !bracket) continue;
      if (sheet.Width(line.left(at - (bracket ? 1 : 0)), font) > kBodyWidth) break;
      cut = at;
    }
    if (cut >= 0) return cut;
  }
  return cut;
}

// The key's lines; one too wide for the page goes on, indented, at its breaks.
std::vector<QString> KeyLines(SheetPainter& sheet,
                              const std::vector<quiz::GeneratedExercise>& exercises,
                              const QFont& font) {
  const QString indent = QStringLiteral("      ");
  std::vector<QString> lines;
  for (std::size_t k = 0; k < exercises.size(); ++k) {
    QString rest = Q(quiz::KeyLine(static_cast<int>(k) + 1, exercises[k]));
    int from = 0;  // past the indent of a line that goes on
    while (sheet.Width(rest, font) > kBodyWidth) {
      const int cut = KeyBreak(sheet, rest, from, font);
      if (cut < 0) break;  // nothing fits before a break: the line stays whole
      const bool bracket = rest[cut] == QLatin1Char('(');
      lines.push_back(rest.left(cut - (bracket ? 1 : 0)));
      rest = indent + rest.mid(bracket ? cut : cut + 1);
      from = static_cast<int>(indent.size());
    }
    lines.push_back(rest);
  }
  return lines;
}

int DrawKeyPages(SheetPainter& sheet, const std::vector<quiz::GeneratedExercise>& exercises,
                 const QString& origin, bool first, int pagesAfter = 0) {
  const QFont font = SheetFont(9.5);
  const std::vector<QString> lines = KeyLines(sheet, exercises, font);
  const int count = static_cast<int>(lines.size());
  const int pages = PagesFor(count, kKeyLinesPerPage);
  for (int page = 1; page <= pages; ++page) {
    if (page > 1 || !first) sheet.NewPage();
    sheet.Centred(kTitleBaseline, QString::fromUtf8(kKeyTitle), SheetFont(15, true));
    const QFont font = SheetFont(10.5);
    sheet.Centred(kNameBaseline, sheet.Fitted(origin, font, kBodyWidth), font);
    const int start = (page - 1) * kKeyLinesPerPage;
    for (int k = start; k < std::min(count, start + kKeyLinesPerPage); ++k)
      sheet.Text(kMarginX, kKeyTop + (k - start) * kKeySpacing, lines[static_cast<std::size_t>(k)],
                 font);
    DrawFooter(sheet, QString::fromUtf8(kKeyTitle), page, pages + pagesAfter);
  }
  return pages;
}

// ---- Construction exercises at 1:1 -------------------------------------------
// Two a page, each in a frame of 180 x 120 mm where 1 unit is 1 mm; the key gives
// each one a page, its construction drawn over the data at the same size, so that
// it can be laid over a student's sheet.

constexpr int kConstructionsPerPage = 2;
// The title and the name higher than on the other pages, to leave room for two frames.
constexpr double kConstructionTitleBaseline = 12.0;
constexpr double kConstructionNameBaseline = 18.5;
constexpr double kConstructionSlotTops[kConstructionsPerPage] = {22.0, 150.0};
constexpr double kConstructionHeadingBaseline = 4.0;  // in the slot
constexpr double kConstructionFrameTop = 6.0;         // in the slot
constexpr double kConstructionKeyTop = 33.0;
constexpr double kStepsTop = 7.0;  // under the key's frame, to the first baseline
// The scale under the frames: a 50 mm bar to check that the printer did not scale.
constexpr double kScaleBaseline = 281.5;
constexpr double kBarTop = 279.8;
constexpr double kBarThickness = 0.8;
constexpr double kBarLength = 50.0;
constexpr double kTickHeight = 1.2;

QString ConstructionHeading(int number, const quiz::ConstructionExercise& e) {
  return QStringLiteral("Ejercicio %1. %2.")
      .arg(number)
      .arg(QString::fromUtf8(classify::ConstructionTitle(e.kind)));
}

void DrawScaleNote(SheetPainter& sheet) {
  QPainter& painter = sheet.Painter();
  painter.save();
  painter.fillRect(sheet.Device(QRectF(kMarginX, kBarTop, kBarLength, kBarThickness)), Qt::black);
  painter.setPen(
      QPen(Qt::black, sheet.Device(QRectF(0, 0, 0.2, 0)).width(), Qt::SolidLine, Qt::FlatCap));
  for (int mm = 0; mm <= 50; mm += 10) {
    // Inside the bar's ends, so that the bar stays 50 mm long.
    const double x = kMarginX + std::clamp(static_cast<double>(mm), 0.1, kBarLength - 0.1);
    painter.drawLine(sheet.Device(QRectF(x, kBarTop - kTickHeight, 0, kTickHeight)).topLeft(),
                     sheet.Device(QRectF(x, kBarTop, 0, 0)).topLeft());
  }
  painter.restore();
  const QFont font = SheetFont(9);
  sheet.Text(kMarginX + kBarLength + 2.0, kScaleBaseline, QStringLiteral("50 mm"), font);
  const QString scale = QStringLiteral("Escala 1:1 (medidas en mm)");
  sheet.Text(kPageWidth - kMarginX - sheet.Width(scale, font), kScaleBaseline, scale, font);
}

void DrawConstructionHeading(SheetPainter& sheet, double baseline, int number,
                             const quiz::ConstructionExercise& e) {
  const QFont bold = SheetFont(11, true);
  const QString heading = ConstructionHeading(number, e);
  sheet.Text(kMarginX, baseline, heading, bold);
  const QFont font = SheetFont(9.5);
  const double left = kMarginX + sheet.Width(heading + QStringLiteral(" "), bold);
  sheet.Text(left, baseline,
             sheet.Fitted(QString::fromUtf8(classify::ConstructionQuestion(e.kind)), font,
                          kPageWidth - kMarginX - left),
             font);
}

// The exercise pages of the constructions, numbered from firstNumber, after
// pagesBefore pages of the same document.
void DrawConstructionPages(SheetPainter& sheet,
                           const std::vector<quiz::ConstructionExercise>& exercises,
                           int firstNumber, const QString& origin, int pagesBefore, int pages) {
  const int count = static_cast<int>(exercises.size());
  const double dotsPerMm = sheet.Device(QRectF(0, 0, 1, 1)).width();
  for (int page = 0; page * kConstructionsPerPage < count; ++page) {
    if (pagesBefore + page > 0) sheet.NewPage();
    sheet.Centred(kConstructionTitleBaseline, QString::fromUtf8(kTitle), SheetFont(15, true));
    sheet.Text(kMarginX, kConstructionNameBaseline,
               QStringLiteral("Nombre: ________________________________________"), SheetFont(10.5));
    for (int slot = 0; slot < kConstructionsPerPage; ++slot) {
      const int k = page * kConstructionsPerPage + slot;
      if (k >= count) break;
      const quiz::ConstructionExercise& e = exercises[static_cast<std::size_t>(k)];
      const double top = kConstructionSlotTops[slot];
      DrawConstructionHeading(sheet, top + kConstructionHeadingBaseline, firstNumber + k, e);
      DrawPaperConstruction(sheet.Painter(), dotsPerMm,
                            QPointF(kMarginX, top + kConstructionFrameTop), quiz::ConstructionOf(e),
                            PaperLook());
    }
    DrawScaleNote(sheet);
    DrawFooter(sheet, origin, pagesBefore + page + 1, pages);
  }
}

// Words set in lines no wider than the page's body.
QStringList Wrapped(SheetPainter& sheet, const QString& text, const QFont& font) {
  QStringList lines;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (!lines.isEmpty() && sheet.Width(lines.back() + QLatin1Char(' ') + word, font) <= kBodyWidth)
      lines.back() += QLatin1Char(' ') + word;
    else
      lines << word;
  }
  return lines;
}

// The key of the constructions, one a page: the whole construction with each step
// numbered, the exact answers ringed, the steps' sentences under it and why a
// marker has no place.
void DrawConstructionKeyPages(SheetPainter& sheet,
                              const std::vector<quiz::ConstructionExercise>& exercises,
                              int firstNumber, const QString& origin, bool documentStarted,
                              int keyPagesBefore, int keyPages) {
  const double dotsPerMm = sheet.Device(QRectF(0, 0, 1, 1)).width();
  const QFont font = SheetFont(9.5);
  for (std::size_t k = 0; k < exercises.size(); ++k) {
    const int page = keyPagesBefore + static_cast<int>(k);
    if (documentStarted || k > 0) sheet.NewPage();
    sheet.Centred(kTitleBaseline, QString::fromUtf8(kKeyTitle), SheetFont(15, true));
    sheet.Centred(kNameBaseline, sheet.Fitted(origin, SheetFont(10.5), kBodyWidth),
                  SheetFont(10.5));
    const quiz::ConstructionExercise& e = exercises[k];
    const classify::Construction c = quiz::ConstructionOf(e);
    DrawConstructionHeading(sheet, kConstructionKeyTop, firstNumber + static_cast<int>(k), e);
    const double frameTop =
        kConstructionKeyTop + kConstructionFrameTop - kConstructionHeadingBaseline;
    PaperLook look;
    look.steps = c.steps.size();
    look.numbered = true;
    look.answers = true;
    DrawPaperConstruction(sheet.Painter(), dotsPerMm, QPointF(kMarginX, frameTop), c, look);
    QStringList sentences;
    for (const classify::Layer& step : c.steps) sentences << QString::fromStdString(step.sentence);
    for (const classify::Marker& m : c.markers)
      if (!m.exact)
        sentences << QStringLiteral("%1: No existe. %2")
                         .arg(QString::fromStdString(m.label), QString::fromStdString(m.absence));
    double baseline = frameTop + kFrameHeight + kStepsTop;
    for (const QString& sentence : sentences) {
      for (const QString& line : Wrapped(sheet, sentence, font)) {
        if (baseline > kBarTop - 3.0) break;
        sheet.Text(kMarginX, baseline, line, font);
        baseline += kKeySpacing;
      }
    }
    DrawScaleNote(sheet);
    DrawFooter(sheet, QString::fromUtf8(kKeyTitle), page + 1, keyPages);
  }
}

// The palette file the user named, read as the window's loader reads it. The
// layer's own palette is not touched.
bool ReadPalette(const std::string& name, SheetPalette& palette, std::string& message) {
  const delgraph::PaletteReading reading = delgraph::ReadPaletteFile(FileNameOf(name));
  if (reading.fault != delgraph::FileFault::kNone) {
    message =
        delgraph::SpanishPaletteMessage(reading.fault, delgraph::ShownFileName(FileNameOf(name)))
            .toStdString();
    return false;
  }
  for (std::size_t k = 0; k < palette.size(); ++k) palette[k] = reading.colours[k];
  return true;
}

// A random sheet in a question bank: its kind and seed, "rectas, semilla 42".
QString BankOrigin(const quiz::SheetRequest& request) {
  QString kind;
  for (const quiz::SheetKindRow& row : quiz::SheetKinds())
    if (row.kind == request.kind) kind = QString::fromUtf8(row.spanish);
  return QStringLiteral("%1, semilla %2").arg(kind).arg(request.seed);
}

}  // namespace

std::string SheetFileClash(const quiz::SheetRequest& request) {
  // The files written first, then those read.
  const struct {
    const char* option;
    const char* role;
    std::optional<std::string> name;
  } files[] = {{"-o", "la hoja", request.output},
               {"--key", "las soluciones", request.key},
               {"--moodle", "el banco de preguntas", request.moodle},
               {"--worksheet-file", "la lista", request.list},
               {"--palette", "la paleta", request.palette}};
  constexpr std::size_t kWritten = 3;
  for (std::size_t j = 1; j < std::size(files); ++j) {
    for (std::size_t i = 0; i < std::min(j, kWritten); ++i) {
      if (!files[i].name || !files[j].name ||
          !delgraph::SameFile(FileNameOf(*files[i].name), FileNameOf(*files[j].name)))
        continue;
      return std::string(files[j].option) + ": «" +
             delgraph::ShownFileName(FileNameOf(*files[j].name)).toStdString() +
             "» es el mismo archivo que " + files[i].role + " (" + files[i].option + ")";
    }
  }
  return std::string();
}

int SheetPageCount(int exercises, bool perspective) {
  return PagesFor(exercises, ColumnsOf(perspective) * kRows);
}

SheetResult WriteWorksheet(const quiz::SheetRequest& request) {
  const quiz::SheetContents contents = quiz::SheetContentsOf(request);
  return WriteWorksheet(request, contents.naming, contents.constructions);
}

SheetResult WriteWorksheet(const quiz::SheetRequest& request,
                           const std::vector<quiz::GeneratedExercise>& exercises) {
  return WriteWorksheet(request, exercises, {});
}

SheetResult WriteWorksheet(const quiz::SheetRequest& request,
                           const std::vector<quiz::GeneratedExercise>& exercises,
                           const std::vector<quiz::ConstructionExercise>& constructions) {
  SheetResult result;
  result.message = SheetFileClash(request);
  if (!result.message.empty()) {
    result.fault = SheetFault::kSameFile;
    return result;
  }
  // Paper in greys; the question bank, read on a screen, in the print palette's
  // colours. A palette the user names is used for both.
  SheetPalette palette = InkSheetPalette();
  SheetPalette bankPalette = PrintSheetPalette();
  if (request.palette) {
    if (!ReadPalette(*request.palette, palette, result.message)) {
      result.fault = SheetFault::kPalette;
      return result;
    }
    bankPalette = palette;
  }
  // Where the exercises come from, in every footer: the seed makes them again.
  const QString list = request.list ? FileNameOf(*request.list) : QString();
  const QString origin = request.list ? delgraph::ShownFileName(list.mid(list.lastIndexOf('/') + 1))
                                      : QStringLiteral("Semilla %1").arg(request.seed);
  const QString title = QString::fromUtf8(kTitle);
  QByteArray key;
  // The constructions follow the naming exercises, numbered after them, on pages of
  // their own; their key pages follow the key's lines.
  const int namingPages = SheetPageCount(static_cast<int>(exercises.size()), request.perspective);
  const int constructionPages =
      PagesFor(static_cast<int>(constructions.size()), kConstructionsPerPage);
  const int firstConstruction = static_cast<int>(exercises.size()) + 1;
  const int constructionKeys = static_cast<int>(constructions.size());
  const auto drawKey = [&](SheetPainter& painter, bool first) {
    const int lines = DrawKeyPages(painter, exercises, origin, first, constructionKeys);
    DrawConstructionKeyPages(painter, constructions, firstConstruction, origin, !first || lines > 0,
                             lines, lines + constructionKeys);
    result.keyPages = lines + constructionKeys;
  };
  const QByteArray sheet = MakePdf(title, [&](SheetPainter& painter) {
    DrawExercisePages(painter, exercises, palette, request.perspective, origin, constructionPages);
    DrawConstructionPages(painter, constructions, firstConstruction, origin, namingPages,
                          namingPages + constructionPages);
    if (!request.key) drawKey(painter, false);
  });
  if (request.key) {
    key = MakePdf(QString::fromUtf8(kKeyTitle) + QStringLiteral(" · ") + title,
                  [&](SheetPainter& painter) { drawKey(painter, true); });
  }
  QByteArray bank;
  if (request.moodle)
    bank = MoodleXml(exercises, constructions, request.list ? origin : BankOrigin(request),
                     bankPalette);

  std::vector<FileToSave> files{{sheet, FileNameOf(request.output)}};
  if (request.key) files.push_back({key, FileNameOf(*request.key)});
  if (request.moodle) files.push_back({bank, FileNameOf(*request.moodle)});
  for (const FileToSave& file : files) {
    if (!file.bytes.isEmpty()) continue;
    result.fault = SheetFault::kOutput;
    result.message = SaveBytes(file.bytes, file.path).toStdString();
    return result;
  }
  const SaveOutcome saved = SaveTogether(files);
  if (saved.fault != delgraph::FileFault::kNone) {
    result.fault = SheetFault::kOutput;
    result.message = SaveTogetherMessage(files, saved).toStdString();
    return result;
  }
  result.pages = namingPages + constructionPages;
  return result;
}

}  // namespace render
