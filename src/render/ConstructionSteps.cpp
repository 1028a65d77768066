#include "render/ConstructionSteps.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

#include "drawing/Projections.h"
#include "figures/Kind.h"
#include "render/SpaceRender.h"

namespace render {

namespace {

// As Export.cpp draws the drawing area alone: font points at 96 DPI, SVG user units
// as pixels, A4 landscape with 10 mm margins.
constexpr int kDotsPerMeter96 = 3780;

// The sentence: 11 points, in black, from a left margin, under the drawing area.
constexpr std::uint16_t kSentenceSize = 11;
constexpr std::int32_t kSentenceLeft = 48;
constexpr std::int32_t kSwatch = 28;  // the stroke in the step's colour before it
constexpr std::int32_t kLineHeight = 18;

int StepHeight() {
  return AreaHeight + SentenceBand;
}

// The drawing area and the band under it.
QRectF StepSource() {
  return QRectF(0, 0, AreaWidth, StepHeight());
}

// The band in the drawing area's background: the edit's clearing reaches into it.
void ClearBand(drawing::Painter& painter) {
  const std::uint16_t pattern = painter.FillPattern;
  const std::int32_t colour = painter.FillColor;
  painter.SetFillStyle(1, 0);
  painter.FillBar(0, AreaHeight, AreaWidth - 1, StepHeight() - 1);
  painter.SetFillStyle(pattern, colour);
}

void DrawStep(QPainter& qpainter, const QRectF& target, const SceneSpec& picture,
              const delgraph::Palette& palette, std::size_t n) {
  WithSurfacePart(qpainter, target, StepSource(), false, palette,
                  [&picture, n](drawing::Painter& painter, scene::Scene& scene) {
                    const auto construction = DrawConstructionStep(painter, scene, picture, n);
                    ClearBand(painter);
                    if (construction) DrawSentence(painter, StepSentence(*construction, n), n);
                  });
}

// The flat view's frame on the surface, as the other flat drawings keep to it.
void ClipToFlatView(drawing::Painter& painter) {
  painter.ClipToBar(painter.ScaleX(179) + 1, painter.ScaleY(19) + 1, painter.ScaleX(308) - 1,
                    painter.ScaleY(141) - 1);
}

// Words of text in lines no wider than width in the painter's text style.
std::vector<std::string> Wrapped(const drawing::Painter& painter, const std::string& text,
                                 std::int32_t width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t to = text.find(' ', from);
    if (to == std::string::npos) to = text.size();
    const std::string word = text.substr(from, to - from);
    from = to + 1;
    if (word.empty()) continue;
    const std::string longer = line.empty() ? word : line + ' ' + word;
    if (!line.empty() && painter.TextWidth(longer) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

std::optional<classify::Construction> SceneConstruction(const drawing::Painter& painter,
                                                        const scene::Scene& scene) {
  return figures::ConstructionOf(scene, drawing::FlatViewBox(painter));
}

std::optional<classify::Construction> DrawStepsOver(
    drawing::Painter& painter, const scene::Scene& scene, std::size_t n,
    const std::vector<drawing::PlacedMarker>& placed) {
  std::optional<classify::Construction> construction = SceneConstruction(painter, scene);
  if (!construction) return std::nullopt;
  drawing::ConstructionLook look;
  look.steps = n;
  look.data = false;  // the edit has drawn the figure
  ClipToFlatView(painter);
  drawing::DrawConstruction(painter, *construction, look, placed);
  painter.NoClip();
  return construction;
}

std::optional<classify::Construction> DrawConstructionStep(drawing::Painter& painter,
                                                           scene::Scene& scene,
                                                           const SceneSpec& picture,
                                                           std::size_t n) {
  DrawEdit(painter, scene, picture);
  return DrawStepsOver(painter, scene, n);
}

std::string StepSentence(const classify::Construction& construction, std::size_t n) {
  if (n == 0 || n > construction.steps.size()) return std::string();
  return construction.steps[n - 1].sentence;
}

std::optional<classify::Construction> PictureConstruction(const SceneSpec& picture) {
  // The mapping an export's edit leaves, on a painter with no canvas: the same flat
  // view, so the same cut and the same steps.
  drawing::Painter painter;
  painter.ActivateMapping(delgraph::GetMaxX(), delgraph::GetMaxY());
  painter.Select320x200();
  drawing::ComputeSceneOrigins(painter);
  return SceneConstruction(painter, SceneOf(picture));
}

std::vector<std::string> StepSentences(const SceneSpec& picture) {
  std::vector<std::string> sentences;
  if (const auto construction = PictureConstruction(picture))
    for (const classify::Layer& step : construction->steps) sentences.push_back(step.sentence);
  return sentences;
}

void DrawSentence(drawing::Painter& painter, const std::string& sentence, std::size_t n) {
  if (sentence.empty()) return;
  const delgraph::ColorValue kept = painter.GetPenColor();
  const std::int32_t top = AreaHeight + 8;
  painter.SetDrawColor(drawing::StepColour(n));
  painter.SetLineStyle(delgraph::psSolid, 0, 3);
  painter.DrawLine(kSentenceLeft - kSwatch - 8, top + kLineHeight / 2, kSentenceLeft - 8,
                   top + kLineHeight / 2);
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  painter.SetDrawColor(delgraph::GetMaxColor());
  painter.SetTextStyle(0, 0, kSentenceSize);
  painter.SetBrushStyle(delgraph::bsClear);
  std::int32_t y = top;
  for (const std::string& line : Wrapped(painter, sentence, AreaWidth - 2 * kSentenceLeft)) {
    painter.DrawText(kSentenceLeft, y, line);
    y += kLineHeight;
  }
  painter.SetPenColorValue(kept);
  drawing::RestoreTextStyle(painter);
}

QImage RenderStepImage(const SceneSpec& picture, const delgraph::Palette& palette, int scale,
                       std::size_t n) {
  scale = std::clamp(scale, MinScale, MaxScale);
  QImage image(AreaWidth * scale, StepHeight() * scale, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter96);
  image.setDotsPerMeterY(kDotsPerMeter96);
  image.fill(Qt::white);
  QPainter qpainter(&image);
  DrawStep(qpainter, QRectF(image.rect()), picture, palette, n);
  return image;
}

QByteArray RenderStepSvg(const SceneSpec& picture, const delgraph::Palette& palette, int scale,
                         std::size_t n) {
  scale = std::clamp(scale, MinScale, MaxScale);
  const QRect area(0, 0, AreaWidth * scale, StepHeight() * scale);
  return SvgBytes(area.size(),
                  QStringLiteral("Sistema diédrico: paso %1 de la construcción").arg(n),
                  [&](QSvgGenerator& svg) {
                    QPainter qpainter(&svg);
                    DrawStep(qpainter, QRectF(area), picture, palette, n);
                  });
}

QByteArray RenderStepsPdf(const SceneSpec& picture, const delgraph::Palette& palette) {
  const std::size_t steps = StepSentences(picture).size();
  if (steps == 0) return QByteArray();
  return PdfBytes(PicturePage(), QStringLiteral("Quorvel: construcción paso a paso"),
                  [&](QPdfWriter& pdf) {
                    // The paintable part, where the painter's origin lies; the step
                    // centred there.
                    const qreal width = pdf.width(), height = pdf.height();
                    const qreal fit = std::min(width / AreaWidth, height / StepHeight());
                    const QSizeF size(AreaWidth * fit, StepHeight() * fit);
                    const QRectF target(
                        QPointF((width - size.width()) / 2, (height - size.height()) / 2), size);
                    QPainter qpainter(&pdf);
                    for (std::size_t n = 1; n <= steps; ++n) {
                      if (n > 1) pdf.newPage();
                      DrawStep(qpainter, target, picture, palette, n);
                    }
                  });
}

QString StepFileName(const QString& path, std::size_t n) {
  const qsizetype slash = path.lastIndexOf('/');
  const qsizetype dot = path.lastIndexOf('.');
  const qsizetype at = dot > slash ? dot : path.size();
  return path.left(at) + QStringLiteral("-%1").arg(n) + path.mid(at);
}

std::vector<FileToSave> StepFiles(const SceneSpec& picture, const delgraph::Palette& palette,
                                  const QString& path, Format format, int scale) {
  std::vector<FileToSave> files;
  if (format == Format::Pdf) {
    QByteArray pdf = RenderStepsPdf(picture, palette);
    if (!pdf.isEmpty()) files.push_back({std::move(pdf), path});
    return files;
  }
  const std::size_t steps = StepSentences(picture).size();
  for (std::size_t n = 1; n <= steps; ++n) {
    QByteArray bytes;
    if (format == Format::Svg) {
      bytes = RenderStepSvg(picture, palette, scale, n);
    } else {
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      RenderStepImage(picture, palette, scale, n).save(&buffer, "PNG");
    }
    files.push_back({std::move(bytes), StepFileName(path, n)});
  }
  return files;
}

}  // namespace render
