#include "render/ConstructionPicture.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <string>

namespace render {

namespace {

using classify::FlatPoint;
using classify::StrokeRole;

// Pens in millimetres, as a drawing for an exam uses them.
constexpr double kThick = 0.5;
constexpr double kThin = 0.18;
constexpr double kPointRing = 0.7;
constexpr double kAnswerRing = 1.6;
// Labels: beside a point up and to the right, beside a line a little off it.
constexpr double kLabelPoints = 9.0;
constexpr double kLabelOffset = 1.0;
// The end strokes of L.T., under it, inward from each end of the frame.
constexpr double kEndStrokeDrop = 1.5;
constexpr double kEndStrokeLength = 8.0;

const char* const kFontFamily = "DejaVu Sans";

// A pen of width mm (in the painter's millimetres); dashes as a draughtsman draws
// them, whatever the width: 3 mm dashes for a hidden part, dash-dot for a reference.
QPen PaperPen(double width, bool dashed, bool reference) {
  QPen pen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
  if (reference)
    pen.setDashPattern({4.0 / width, 1.0 / width, 0.4 / width, 1.0 / width});
  else if (dashed)
    pen.setDashPattern({3.0 / width, 1.5 / width});
  return pen;
}

QPen RolePen(StrokeRole role, bool dashed) {
  const bool thick = role == StrokeRole::kData || role == StrokeRole::kAnswer;
  return PaperPen(thick ? kThick : kThin, dashed, role == StrokeRole::kReference);
}

// Text at a place in millimetres, in a font of true point size on the device: the
// millimetre transform is set aside while it is drawn.
void PaperText(QPainter& painter, const QPointF& mm, const QString& text, bool bold = false) {
  const QPointF device = painter.transform().map(mm);
  painter.save();
  painter.resetTransform();
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(kLabelPoints);
  font.setBold(bold);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(device, text);
  painter.restore();
}

void DrawLayer(QPainter& painter, const QPointF& corner, const classify::Layer& layer,
               std::size_t number) {
  for (const classify::Stroke& s : layer.strokes) {
    painter.setPen(RolePen(s.role, s.dashed));
    painter.drawLine(PlaceInFrame(corner, s.from), PlaceInFrame(corner, s.to));
  }
  // The step's number goes beside its first label, or else beside its first stroke.
  QString prefix = number > 0 ? QStringLiteral("(%1) ").arg(number) : QString();
  for (const classify::Label& l : layer.labels) {
    const QPointF at = PlaceInFrame(corner, l.at);
    if (l.point) {
      painter.setPen(PaperPen(l.role == StrokeRole::kAnswer ? kThick : kThin, false, false));
      painter.drawEllipse(at, kPointRing, kPointRing);
    }
    PaperText(painter, at + QPointF(kLabelOffset, -kLabelOffset),
              prefix + QString::fromStdString(l.text), l.role == StrokeRole::kAnswer);
    prefix.clear();
  }
  if (!prefix.isEmpty() && !layer.strokes.empty()) {
    const classify::Stroke& s = layer.strokes.front();
    const FlatPoint middle{(s.from.x + s.to.x) / 2, (s.from.y + s.to.y) / 2};
    PaperText(painter, PlaceInFrame(corner, middle) + QPointF(kLabelOffset, -kLabelOffset),
              prefix.trimmed());
  }
}

}  // namespace

QPointF PlaceInFrame(const QPointF& corner, const classify::FlatPoint& p) {
  return {corner.x() + (p.x - kFrameLeft), corner.y() + (kFrameTop - p.y)};
}

void DrawPaperConstruction(QPainter& painter, double dotsPerMm, const QPointF& corner,
                           const classify::Construction& construction, const PaperLook& look) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(dotsPerMm, dotsPerMm);
  painter.setBrush(Qt::NoBrush);
  const QRectF frame(corner, QSizeF(kFrameWidth, kFrameHeight));
  painter.setPen(QPen(QColor(150, 150, 150), 0.2));
  painter.drawRect(frame);
  // L.T. across the frame, with a stroke under each end.
  const double y = PlaceInFrame(corner, {0.0, 0.0}).y();
  painter.setPen(PaperPen(kThick, false, false));
  painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
  painter.setPen(PaperPen(kThin, false, false));
  const double drop = y + kEndStrokeDrop;
  painter.drawLine(QPointF(frame.left(), drop), QPointF(frame.left() + kEndStrokeLength, drop));
  painter.drawLine(QPointF(frame.right() - kEndStrokeLength, drop), QPointF(frame.right(), drop));

  painter.setClipRect(frame);
  DrawLayer(painter, corner, construction.data, 0);
  for (std::size_t k = 0; k < construction.steps.size() && k < look.steps; ++k)
    DrawLayer(painter, corner, construction.steps[k], look.numbered ? k + 1 : 0);
  if (look.answers) {
    painter.setPen(PaperPen(kThick, false, false));
    for (const classify::Marker& m : construction.markers)
      if (m.exact) painter.drawEllipse(PlaceInFrame(corner, *m.exact), kAnswerRing, kAnswerRing);
  }
  painter.restore();
}

QImage ConstructionImage(const classify::Construction& construction, const PaperLook& look) {
  QImage image(static_cast<int>(std::lround(kFrameWidth * kBankPixelsPerMm)),
               static_cast<int>(std::lround(kFrameHeight * kBankPixelsPerMm)),
               QImage::Format_RGB32);
  // Its resolution too, so that the labels' point sizes come out as on paper.
  image.setDotsPerMeterX(static_cast<int>(kBankPixelsPerMm * 1000));
  image.setDotsPerMeterY(static_cast<int>(kBankPixelsPerMm * 1000));
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawPaperConstruction(painter, kBankPixelsPerMm, QPointF(0, 0), construction, look);
  painter.end();
  return image;
}

}  // namespace render
