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
#include <array>
#include <vector>

#include "classify/InfoUpdate.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"
#include "quiz/SheetExercises.h"
#include "render/Export.h"
#include "render/Render.h"
#include "scene/Scene.h"

namespace render {

namespace {

using Palette = std::array<delgraph::RGBEntry, 16>;

// The page, in millimetres from its top-left corner.
constexpr double kPageWidth = 210.0;
constexpr double kMarginX = 15.0;
constexpr double kTitleBaseline = 17.0;
constexpr double kNameBaseline = 25.0;
constexpr double kBodyTop = 30.0;
constexpr double kFooterBaseline = 287.0;
constexpr double kBodyBottom = 280.0;

constexpr int kExercisesPerPage = 3;
constexpr double kSlotHeight = (kBodyBottom - kBodyTop) / kExercisesPerPage;
constexpr double kHeadingBaseline = 5.0;  // in the slot
constexpr double kPictureTop = 7.0;
constexpr double kAnswerSpacing = 7.5;
// The picture keeps the surface's proportions and leaves room for two answer lines.
constexpr double kPictureHeight = kSlotHeight - kPictureTop - 2 * kAnswerSpacing - 3.0;
constexpr double kAreaWidth = AreaWidth;
constexpr double kAreaHeight = AreaHeight;

constexpr double kKeyTop = 30.0;
constexpr double kKeySpacing = 5.2;
constexpr int kKeyLinesPerPage = static_cast<int>((kBodyBottom - kKeyTop) / kKeySpacing) + 1;

constexpr int kResolution = 600;  // dots per inch of the PDF's coordinates

const char* const kTitle = "Hoja de ejercicios de sistema diédrico";
const char* const kFontFamily = "DejaVu Sans";

int PagesFor(int items, int perPage) {
  return items <= 0 ? 0 : (items + perPage - 1) / perPage;
}

QFont SheetFont(double points, bool bold = false) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
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
  void Text(double x, double baseline, const QString& text, const QFont& font) {
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(x * dotsPerMm_, baseline * dotsPerMm_), text);
  }
  void Centred(double baseline, const QString& text, const QFont& font) {
    const double width = QFontMetricsF(font, &writer_).horizontalAdvance(text) / dotsPerMm_;
    Text((kPageWidth - width) / 2.0, baseline, text, font);
  }

 private:
  QPdfWriter& writer_;
  QPainter painter_;
  double dotsPerMm_;
};

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

void DrawFooter(SheetPainter& sheet, std::uint32_t seed, int page, int pages) {
  sheet.Centred(kFooterBaseline,
                QStringLiteral("Semilla %1 · página %2 de %3").arg(seed).arg(page).arg(pages),
                SheetFont(9));
}

// The exercise as test mode shows it while it waits, in the sheet's colours, in
// the default view whatever the window shows, so a seed always gives one picture.
void DrawExercisePicture(QPainter& painter, const QRectF& target, const quiz::GeneratedExercise& e,
                         const Palette& palette) {
  // A sheet shows the coordinates whatever the window's quiz leaves out.
  struct KeepCoordinatesShown {
    const bool hidden = classify::CoordinatesHidden;
    KeepCoordinatesShown() { classify::CoordinatesHidden = false; }
    ~KeepCoordinatesShown() { classify::CoordinatesHidden = hidden; }
  } const shown;
  WithSurface(painter, target, [&] {
    for (int k = 0; k < 16; ++k)
      delgraph::SetPaletteEntry(static_cast<std::uint16_t>(k), palette[k].red, palette[k].green,
                                palette[k].blue);
    scene::ProfileOn = false;
    drawing::Select320x200();
    quiz::DrawWaitingExercise(e);
  });
}

void DrawExerciseSlot(SheetPainter& sheet, double top, int number, const quiz::GeneratedExercise& e,
                      const Palette& palette) {
  sheet.Text(kMarginX, top + kHeadingBaseline, QStringLiteral("Ejercicio %1").arg(number),
             SheetFont(11, true));
  const double width = kPictureHeight * kAreaWidth / kAreaHeight;
  const QRectF target((kPageWidth - width) / 2.0, top + kPictureTop, width, kPictureHeight);
  DrawExercisePicture(sheet.Painter(), sheet.Device(target), e, palette);

  const QFont answer = SheetFont(10.5);
  double baseline = target.bottom() + kAnswerSpacing - 1.5;
  if (e.pointMode) {
    sheet.Text(kMarginX, baseline, QStringLiteral("Situación: ______________________"), answer);
    return;
  }
  sheet.Text(kMarginX, baseline, QStringLiteral("Tipo: ______________________"), answer);
  baseline += kAnswerSpacing;
  sheet.Text(kMarginX, baseline,
             QStringLiteral("Posición respecto de H, V y L.T.: ______________________"), answer);
}

// The palette file the user named: its first 48 bytes, as the palette loader reads
// them. The layer's own palette is not touched.
bool ReadPalette(const std::string& name, Palette& palette, std::string& message) {
  const QString path = Q(name);
  const QString quoted = QStringLiteral("«%1»").arg(path);
  const QFileInfo info(path);
  if (!info.exists()) {
    message = QStringLiteral("no existe el archivo de paleta %1").arg(quoted).toStdString();
    return false;
  }
  QFile file(path);
  if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
    message = QStringLiteral("no se puede leer el archivo de paleta %1").arg(quoted).toStdString();
    return false;
  }
  const QByteArray bytes = file.read(48);
  if (bytes.size() < 48) {
    message = QStringLiteral(
                  "el archivo de paleta %1 es demasiado corto: tiene que tener 48 bytes "
                  "(16 colores)")
                  .arg(quoted)
                  .toStdString();
    return false;
  }
  for (int k = 0; k < 16; ++k)
    palette[k] = delgraph::RGBEntry{static_cast<std::uint8_t>(bytes[3 * k]),
                                    static_cast<std::uint8_t>(bytes[3 * k + 1]),
                                    static_cast<std::uint8_t>(bytes[3 * k + 2])};
  return true;
}

Palette PrintPalette() {
  Palette palette;
  for (int k = 0; k < 16; ++k) palette[k] = delgraph::PrintPaletteEntry(k);
  return palette;
}

}  // namespace

int SheetPageCount(int exercises) {
  return PagesFor(exercises, kExercisesPerPage) + PagesFor(exercises, kKeyLinesPerPage);
}

SheetResult WriteWorksheet(const quiz::SheetRequest& request) {
  SheetResult result;
  Palette palette = PrintPalette();
  if (request.palette && !ReadPalette(*request.palette, palette, result.message)) {
    result.fault = SheetFault::kPalette;
    return result;
  }
  const std::vector<quiz::GeneratedExercise> exercises =
      quiz::SheetExercises(request.count, request.seed, request.kind);
  const int count = static_cast<int>(exercises.size());
  const int pages = SheetPageCount(count);

  // The document is made whole in memory before the file is touched.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setTitle(QString::fromUtf8(kTitle));
    writer.setCreator(QStringLiteral("Quorvel"));
    SheetPainter sheet(writer);
    int page = 1;
    for (int first = 0; first < count; first += kExercisesPerPage, ++page) {
      if (page > 1) sheet.NewPage();
      sheet.Centred(kTitleBaseline, QString::fromUtf8(kTitle), SheetFont(15, true));
      sheet.Text(kMarginX, kNameBaseline,
                 QStringLiteral("Nombre: ________________________________________"),
                 SheetFont(10.5));
      for (int k = first; k < std::min(count, first + kExercisesPerPage); ++k)
        DrawExerciseSlot(sheet, kBodyTop + (k - first) * kSlotHeight, k + 1, exercises[k], palette);
      DrawFooter(sheet, request.seed, page, pages);
    }
    for (int first = 0; first < count; first += kKeyLinesPerPage, ++page) {
      sheet.NewPage();
      sheet.Centred(kTitleBaseline, QStringLiteral("Soluciones"), SheetFont(15, true));
      const QFont keyFont = SheetFont(10);
      for (int k = first; k < std::min(count, first + kKeyLinesPerPage); ++k)
        sheet.Text(kMarginX, kKeyTop + (k - first) * kKeySpacing,
                   Q(quiz::KeyLine(k + 1, exercises[k])), keyFont);
      DrawFooter(sheet, request.seed, page, pages);
    }
    if (!sheet.End()) bytes.clear();
  }
  const QString fault = SaveBytes(bytes, Q(request.output));
  if (!fault.isEmpty()) {
    result.fault = SheetFault::kOutput;
    result.message = fault.toStdString();
    return result;
  }
  result.pages = pages;
  return result;
}

}  // namespace render
