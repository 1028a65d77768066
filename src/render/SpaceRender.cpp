#include "render/SpaceRender.h"

#include <QBuffer>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <vector>

#include "figures/SpaceFigures.h"

namespace render {

namespace {

using drawing::Ink;
using drawing::Look;
using drawing::Vec3;

constexpr int kDotsPerMeter96 = 3780;

QColor QuadrantColour(int quadrant) {
  switch (quadrant) {
    case 1:
      return {255, 233, 168};
    case 2:
      return {196, 228, 190};
    case 3:
      return {180, 208, 240};
    case 4:
      return {244, 190, 206};
  }
  return {230, 230, 230};
}

QColor FaceColour(const drawing::SpaceFace& f, bool front) {
  switch (f.look) {
    case Look::kQuadrant: {
      return QuadrantColour(front ? f.frontQuadrant : f.backQuadrant);
    }
    case Look::kBisector:
      return {120, 120, 120, 55};
    case Look::kProfile:
      return {200, 190, 250, 110};
    case Look::kFigure:
      return {40, 150, 210, 120};
    case Look::kSecond:
      return {235, 130, 30, 120};
  }
  return Qt::gray;
}

struct Stroke {
  QColor colour;
  qreal width;
  Qt::PenStyle style;
};

Stroke StrokeOf(Ink ink) {
  switch (ink) {
    case Ink::kFigure:
      return {{20, 50, 170}, 2.2, Qt::SolidLine};
    case Ink::kSecond:
      return {{190, 80, 0}, 2.2, Qt::SolidLine};
    case Ink::kProjection:
      return {{0, 115, 60}, 1.6, Qt::SolidLine};
    case Ink::kReference:
      return {{200, 40, 40}, 1.0, Qt::DashDotLine};
    case Ink::kTrace:
      return {{120, 0, 140}, 1.8, Qt::SolidLine};
    case Ink::kMeeting:
      return {{210, 0, 0}, 2.6, Qt::SolidLine};
    case Ink::kFrame:
      return {{80, 80, 80}, 1.0, Qt::SolidLine};
  }
  return {Qt::black, 1.0, Qt::SolidLine};
}

// Hidden: fainter and dashed, never left out.
QPen PenFor(Ink ink, bool hidden, qreal unit) {
  Stroke s = StrokeOf(ink);
  if (hidden) {
    s.colour.setAlpha(120);
    if (s.style == Qt::SolidLine) s.style = Qt::DashLine;
    s.width = std::max(1.0, s.width * 0.8);
  }
  // Round caps on every dash would cost more than the rest of a frame.
  return QPen(s.colour, s.width * unit, s.style,
              s.style == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
}

QPointF At(const drawing::SpaceProjection& pr, Vec3 p) {
  const drawing::ScreenPoint s = pr(p);
  return {s.x, s.y};
}

struct PlacedLabel {
  QPointF at;
  QString text;
  Ink ink;
  bool hidden;
};

}  // namespace

drawing::SpaceProjection SpaceProjectionFor(const drawing::SpaceScene& placed,
                                            const drawing::SpaceView& view, const QRectF& target) {
  double radius = placed.box.Radius();
  // Folded out, the profile plane reaches past the end of L.T. by its width.
  if (view.profile) radius += placed.box.y;
  const double fit = 0.5 * std::min(target.width(), target.height()) / radius;
  drawing::SpaceProjection pr = drawing::ProjectionOf(view.camera, fit * view.camera.zoom, 0, 0);
  const drawing::ScreenPoint centre = pr(placed.box.Centre());
  pr.cx = target.center().x() - centre.x;
  pr.cy = target.center().y() - centre.y;
  return pr;
}

void DrawSpaceView(QPainter& painter, const QRectF& target, const scene::Scene& scene,
                   const drawing::SpaceView& view) {
  const drawing::SpaceScene placed = drawing::BuildSpaceScene(figures::SpaceFigureOf(scene), view);
  const drawing::SpaceProjection pr = SpaceProjectionFor(placed, view, target);
  const qreal unit = std::max(1.0, std::min(target.width(), target.height()) / 720.0);

  painter.save();
  painter.setClipRect(target);
  painter.fillRect(target, Qt::white);

  // The faces, back to front. Their edges are drawn over them, smooth, so the fills
  // need no antialiasing, which would cost most of a frame at full size.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  for (const drawing::FacePiece& piece : drawing::PaintOrder(placed.faces, pr.towards)) {
    QPolygonF polygon;
    for (const Vec3& c : piece.corners) polygon << At(pr, c);
    painter.setBrush(FaceColour(placed.faces[static_cast<std::size_t>(piece.face)], piece.front));
    painter.drawPolygon(polygon);
  }
  painter.setBrush(Qt::NoBrush);
  painter.setRenderHint(QPainter::Antialiasing, true);

  // Every segment over them, split into its seen and hidden parts.
  std::vector<PlacedLabel> labels;
  for (const drawing::SpaceSegment& s : placed.segments) {
    const auto hidden = drawing::HiddenParts(s.from, s.to, placed.faces, pr);
    const auto point = [&](double t) { return At(pr, s.from + t * (s.to - s.from)); };
    const auto piece = [&](double t0, double t1, bool isHidden) {
      if (t1 - t0 <= 1e-9) return;
      painter.setPen(PenFor(s.ink, isHidden, unit));
      painter.drawLine(point(t0), point(t1));
    };
    double t = 0.0;
    for (const auto& h : hidden) {
      piece(t, h.first, false);
      piece(h.first, h.second, true);
      t = h.second;
    }
    piece(t, 1.0, false);
    if (!s.label.empty()) {
      const bool endHidden = !hidden.empty() && hidden.back().second >= 1.0 - 1e-9;
      labels.push_back({point(1.0), QString::fromStdString(s.label), s.ink, endHidden});
    }
  }

  // The points, those that share a place named together ("A ≡ a").
  std::vector<PlacedLabel> points;
  for (const drawing::SpacePoint& p : placed.points) {
    const QPointF at = At(pr, p.at);
    const bool isHidden = drawing::IsHidden(p.at, placed.faces, pr);
    const QString text = QString::fromStdString(p.label);
    const auto same = std::find_if(points.begin(), points.end(), [&](const PlacedLabel& q) {
      return std::abs(q.at.x() - at.x()) < 0.75 && std::abs(q.at.y() - at.y()) < 0.75;
    });
    if (same != points.end()) {
      if (!text.isEmpty()) same->text += QStringLiteral(" ≡ ") + text;
      same->hidden = same->hidden && isHidden;
      continue;
    }
    points.push_back({at, text, p.ink, isHidden});
  }
  const qreal radius = 3.2 * unit;
  for (const PlacedLabel& p : points) {
    Stroke s = StrokeOf(p.ink);
    if (p.hidden) s.colour.setAlpha(140);
    painter.setPen(QPen(s.colour, 1.2 * unit));
    painter.setBrush(p.hidden ? QBrush(Qt::white) : QBrush(s.colour));
    painter.drawEllipse(p.at, radius, radius);
  }
  painter.setBrush(Qt::NoBrush);

  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(std::lround(12 * unit)));
  painter.setFont(font);
  labels.insert(labels.end(), points.begin(), points.end());
  for (const PlacedLabel& l : labels) {
    if (l.text.isEmpty()) continue;
    QColor c = StrokeOf(l.ink).colour;
    if (l.hidden) c.setAlpha(150);
    painter.setPen(c);
    painter.drawText(l.at + QPointF(5 * unit, -5 * unit), l.text);
  }

  // The planes' names at their outer corners, and what the colours mean.
  painter.setPen(QColor(60, 60, 60));
  const drawing::SpaceBox& b = placed.box;
  const drawing::SpaceView& v = view;
  painter.drawText(At(pr, {b.x0, b.y, 0}) + QPointF(4 * unit, 14 * unit), QStringLiteral("PH"));
  painter.drawText(At(pr, drawing::Placed({{b.x0, 0, b.z}, drawing::On::kV}, v, b)) +
                       QPointF(4 * unit, 14 * unit),
                   QStringLiteral("PV"));
  if (view.profile)
    painter.drawText(At(pr, drawing::Placed({{0, b.y, b.z}, drawing::On::kW}, v, b)) +
                         QPointF(4 * unit, 14 * unit),
                     QStringLiteral("PP"));
  const QStringList names = {QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"),
                             QStringLiteral("IV")};
  const qreal box = 12 * unit;
  QPointF corner = target.topLeft() + QPointF(10 * unit, 10 * unit);
  painter.drawText(corner + QPointF(0, box), QStringLiteral("Cuadrantes:"));
  corner.rx() += painter.fontMetrics().horizontalAdvance(QStringLiteral("Cuadrantes:")) + 8 * unit;
  for (int k = 0; k < 4; ++k) {
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(QuadrantColour(k + 1));
    painter.drawRect(QRectF(corner, QSizeF(box, box)));
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(corner + QPointF(box + 4 * unit, box), names[k]);
    corner.rx() += box + 12 * unit + painter.fontMetrics().horizontalAdvance(names[k]);
  }
  painter.restore();
}

scene::Scene SceneOf(const SceneSpec& picture) {
  scene::Scene s;
  scene::Activate(s);
  s.figure = picture.figure;
  s.ProfileOn = picture.profile;
  s.AnswerHidden = picture.answerHidden;
  s.TracesOn = picture.traces;
  s.VisibilityOn = picture.visibility;
  s.PointA = picture.A;
  s.PointB = picture.B;
  s.PointC = picture.C;
  s.PointD = picture.D;
  s.PointE = picture.E;
  s.PointF = picture.F;
  s.ConstructionOn = picture.construction;
  s.NotableOn = picture.notable;
  return s;
}

QImage RenderSpaceImage(const scene::Scene& scene, const drawing::SpaceView& view, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter96);
  image.setDotsPerMeterY(kDotsPerMeter96);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawSpaceView(painter, QRectF(image.rect()), scene, view);
  return image;
}

QByteArray RenderSpaceSvg(const scene::Scene& scene, const drawing::SpaceView& view, QSize size) {
  return SvgBytes(size, QStringLiteral("Vista en el espacio"), [&](QSvgGenerator& svg) {
    QPainter painter(&svg);
    DrawSpaceView(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, view);
  });
}

void RenderSpacePage(const scene::Scene& scene, const drawing::SpaceView& view,
                     QPagedPaintDevice& device) {
  const qreal width = device.width(), height = device.height();
  const qreal fit = std::min(width / SpaceWidth, height / SpaceHeight);
  const QSizeF size(SpaceWidth * fit, SpaceHeight * fit);
  QPainter painter(&device);
  DrawSpaceView(painter,
                QRectF(QPointF((width - size.width()) / 2, (height - size.height()) / 2), size),
                scene, view);
}

QByteArray RenderSpacePdf(const scene::Scene& scene, const drawing::SpaceView& view) {
  return RenderSpacePdf(scene, view, PicturePage());
}

QByteArray RenderSpacePdf(const scene::Scene& scene, const drawing::SpaceView& view,
                          const QPageLayout& layout) {
  return PdfBytes(layout, QStringLiteral("Quorvel"),
                  [&](QPdfWriter& pdf) { RenderSpacePage(scene, view, pdf); });
}

QString WriteSpaceFile(const scene::Scene& scene, const drawing::SpaceView& view,
                       const QString& path, Format format, int scale) {
  scale = std::clamp(scale, MinScale, MaxScale);
  const QSize size(SpaceWidth * scale, SpaceHeight * scale);
  QByteArray bytes;
  switch (format) {
    case Format::Png: {
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      RenderSpaceImage(scene, view, size).save(&buffer, "PNG");
      break;
    }
    case Format::Svg:
      bytes = RenderSpaceSvg(scene, view, size);
      break;
    case Format::Pdf:
      bytes = RenderSpacePdf(scene, view);
      break;
  }
  return SaveBytes(bytes, path);
}

}  // namespace render
