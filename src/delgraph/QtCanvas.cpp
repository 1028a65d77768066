#include "delgraph/QtCanvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineF>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <utility>

namespace delgraph {

namespace {

constexpr int kSmallestFontPoints = 6;

// 96 dots per inch, so a point size gives the pixel size the layer's callers expect.
constexpr int DotsPerMeter96 = 3780;

// Pen style number -> Qt pen style.
constexpr Qt::PenStyle PenStyles[] = {
    Qt::SolidLine,       // psSolid
    Qt::DashLine,        // psDash
    Qt::DotLine,         // psDot
    Qt::DashDotLine,     // psDashDot
    Qt::DashDotDotLine,  // psDashDotDot
    Qt::NoPen,           // psClear
    Qt::SolidLine,       // psInsideFrame
};

// Brush style number -> Qt brush style.
constexpr Qt::BrushStyle BrushStyles[] = {
    Qt::SolidPattern,      // bsSolid
    Qt::NoBrush,           // bsClear
    Qt::HorPattern,        // bsHorizontal
    Qt::VerPattern,        // bsVertical
    Qt::FDiagPattern,      // bsFDiagonal: falls to the right
    Qt::BDiagPattern,      // bsBDiagonal: rises to the right
    Qt::CrossPattern,      // bsCross
    Qt::DiagCrossPattern,  // bsDiagCross
};

// Pen mode number -> how lines and outlines combine with the pixels below.
constexpr QPainter::CompositionMode PenModes[] = {
    QPainter::RasterOp_ClearDestination,            // pmBlack
    QPainter::RasterOp_SetDestination,              // pmWhite
    QPainter::CompositionMode_Destination,          // pmNop
    QPainter::RasterOp_NotDestination,              // pmNot
    QPainter::CompositionMode_SourceOver,           // pmCopy
    QPainter::RasterOp_NotSource,                   // pmNotCopy
    QPainter::RasterOp_SourceOrNotDestination,      // pmMergePenNot
    QPainter::RasterOp_SourceAndNotDestination,     // pmMaskPenNot
    QPainter::RasterOp_NotSourceOrDestination,      // pmMergeNotPen
    QPainter::RasterOp_NotSourceAndDestination,     // pmMaskNotPen
    QPainter::RasterOp_SourceOrDestination,         // pmMerge
    QPainter::RasterOp_NotSourceAndNotDestination,  // pmNotMerge
    QPainter::RasterOp_SourceAndDestination,        // pmMask
    QPainter::RasterOp_NotSourceOrNotDestination,   // pmNotMask
    QPainter::RasterOp_SourceXorDestination,        // pmXor
    QPainter::RasterOp_NotSourceXorDestination,     // pmNotXor
};

template <typename T, std::size_t N>
constexpr bool InTable(int index, const T (&)[N]) {
  return index >= 0 && static_cast<std::size_t>(index) < N;
}

// Rectangles reach Qt as ints; far-off edges are pulled in to just outside the image
// so that no width or height overflows.
int ClampEdge(std::int64_t v, int limit) {
  return static_cast<int>(std::clamp<std::int64_t>(v, -1, static_cast<std::int64_t>(limit) + 1));
}

}  // namespace

QtCanvas::QtCanvas(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
  image_.setDotsPerMeterX(DotsPerMeter96);
  image_.setDotsPerMeterY(DotsPerMeter96);
  image_.fill(Qt::white);
  font_ = QGuiApplication::font();
  font_.setPointSize(8);
  font_.setStyleStrategy(QFont::NoAntialias);
}

QtCanvas::~QtCanvas() {
  EndPainting();
}

const QImage& QtCanvas::Image() const {
  EndPainting();
  return image_;
}

QColor QtCanvas::ToQColor(ColorValue color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

ColorValue QtCanvas::FromQRgb(QRgb rgb) {
  return MakeColorValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void QtCanvas::EndPainting() const {
  if (painter_.isActive()) painter_.end();
}

QPainter& QtCanvas::Painter() {
  if (!painter_.isActive()) {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    penDirty_ = brushDirty_ = true;
  }
  if (penDirty_) {
    RebuildPen();
    painter_.setPen(pen_);
    penDirty_ = false;
  }
  if (brushDirty_) {
    RebuildBrush();
    painter_.setBrush(brush_);
    brushDirty_ = false;
  }
  return painter_;
}

void QtCanvas::Changed() {
  ++generation_;
  if (changed_) changed_();
}

void QtCanvas::RebuildPen() {
  pen_ = QPen(PenStyles[InTable(penStyle_, PenStyles) ? penStyle_ : psSolid]);
  pen_.setColor(ToQColor(penColor_));
  pen_.setWidth(std::max(penWidth_, 1));
  pen_.setCapStyle(penWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen_.setJoinStyle(Qt::RoundJoin);
}

void QtCanvas::RebuildBrush() {
  brush_ = QBrush(ToQColor(brushColor_), BrushStyles[brushStyle_]);
}

void QtCanvas::SetPenColor(ColorValue color) {
  penColor_ = color;
  penDirty_ = true;
}

void QtCanvas::SetPenStyle(int style) {
  penStyle_ = style;
  penDirty_ = true;
}

void QtCanvas::SetPenMode(int mode) {
  penMode_ = mode;
}

void QtCanvas::SetPenWidth(int width) {
  penWidth_ = width;
  penDirty_ = true;
}

void QtCanvas::SetBrushColor(ColorValue color) {
  brushColor_ = color;
  if (brushStyle_ == bsClear) brushStyle_ = bsSolid;
  brushDirty_ = true;
}

void QtCanvas::SetBrushStyle(int style) {
  // A number outside the canvas's styles has no meaning: keep the brush.
  if (!InTable(style, BrushStyles)) return;
  brushStyle_ = style;
  brushDirty_ = true;
}

void QtCanvas::SetFontName(const std::string& name) {
  if (name.empty()) return;  // keeps the current face
  const int points = font_.pointSize();
  if (name == "Default") {
    font_ = QGuiApplication::font();
  } else {
    font_.setFamilies({QString::fromStdString(name)});
  }
  font_.setPointSize(points);
  // Text in the exact font colour, like every other pixel the layer draws.
  font_.setStyleStrategy(QFont::NoAntialias);
}

void QtCanvas::SetFontSize(int points) {
  // The projection labels ask for 1 point; like the bitmap faces of old desktops,
  // text never gets smaller than a legible 6 points (8 pixels).
  font_.setPointSize(std::max(points, kSmallestFontPoints));
}

void QtCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  penPos_ = QPointF(x, y);
}

void QtCanvas::LineTo(std::int32_t x, std::int32_t y) {
  const QPointF to(x, y);
  QPainter& p = Painter();
  p.setCompositionMode(PenModes[InTable(penMode_, PenModes) ? penMode_ : pmCopy]);
  p.drawLine(QLineF(penPos_, to));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  penPos_ = to;
  Changed();
}

void QtCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  QPainter& p = Painter();
  p.setCompositionMode(PenModes[InTable(penMode_, PenModes) ? penMode_ : pmCopy]);
  p.drawEllipse(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  Changed();
}

void QtCanvas::Polygon(const std::vector<CanvasPoint>& points) {
  if (points.empty()) return;
  QPolygonF polygon;
  polygon.reserve(static_cast<int>(points.size()));
  for (const CanvasPoint& pt : points) polygon << QPointF(pt.x, pt.y);
  QPainter& p = Painter();
  p.setCompositionMode(PenModes[InTable(penMode_, PenModes) ? penMode_ : pmCopy]);
  p.drawPolygon(polygon);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  Changed();
}

void QtCanvas::FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom) {
  // Inverted corners are normalised, as the old pattern fill did, so the glyph
  // row's first two bars (passed with x descending) still show as arrow shafts.
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const int l = ClampEdge(left, image_.width());
  const int t = ClampEdge(top, image_.height());
  const int r = ClampEdge(right, image_.width());
  const int b = ClampEdge(bottom, image_.height());
  if (r <= l || b <= t) return;
  QPainter& p = Painter();
  p.fillRect(QRect(l, t, r - l, b - t), p.brush());
  Changed();
}

void QtCanvas::SetPixel(std::int32_t x, std::int32_t y, ColorValue color) {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
  // The raster engine writes straight into the image, so the open painter and
  // direct pixel writes stay in step.
  reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = ToQColor(color).rgb();
  Changed();
}

void QtCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  // Text starting this far away cannot reach the image; Qt's int rectangles would
  // overflow there.
  constexpr std::int32_t Far = 1 << 20;
  if (x > image_.width() || y > image_.height() || x < -Far || y < -Far) return;
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QPainter& p = Painter();
  p.setFont(font_);
  const QFontMetrics metrics = p.fontMetrics();
  if (brushStyle_ == bsSolid) {
    p.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), ToQColor(brushColor_));
  }
  p.setPen(ToQColor(fontColor_));
  p.drawText(QPointF(x, static_cast<double>(y) + metrics.ascent()), s);
  penDirty_ = true;  // the text colour replaced the pen
  Changed();
}

void QtCanvas::Refresh() {
  // Pen, brush and font are selected afresh on the next drawing call.
  penDirty_ = brushDirty_ = true;
}

}  // namespace delgraph
