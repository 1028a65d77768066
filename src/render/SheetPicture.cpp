#include "render/SheetPicture.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "delgraph/ShippedPalette.h"
#include "drawing/Painter.h"
#include "figures/Kind.h"
#include "render/Render.h"
#include "scene/Scene.h"

namespace render {

namespace {

// The 320 x 200 space on the layer's fixed surface, as every sheet picture is
// drawn: surface pixels per logical unit across and down.
double PixelsAcross() {
  return (delgraph::GetMaxX() + 1.0) / 320.0;
}
double PixelsDown() {
  return (delgraph::GetMaxY() + 1.0) / 200.0;
}
// The flat view's origin in that space (its ground line at 80).
constexpr double kFlatOriginX = 240.0;
constexpr double kGroundLineY = 80.0;
// Test mode's coordinates stay under 144 (97 for the abscissa): the cut holds them
// with their rings and labels.
constexpr double kHalfWidth = 145.0;
constexpr double kHalfHeight = 150.0;
// The space view without the exercise's title above it and the icon row below.
constexpr double kSpaceTop = 42.0;
constexpr double kSpaceBottom = 436.0;
constexpr double kSpaceWidth = 515.0;
// The end strokes of the ground line, as the flat frame draws them: below the line,
// inward from each end.
constexpr double kEndStrokeLength = 32.0;
constexpr double kEndStrokeDrop = 6.0;

double FlatGroundLineY() {
  return kGroundLineY * PixelsDown();
}
constexpr double kGroundLinePen = 1.2;

}  // namespace

SheetPalette PrintSheetPalette() {
  SheetPalette palette;
  for (int k = 0; k < 16; ++k) palette[k] = delgraph::PrintPaletteEntry(k);
  return palette;
}

SheetPalette InkSheetPalette() {
  // By entry, as the print palette lists them: paper, frame, planes and panels light;
  // labels, texts and lines black; reference lines and rings a dark grey.
  constexpr std::uint8_t kGreys[16] = {255, 150, 240, 0,  235, 40, 40, 215,
                                       100, 0,   40,  40, 60,  0,  60, 255};
  SheetPalette palette;
  for (int k = 0; k < 16; ++k) palette[k] = {kGreys[k], kGreys[k], kGreys[k]};
  return palette;
}

QRectF FlatPictureArea() {
  const double x = kFlatOriginX * PixelsAcross();
  return QRectF(x - kHalfWidth, FlatGroundLineY() - kHalfHeight, 2 * kHalfWidth, 2 * kHalfHeight);
}

QRectF SpacePictureArea() {
  return QRectF(0, kSpaceTop, kSpaceWidth, kSpaceBottom - kSpaceTop);
}

void DrawExercisePart(QPainter& painter, const QRectF& target, const QRectF& area,
                      const quiz::GeneratedExercise& e, const SheetPalette& palette) {
  delgraph::Palette colours;
  for (int k = 0; k < 16; ++k)
    colours.SetEntry(static_cast<std::uint16_t>(k), palette[k].red, palette[k].green,
                     palette[k].blue);
  WithSurfacePart(painter, target, area, true, colours,
                  [&](drawing::Painter& picture, scene::Scene& scene) {
                    picture.Select320x200();
                    quiz::DrawWaitingExercise(picture, scene, e, false);
                  });
  if (area != FlatPictureArea()) return;
  // On paper the frame's pale ground line hardly shows, and its end strokes lie
  // outside the cut: the line is drawn again, dark, with a stroke at each edge.
  const double scale = target.width() / area.width();
  const double y = target.top() + (FlatGroundLineY() - area.top()) * scale;
  const double drop = kEndStrokeDrop * scale;
  const double length = kEndStrokeLength * scale;
  painter.save();
  painter.setPen(QPen(Qt::black, kGroundLinePen * scale, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(target.left(), y), QPointF(target.right(), y));
  painter.drawLine(QPointF(target.left(), y + drop), QPointF(target.left() + length, y + drop));
  painter.drawLine(QPointF(target.right() - length, y + drop), QPointF(target.right(), y + drop));
  painter.restore();
}

QImage FlatPictureImage(const quiz::GeneratedExercise& e, const SheetPalette& palette,
                        double pixelsPerUnit) {
  const QRectF area = FlatPictureArea();
  QImage image(static_cast<int>(std::ceil(area.width() * pixelsPerUnit)),
               static_cast<int>(std::ceil(area.height() * pixelsPerUnit)), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawExercisePart(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), area, e, palette);
  painter.end();
  return image;
}

QString ExerciseCoordinates(const quiz::GeneratedExercise& e, const QString& separator) {
  const auto point = [](const char* letter, const DihedralPoint& p) {
    return QStringLiteral("%1=(%2, %3, %4)")
        .arg(QLatin1String(letter))
        .arg(p.abscissa)
        .arg(p.alejamiento)
        .arg(p.cota);
  };
  const figures::Kind& kind = figures::KindOf(e.figure);
  const figures::FigurePoints points = e.Points();
  QString text;
  for (std::size_t k = 0; k < kind.PointCount() && k < points.size(); ++k) {
    const char letter[2] = {kind.PointNames()[k], '\0'};
    text += (k == 0 ? QString() : separator) + point(letter, points[k]);
  }
  return text;
}

}  // namespace render
