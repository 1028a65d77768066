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

#include "delgraph/PaletteRead.h"
#include "quiz/SheetExercises.h"
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

// The answer lines of an exercise: a point its location, a line its type and its
// relation, a plane its type, a quadrants question the quadrants. A new kind of exercise is one
// more branch here.
QStringList AnswerLines(const quiz::GeneratedExercise& e) {
  if (e.pointMode) return {QStringLiteral("Situación: ")};
  if (e.planeMode) return {QStringLiteral("Tipo de plano: ")};
  if (e.quadrants) return {QStringLiteral("Cuadrantes que atraviesa la recta: ")};
  return {QStringLiteral("Tipo: "), QStringLiteral("Posición respecto de H, V y L.T.: ")};
}

// The points under the picture, inside the slot's width: spaced widely where they
// fit, closer where not, and wrapped a point at a time where even that is too long
// (three points of large numbers); a single point that is still too wide is set
// smaller. Returns the baseline of the last line written.
double WriteCoordinates(SheetPainter& sheet, double left, double baseline, double width,
                        const quiz::GeneratedExercise& e) {
  const QFont font = SheetFont(10.5);
  for (const QString& separator : {QStringLiteral("     "), QStringLiteral("   ")}) {
    const QString text = ExerciseCoordinates(e, separator);
    if (sheet.Width(text, font) <= width) {
      sheet.Text(left, baseline, text, font);
      return baseline;
    }
  }
  const QString separator = QStringLiteral("   ");
  const auto write = [&](const QString& text) {
    QFont fitted = font;
    const double wide = sheet.Width(text, font);
    if (wide > width) fitted.setPointSizeF(std::max(6.0, 10.5 * width / wide));
    sheet.Text(left, baseline, text, fitted);
  };
  QString line;
  for (const QString& point : ExerciseCoordinates(e, QStringLiteral("\n")).split('\n')) {
    const QString joined = line.isEmpty() ? point : line + separator + point;
    if (!line.isEmpty() && sheet.Width(joined, font) > width) {
      write(line);
      baseline += kLineSpacing;
      line = point;
    } else {
      line = joined;
    }
  }
  write(line);
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

  double baseline = WriteCoordinates(sheet, left, flat.bottom() + kLineSpacing - 1.5, width, e);
  const QFont answer = SheetFont(10.5);
  const QString blank = QStringLiteral("_");
  for (const QString& label : AnswerLines(e)) {
    baseline += kLineSpacing;
    // The blank reaches the slot's right edge.
    const double room = width - sheet.Width(label, answer);
    const int blanks = std::max(4, static_cast<int>(room / sheet.Width(blank, answer)));
    sheet.Text(left, baseline, label + blank.repeated(blanks), answer);
  }
}

void DrawFooter(SheetPainter& sheet, const QString& origin, int page, int pages) {
  sheet.Centred(kFooterBaseline,
                QStringLiteral("%1 · página %2 de %3").arg(origin).arg(page).arg(pages),
                SheetFont(9));
}

void DrawExercisePages(SheetPainter& sheet, const std::vector<quiz::GeneratedExercise>& exercises,
                       const SheetPalette& palette, bool perspective, const QString& origin) {
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
    DrawFooter(sheet, origin, page, pages);
  }
}

// The key's lines; one too wide for the page goes on at its relation.
std::vector<QString> KeyLines(SheetPainter& sheet,
                              const std::vector<quiz::GeneratedExercise>& exercises,
                              const QFont& font) {
  std::vector<QString> lines;
  for (std::size_t k = 0; k < exercises.size(); ++k) {
    const QString line = Q(quiz::KeyLine(static_cast<int>(k) + 1, exercises[k]));
    const int split = line.indexOf(QStringLiteral("; "));
    if (sheet.Width(line, font) <= kBodyWidth || split < 0) {
      lines.push_back(line);
      continue;
    }
    lines.push_back(line.left(split + 1));
    lines.push_back(QStringLiteral("      ") + line.mid(split + 2));
  }
  return lines;
}

int DrawKeyPages(SheetPainter& sheet, const std::vector<quiz::GeneratedExercise>& exercises,
                 const QString& origin, bool first) {
  const QFont font = SheetFont(9.5);
  const std::vector<QString> lines = KeyLines(sheet, exercises, font);
  const int count = static_cast<int>(lines.size());
  const int pages = PagesFor(count, kKeyLinesPerPage);
  for (int page = 1; page <= pages; ++page) {
    if (page > 1 || !first) sheet.NewPage();
    sheet.Centred(kTitleBaseline, QString::fromUtf8(kKeyTitle), SheetFont(15, true));
    sheet.Centred(kNameBaseline, origin, SheetFont(10.5));
    const int start = (page - 1) * kKeyLinesPerPage;
    for (int k = start; k < std::min(count, start + kKeyLinesPerPage); ++k)
      sheet.Text(kMarginX, kKeyTop + (k - start) * kKeySpacing, lines[static_cast<std::size_t>(k)],
                 font);
    DrawFooter(sheet, QString::fromUtf8(kKeyTitle), page, pages);
  }
  return pages;
}

// The palette file the user named, read as the window's loader reads it. The
// layer's own palette is not touched.
bool ReadPalette(const std::string& name, SheetPalette& palette, std::string& message) {
  const delgraph::PaletteReading reading = delgraph::ReadPaletteFile(Q(name));
  if (reading.fault != delgraph::FileFault::kNone) {
    message = delgraph::SpanishPaletteMessage(reading.fault, Q(name)).toStdString();
    return false;
  }
  for (std::size_t k = 0; k < palette.size(); ++k) palette[k] = reading.colours[k];
  return true;
}

}  // namespace

int SheetPageCount(int exercises, bool perspective) {
  return PagesFor(exercises, ColumnsOf(perspective) * kRows);
}

SheetResult WriteWorksheet(const quiz::SheetRequest& request) {
  return WriteWorksheet(request, quiz::SheetExercises(request.count, request.seed, request.kind));
}

SheetResult WriteWorksheet(const quiz::SheetRequest& request,
                           const std::vector<quiz::GeneratedExercise>& exercises) {
  SheetResult result;
  SheetPalette palette = PrintSheetPalette();
  if (request.palette && !ReadPalette(*request.palette, palette, result.message)) {
    result.fault = SheetFault::kPalette;
    return result;
  }
  // Where the exercises come from, in every footer: the seed makes them again.
  const QString origin = request.list ? QFileInfo(Q(*request.list)).fileName()
                                      : QStringLiteral("Semilla %1").arg(request.seed);
  const QString title = QString::fromUtf8(kTitle);
  QByteArray key;
  const QByteArray sheet = MakePdf(title, [&](SheetPainter& painter) {
    DrawExercisePages(painter, exercises, palette, request.perspective, origin);
    if (!request.key) result.keyPages = DrawKeyPages(painter, exercises, origin, false);
  });
  if (request.key) {
    key = MakePdf(QString::fromUtf8(kKeyTitle) + QStringLiteral(" · ") + title,
                  [&](SheetPainter& painter) {
                    result.keyPages = DrawKeyPages(painter, exercises, origin, true);
                  });
  }
  QByteArray bank;
  if (request.moodle)
    bank = MoodleXml(
        exercises, request.list ? origin : QStringLiteral("semilla %1").arg(request.seed), palette);

  QString fault = SaveBytes(sheet, Q(request.output));
  if (fault.isEmpty() && request.key) fault = SaveBytes(key, Q(*request.key));
  if (fault.isEmpty() && request.moodle) fault = SaveBytes(bank, Q(*request.moodle));
  if (!fault.isEmpty()) {
    result.fault = SheetFault::kOutput;
    result.message = fault.toStdString();
    return result;
  }
  result.pages = SheetPageCount(static_cast<int>(exercises.size()), request.perspective);
  return result;
}

}  // namespace render
