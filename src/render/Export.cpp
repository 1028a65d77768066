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

QString SaveFailure(const QString& path, const QFileDevice& file) {
  const QString name = QFileInfo(path).fileName();
  QString reason;
  switch (file.error()) {
    case QFileDevice::PermissionsError:
      reason = QStringLiteral("permiso denegado");
      break;
    case QFileDevice::ResourceError:
      reason = QStringLiteral("no queda espacio o faltan recursos");
      break;
    case QFileDevice::WriteError:
      reason = QStringLiteral("error de escritura");
      break;
    default:
      reason = QFileInfo(path).absoluteDir().exists()
                   ? QStringLiteral("no se puede crear el archivo")
                   : QStringLiteral("la carpeta no existe");
      break;
  }
  return QStringLiteral("No se pudo guardar «%1»: %2.").arg(name, reason);
}

}  // namespace

std::optional<Format> FormatOfPath(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
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

QString SaveBytes(const QByteArray& bytes, const QString& path) {
  if (bytes.isEmpty()) {
    return QStringLiteral("No se pudo dibujar «%1».").arg(QFileInfo(path).fileName());
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return SaveFailure(path, file);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return SaveFailure(path, file);
  }
  if (!file.commit()) return SaveFailure(path, file);
  return QString();
}

}  // namespace render
