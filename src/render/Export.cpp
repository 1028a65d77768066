#include "render/Export.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cerrno>

#include "delgraph/FileFault.h"

namespace render {

namespace {

// Qt's default image resolution, at which font points give the window's pixels.
constexpr int kDotsPerMeter96 = 3780;
constexpr int kSvgDpi = 96;
constexpr qreal kPageMarginMm = 10.0;

int ClampScale(int scale) {
  return std::clamp(scale, MinScale, MaxScale);
}

QByteArray Encode(const SceneSpec& picture, Format format, int scale) {
  switch (format) {
    case Format::Png: {
      QByteArray bytes;
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      RenderImage(picture, scale).save(&buffer, "PNG");
      return bytes;
    }
    case Format::Svg:
      return RenderSvg(picture, scale);
    case Format::Pdf:
      return RenderPdf(picture);
  }
  return {};
}

QString SaveFailure(const QString& path, delgraph::FileFault fault) {
  return QStringLiteral("No se pudo guardar «%1»: %2.")
      .arg(path.mid(path.lastIndexOf('/') + 1), delgraph::SpanishReason(fault));
}

// The kind of a failed open, write or commit, from the system's error number taken
// right after it.
delgraph::FileFault FaultOfWrite(const QString& path, int error) {
  using delgraph::FileFault;
  FileFault fault = delgraph::FaultOfErrno(error);
  if (fault == FileFault::kNotFound || fault == FileFault::kNone || fault == FileFault::kOther) {
    if (!QFileInfo(path).absoluteDir().exists()) return FileFault::kMissingFolder;
    if (fault == FileFault::kNone) return FileFault::kOther;
  }
  return fault;
}

}  // namespace

std::optional<Format> FormatOfPath(const QString& path) {
  // Read off the string itself: QFileInfo loses track of the name's dots past
  // 32,767 characters, and one rule must hold for every length.
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  const qsizetype dot = name.lastIndexOf('.');
  const QString suffix = dot < 0 ? QString() : name.mid(dot + 1).toLower();
  if (suffix == QLatin1String("png")) return Format::Png;
  if (suffix == QLatin1String("svg")) return Format::Svg;
  if (suffix == QLatin1String("pdf")) return Format::Pdf;
  return std::nullopt;
}

QImage RenderImage(const SceneSpec& picture, int scale) {
  scale = ClampScale(scale);
  QImage image(AreaWidth * scale, AreaHeight * scale, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter96);
  image.setDotsPerMeterY(kDotsPerMeter96);
  image.fill(Qt::white);
  WithSurface(image, QRectF(image.rect()), [&picture] { DrawEdit(picture); });
  return image;
}

QByteArray RenderSvg(const SceneSpec& picture, int scale) {
  scale = ClampScale(scale);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kSvgDpi);
  const QRect area(0, 0, AreaWidth * scale, AreaHeight * scale);
  svg.setSize(area.size());
  svg.setViewBox(area);
  svg.setTitle(QStringLiteral("Quorvel"));
  svg.setDescription(QStringLiteral("Sistema diédrico"));
  WithSurface(svg, QRectF(area), [&picture] { DrawEdit(picture); });
  return bytes;
}

void RenderPage(const SceneSpec& picture, QPagedPaintDevice& device) {
  // The device's width and height are its paintable part, where the painter's
  // origin lies.
  const qreal width = device.width();
  const qreal height = device.height();
  const qreal fit = std::min(width / AreaWidth, height / AreaHeight);
  const QSizeF size(AreaWidth * fit, AreaHeight * fit);
  const QRectF target(QPointF((width - size.width()) / 2, (height - size.height()) / 2), size);
  WithSurface(device, target, [&picture] { DrawEdit(picture); });
}

QByteArray RenderPdf(const SceneSpec& picture) {
  return RenderPdf(
      picture, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                           QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                           QPageLayout::Millimeter));
}

QByteArray RenderPdf(const SceneSpec& picture, const QPageLayout& layout) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Quorvel"));
    pdf.setTitle(QStringLiteral("Quorvel"));
    pdf.setPageLayout(layout);
    RenderPage(picture, pdf);
  }
  return bytes;
}

QString WriteFile(const SceneSpec& picture, const QString& path, Format format, int scale) {
  // The picture is made whole before the file is touched.
  return SaveBytes(Encode(picture, format, scale), path);
}

delgraph::FileFault WriteBytes(const QByteArray& bytes, const QString& path) {
  // A folder, a FIFO or a device under that name is left as it is: QSaveFile would
  // rename a regular file over it.
  const delgraph::FileFault obstacle = delgraph::OutputObstacle(path);
  if (obstacle != delgraph::FileFault::kNone) return obstacle;
  QSaveFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) return FaultOfWrite(path, errno);
  errno = 0;
  if (file.write(bytes) != bytes.size()) {
    const int error = errno;
    file.cancelWriting();
    return FaultOfWrite(path, error);
  }
  errno = 0;
  if (!file.commit()) return FaultOfWrite(path, errno);
  return delgraph::FileFault::kNone;
}

QString SaveBytes(const QByteArray& bytes, const QString& path) {
  if (bytes.isEmpty()) {
    return QStringLiteral("No se pudo dibujar «%1».").arg(QFileInfo(path).fileName());
  }
  const delgraph::FileFault fault = WriteBytes(bytes, path);
  return fault == delgraph::FileFault::kNone ? QString() : SaveFailure(path, fault);
}

}  // namespace render
