#include "delgraph/QtCanvas.h"

#include "delgraph/Clip.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineF>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace delgraph {

namespace {

// Sizes below this are the projection labels' requests (they ask for 1 point).
constexpr int kSmallestFontPoints = 6;
// What those requests get: 16 pixels at 96 DPI, where the x-height of the
// common sans faces reaches 9 pixels, so even "a" and "b" read clearly at scale 1.
constexpr int kLabelPoints = 12;

// Far-away geometry (a point at 10^8, a trace millions of pixels off) is cut to
// the square |x|, |y| <= kFar surface pixels before it reaches the device: a
// raster engine overflows and a dash pattern runs for minutes there, and PDF
// viewers give up on paths that long. The square lies far outside every surface,
// so whatever is drawn inside it is drawn exactly as before.
constexpr double kFar = 16384.0;

bool InFarSquare(const QPointF& p) {
  return std::fabs(p.x()) <= kFar && std::fabs(p.y()) <= kFar;
}

// The part of the segment inside the far square (Liang-Barsky); false when none.
bool ClipToFarSquare(QLineF& line) {
  if (InFarSquare(line.p1()) && InFarSquare(line.p2())) return true;
  const double ax = line.x1(), ay = line.y1(), dx = line.dx(), dy = line.dy();
  double t0 = 0.0, t1 = 1.0;
  if (!ClipSegment(ax, ay, dx, dy, -kFar, -kFar, kFar, kFar, t0, t1)) return false;
  line = QLineF(ax + t0 * dx, ay + t0 * dy, ax + t1 * dx, ay + t1 * dy);
  return true;
}

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

// psLongDash, in pen widths: 2 mm dashes, 1 mm gaps on a screen of 96 dpi.
constexpr qreal kLongDashOn = 8.0;
constexpr qreal kLongDashOff = 4.0;

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

QtCanvas::QtCanvas(int width, int height) : QtCanvas(width, height, 1.0) {}

QtCanvas::QtCanvas(int width, int height, double scale)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
  if (!(scale > 0.0)) scale = 1.0;
  image_ = QImage(static_cast<int>(std::ceil(width_ * scale)),
                  static_cast<int>(std::ceil(height_ * scale)), QImage::Format_RGB32);
  image_.setDotsPerMeterX(DotsPerMeter96);
  image_.setDotsPerMeterY(DotsPerMeter96);
  image_.fill(Qt::white);
  device_ = &image_;
  direct_ = scale == 1.0;
  transform_ = QTransform::fromScale(scale, scale);
  font_ = QGuiApplication::font();
  font_.setPointSize(fontPoints_);
  font_.setStyleStrategy(QFont::NoAntialias);
}

QtCanvas::QtCanvas(QPaintDevice* device, const QRectF& target, const QRectF& source)
    : device_(device), ownsDevice_(false), finished_(device == nullptr), direct_(false) {
  MapSurface(target, source);
}

QtCanvas::QtCanvas(QPainter* painter, const QRectF& target, const QRectF& source)
    : device_(painter != nullptr ? painter->device() : nullptr),
      external_(painter),
      ownsDevice_(false),
      finished_(device_ == nullptr),
      direct_(false) {
  MapSurface(target, source);
}

void QtCanvas::MapSurface(const QRectF& target, const QRectF& source) {
  width_ = std::max(1, static_cast<int>(std::ceil(source.right())));
  height_ = std::max(1, static_cast<int>(std::ceil(source.bottom())));
  clip_ = source;
  if (!source.isEmpty()) {
    transform_ =
        QTransform::fromTranslate(-source.left(), -source.top()) *
        QTransform::fromScale(target.width() / source.width(), target.height() / source.height()) *
        QTransform::fromTranslate(target.left(), target.top());
  }
  // Font points mean 96 DPI whatever the device's resolution.
  const int dpi = device_ != nullptr ? device_->logicalDpiY() : 96;
  if (dpi > 0 && dpi != 96) fontScale_ = 96.0 / dpi;
  font_ = QGuiApplication::font();
  ApplyFontSize();
  font_.setStyleStrategy(QFont::NoAntialias);
}

QtCanvas::~QtCanvas() {
  Finish();
}

const QImage& QtCanvas::Image() const {
  EndPainting();
  return image_;
}

void QtCanvas::SetScale(double scale) {
  if (!ownsDevice_) return;
  if (!(scale > 0.0)) scale = 1.0;
  EndPainting();
  image_ = QImage(static_cast<int>(std::ceil(width_ * scale)),
                  static_cast<int>(std::ceil(height_ * scale)), QImage::Format_RGB32);
  image_.setDotsPerMeterX(DotsPerMeter96);
  image_.setDotsPerMeterY(DotsPerMeter96);
  image_.fill(Qt::white);
  direct_ = scale == 1.0;
  transform_ = QTransform::fromScale(scale, scale);
  penDirty_ = brushDirty_ = true;
  allChanged_ = true;
}

void QtCanvas::RequireSameImage(const QImage& picture) const {
  // Only a copy of this image at this scale can be put back: anything else is a
  // fault of the caller, and copying it would write past the image.
  if (picture.size() == image_.size() && picture.format() == image_.format()) return;
  qFatal("QtCanvas: a picture of %dx%d put back on an image of %dx%d", picture.width(),
         picture.height(), image_.width(), image_.height());
}

void QtCanvas::SetPicture(const QImage& picture) {
  if (!ownsDevice_) return;
  RequireSameImage(picture);
  // Copied into the image's own pixels: sharing them would cost a fresh image
  // (allocated and copied) at the next drawing anyway.
  if (!image_.isDetached()) {
    EndPainting();
    image_ = QImage(picture.size(), picture.format());
    image_.setDotsPerMeterX(DotsPerMeter96);
    image_.setDotsPerMeterY(DotsPerMeter96);
  }
  std::memcpy(image_.bits(), picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes()));
  if (tracking_) ForgetChanges();
  Changed();
}

void QtCanvas::ForgetChanges() {
  if (!ownsDevice_) return;
  tracking_ = true;
  allChanged_ = false;
  tileColumns_ = (image_.width() + kTile - 1) / kTile;
  tileRows_ = (image_.height() + kTile - 1) / kTile;
  changedTiles_.assign(static_cast<std::size_t>(tileColumns_) * tileRows_, 0);
}

void QtCanvas::PutBackChanges(const QImage& picture) {
  if (!ownsDevice_) return;
  RequireSameImage(picture);
  if (!tracking_ || allChanged_) return SetPicture(picture);
  const std::size_t depth = 4;  // RGB32
  const qsizetype toLine = image_.bytesPerLine();
  const qsizetype fromLine = picture.bytesPerLine();
  uchar* to = nullptr;  // taken only when there is something to put back
  const uchar* const from = picture.constBits();
  std::vector<std::pair<int, int>> runs;  // changed tiles of one row: first, last + 1
  for (int row = 0; row < tileRows_; ++row) {
    const std::uint8_t* const tiles = &changedTiles_[static_cast<std::size_t>(row) * tileColumns_];
    runs.clear();
    for (int column = 0; column < tileColumns_; ++column) {
      if (tiles[column] == 0) continue;
      if (!runs.empty() && runs.back().second == column)
        runs.back().second = column + 1;
      else
        runs.emplace_back(column, column + 1);
    }
    if (runs.empty()) continue;
    if (to == nullptr) to = image_.bits();
    // Line by line, so both images are read in address order.
    const int bottom = std::min((row + 1) * kTile, image_.height());
    for (int y = row * kTile; y < bottom; ++y) {
      for (const auto& [first, end] : runs) {
        const std::size_t left = static_cast<std::size_t>(first) * kTile * depth;
        const std::size_t right =
            static_cast<std::size_t>(std::min(end * kTile, image_.width())) * depth;
        std::memcpy(to + y * toLine + left, from + y * fromLine + left, right - left);
      }
    }
  }
  std::fill(changedTiles_.begin(), changedTiles_.end(), 0);
  Changed();
}

void QtCanvas::MarkDevice(const QRectF& box) {
  if (!tracking_ || allChanged_) return;
  MarkBox(box.left(), box.top(), box.right(), box.bottom());
}

void QtCanvas::MarkBox(double boxLeft, double boxTop, double boxRight, double boxBottom) {
  // Whole pixels the box touches, with one more on each side for rounding.
  const double left = std::max(std::floor(boxLeft) - 1.0, 0.0);
  const double top = std::max(std::floor(boxTop) - 1.0, 0.0);
  const double right = std::min(std::ceil(boxRight) + 1.0, image_.width() - 1.0);
  const double bottom = std::min(std::ceil(boxBottom) + 1.0, image_.height() - 1.0);
  if (!(left <= right && top <= bottom)) return;  // outside the image (or NaN)
  const int c0 = static_cast<int>(left) / kTile, c1 = static_cast<int>(right) / kTile;
  const int r0 = static_cast<int>(top) / kTile, r1 = static_cast<int>(bottom) / kTile;
  for (int r = r0; r <= r1; ++r)
    std::fill_n(&changedTiles_[static_cast<std::size_t>(r) * tileColumns_ + c0], c1 - c0 + 1, 1);
}

void QtCanvas::MarkSurface(const QRectF& box, double pad) {
  if (!tracking_ || allChanged_) return;
  MarkDevice(transform_.mapRect(box.normalized().adjusted(-pad, -pad, pad, pad)));
}

void QtCanvas::MarkLine(const QLineF& line) {
  if (!tracking_ || allChanged_) return;
  // Half the pen, its caps and joins, and a margin.
  const double pad = (std::max(penWidth_, 1) + 2) * std::max(Scale(), 1.0);
  const QLineF device = transform_.map(line);
  // Only the part over the image (grown by the pad) can change a pixel.
  const double ax = device.x1(), ay = device.y1(), dx = device.dx(), dy = device.dy();
  double t0 = 0.0, t1 = 1.0;
  if (!ClipSegment(ax, ay, dx, dy, -pad, -pad, image_.width() + pad, image_.height() + pad, t0, t1))
    return;
  // A long slanted line in short pieces, each marking only the tiles around it.
  const double length = std::max(std::fabs(dx), std::fabs(dy)) * (t1 - t0);
  const int pieces = std::max(1, static_cast<int>(std::ceil(length / kTile)));
  for (int i = 0; i < pieces; ++i) {
    const double s0 = t0 + (t1 - t0) * i / pieces, s1 = t0 + (t1 - t0) * (i + 1) / pieces;
    const double x0 = ax + s0 * dx, y0 = ay + s0 * dy, x1 = ax + s1 * dx, y1 = ay + s1 * dy;
    MarkBox(std::min(x0, x1) - pad, std::min(y0, y1) - pad, std::max(x0, x1) + pad,
            std::max(y0, y1) + pad);
  }
}

void QtCanvas::Finish() {
  PlaceLabels();
  if (external_ != nullptr) {
    if (externalSaved_) external_->restore();
    externalSaved_ = false;
  } else if (painter_.isActive()) {
    painter_.end();
  }
  if (!ownsDevice_) finished_ = true;
}

QColor QtCanvas::ToQColor(ColorValue color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

ColorValue QtCanvas::FromQRgb(QRgb rgb) {
  return MakeColorValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void QtCanvas::EndPainting() const {
  // A device canvas keeps its painter open: ending it would end the document.
  if (ownsDevice_ && painter_.isActive()) painter_.end();
}

void QtCanvas::SetUpPainter(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setBackgroundMode(Qt::TransparentMode);
  fontSelected_ = false;
  // On a caller's painter the surface lands inside whatever mapping it has.
  const bool combine = external_ != nullptr;
  if (!transform_.isIdentity()) p.setWorldTransform(transform_, combine);
  ClipPainter(p, combine);
  penDirty_ = brushDirty_ = true;
}

void QtCanvas::ClipPainter(QPainter& p, bool combine) const {
  Qt::ClipOperation operation = combine ? Qt::IntersectClip : Qt::ReplaceClip;
  if (!clip_.isEmpty()) {
    p.setClipRect(clip_, operation);
    operation = Qt::IntersectClip;
  }
  if (!cut_.isEmpty())
    p.setClipRect(cut_, operation);
  else if (operation == Qt::ReplaceClip && ownsDevice_ && direct_)
    // The image's own bounds: Qt strokes thin lines about twice as fast inside a
    // rectangle clip as with none, to the same pixels.
    p.setClipRect(image_.rect());
  else if (operation == Qt::ReplaceClip)
    p.setClipping(false);
}

void QtCanvas::SetClipRect(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom) {
  const auto near = [](std::int32_t v) { return std::clamp<double>(v, -kFar, kFar); };
  const QRectF cut = right > left && bottom > top ? QRectF(QPointF(near(left), near(top)),
                                                           QPointF(near(right), near(bottom)))
                                                  : QRectF();
  if (cut == cut_) return;
  cut_ = cut;
  if (external_ != nullptr) {
    // The caller's painter gets its own clip back first, then the new cut on it.
    if (externalSaved_) {
      external_->restore();
      external_->save();
      SetUpPainter(*external_);
    }
  } else if (painter_.isActive()) {
    ClipPainter(painter_, false);
  }
}

QPainter* QtCanvas::Painter() {
  if (finished_) return nullptr;
  if (external_ != nullptr) {
    if (!external_->isActive()) return nullptr;
    if (!externalSaved_) {
      external_->save();
      externalSaved_ = true;
      SetUpPainter(*external_);
    }
  } else if (!painter_.isActive()) {
    // A device that cannot be painted on (a PDF file that cannot be opened) takes
    // no drawing at all; its owner reports the failure.
    if (!painter_.begin(device_)) {
      finished_ = true;
      return nullptr;
    }
    SetUpPainter(painter_);
  }
  QPainter& painter = external_ != nullptr ? *external_ : painter_;
  if (penDirty_) {
    RebuildPen();
    painter.setPen(pen_);
    penDirty_ = false;
  }
  if (brushDirty_) {
    RebuildBrush();
    painter.setBrush(brush_);
    brushDirty_ = false;
  }
  return &painter;
}

void QtCanvas::Changed() {
  ++generation_;
  if (changed_) changed_();
}

void QtCanvas::RebuildPen() {
  // Lines come in runs of one pen; a text only took the painter's pen away.
  if (penMadeStyle_ == penStyle_ && penMadeWidth_ == penWidth_ && penMadeColor_ == penColor_)
    return;
  penMadeStyle_ = penStyle_;
  penMadeWidth_ = penWidth_;
  penMadeColor_ = penColor_;
  pen_ = QPen(PenStyles[InTable(penStyle_, PenStyles) ? penStyle_ : psSolid]);
  pen_.setColor(ToQColor(penColor_));
  pen_.setWidth(std::max(penWidth_, 1));
  pen_.setCapStyle(penWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap);
  if (penStyle_ == psLongDash) {
    // Flat ends keep the gaps as long as the pattern says at every scale.
    pen_.setDashPattern({kLongDashOn, kLongDashOff});
    pen_.setCapStyle(Qt::FlatCap);
  }
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

void QtCanvas::ApplyFontSize() {
  if (fontScale_ == 1.0) {
    font_.setPointSize(fontPoints_);
  } else {
    font_.setPointSizeF(fontPoints_ * fontScale_);
  }
}

void QtCanvas::SetFontName(const std::string& name) {
  if (name.empty()) return;  // keeps the current face
  if (name == "Default") {
    font_ = QGuiApplication::font();
  } else {
    font_.setFamilies({QString::fromStdString(name)});
  }
  ApplyFontSize();
  // Text in the exact font colour, like every other pixel the layer draws.
  font_.setStyleStrategy(QFont::NoAntialias);
  current_ = nullptr;
  fontSelected_ = false;
}

void QtCanvas::SetFontSize(int points) {
  // The projection labels ask for 1 point; they get a size that reads on a
  // projected screen. Every other size stays as asked.
  fontPoints_ = points < kSmallestFontPoints ? kLabelPoints : points;
  ApplyFontSize();
  current_ = nullptr;
  fontSelected_ = false;
}

int QtCanvas::PenModeIndex() const {
  return InTable(penMode_, PenModes) ? penMode_ : pmCopy;
}

void QtCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  penPos_ = QPointF(x, y);
}

void QtCanvas::LineTo(std::int32_t x, std::int32_t y) {
  const QPointF to(x, y);
  QPainter* const painter = Painter();
  if (painter == nullptr) return;
  QPainter& p = *painter;
  QLineF line(penPos_, to);
  if (ClipToFarSquare(line)) {
    // A line the labels keep off: a figure's thick one above all.
    if (separateTexts_ && penStyle_ != psClear)
      strokes_.emplace_back(line, std::max(penWidth_, 1) / 2.0);
    p.setCompositionMode(PenModes[PenModeIndex()]);
    p.drawLine(line);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    MarkLine(line);
  }
  penPos_ = to;
  Changed();
}

const QImage* QtCanvas::RingSprite(int width, int height) {
  for (const Ring& r : rings_)
    if (r.width == width && r.height == height && r.pen == pen_) return &r.sprite;
  // The same pen on a transparent image: every pixel it sets is opaque.
  const int pad = penWidth_ + 2;
  Ring ring{width, height, pen_,
            QImage(width + 2 * pad + 1, height + 2 * pad + 1, QImage::Format_ARGB32_Premultiplied)};
  ring.sprite.fill(Qt::transparent);
  QPainter p(&ring.sprite);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(pen_);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(QPointF(pad, pad), QPointF(pad + width, pad + height)));
  p.end();
  if (rings_.size() >= 4) rings_.erase(rings_.begin());
  rings_.push_back(std::move(ring));
  return &rings_.back().sprite;
}

void QtCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  QPainter* const painter = Painter();
  if (painter == nullptr) return;
  // A projection's ring marks a point that a label may be taken to name.
  if (separateTexts_)
    ringCentres_.emplace_back((static_cast<double>(x1) + x2) / 2.0,
                              (static_cast<double>(y1) + y2) / 2.0);
  QPainter& p = *painter;
  // The projections' rings: small, unfilled, copied, one pixel per pixel. Their
  // outline is the same at every whole-pixel place, so it is drawn once and then
  // put down where asked; stroking a wide pen costs more than the rest of a ring.
  constexpr std::int32_t kSpriteLimit = 64;
  if (direct_ && brushStyle_ == bsClear && PenModeIndex() == pmCopy && x2 >= x1 && y2 >= y1 &&
      std::int64_t{x2} - x1 <= kSpriteLimit && std::int64_t{y2} - y1 <= kSpriteLimit &&
      x1 > -(1 << 20) && x1 < (1 << 20) && y1 > -(1 << 20) && y1 < (1 << 20)) {
    const int pad = penWidth_ + 2;
    const QImage* const sprite = RingSprite(x2 - x1, y2 - y1);
    p.drawImage(QPoint(x1 - pad, y1 - pad), *sprite);
    MarkDevice(QRectF(x1 - pad, y1 - pad, sprite->width(), sprite->height()));
    Changed();
    return;
  }
  const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
  // A ring wholly outside the far square cannot show; a larger one is drawn whole.
  if (box.intersects(QRectF(QPointF(-kFar, -kFar), QPointF(kFar, kFar)))) {
    p.setCompositionMode(PenModes[PenModeIndex()]);
    p.drawEllipse(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    MarkSurface(box, std::max(penWidth_, 1) + 2);
  }
  Changed();
}

void QtCanvas::Polygon(const std::vector<CanvasPoint>& points) {
  if (points.empty()) return;
  QPolygonF polygon;
  polygon.reserve(static_cast<int>(points.size()));
  bool near = true;
  for (const CanvasPoint& pt : points) {
    polygon << QPointF(pt.x, pt.y);
    near = near && InFarSquare(polygon.back());
  }
  if (!near) polygon = polygon.intersected(QRectF(QPointF(-kFar, -kFar), QPointF(kFar, kFar)));
  QPainter* const painter = Painter();
  if (painter == nullptr) return;
  QPainter& p = *painter;
  p.setCompositionMode(PenModes[PenModeIndex()]);
  p.drawPolygon(polygon);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  MarkSurface(polygon.boundingRect(), std::max(penWidth_, 1) + 2);
  Changed();
}

void QtCanvas::FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom) {
  // Inverted corners are normalised, as the old pattern fill did, so the glyph
  // row's first two bars (passed with x descending) still show as arrow shafts.
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const int l = ClampEdge(left, width_);
  const int t = ClampEdge(top, height_);
  const int r = ClampEdge(right, width_);
  const int b = ClampEdge(bottom, height_);
  if (r <= l || b <= t) return;
  QPainter* const painter = Painter();
  if (painter == nullptr) return;
  QPainter& p = *painter;
  p.fillRect(QRect(l, t, r - l, b - t), p.brush());
  MarkSurface(QRectF(l, t, r - l, b - t), 0.0);
  Changed();
}

void QtCanvas::SetPixel(std::int32_t x, std::int32_t y, ColorValue color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  if (!cut_.isEmpty() && !cut_.contains(QPointF(x + 0.5, y + 0.5))) return;
  if (direct_) {
    // The raster engine writes straight into the image, so the open painter and
    // direct pixel writes stay in step.
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = ToQColor(color).rgb();
    MarkDevice(QRectF(x, y, 1.0, 1.0));
  } else {
    // One surface pixel: a square as large as the scale makes it.
    QPainter* const painter = Painter();
    if (painter == nullptr) return;
    painter->fillRect(QRectF(x, y, 1.0, 1.0), ToQColor(color));
    MarkSurface(QRectF(x, y, 1.0, 1.0), 0.0);
  }
  Changed();
}

std::int32_t QtCanvas::SeparatedTop(std::int32_t x, std::int32_t y, int width, int height) {
  // A text across the cut part stays inside it top to bottom where it can: a label
  // by the edge is moved in rather than cut.
  const bool keepIn = !clip_.isEmpty() && x < clip_.right() && x + width > clip_.left();
  const auto clear = [this, x, width, height, keepIn](std::int64_t top) {
    if (keepIn && (top < clip_.top() || top + height > clip_.bottom())) return false;
    const QRectF box(x, static_cast<double>(top), width, height);
    for (const QRectF& other : texts_)
      if (box.intersects(other)) return false;
    return true;
  };
  // Tried nearest first, down before up; a text with no room within three of its
  // heights stays where it was asked to go.
  std::int64_t top = y;
  for (int step = 0; step <= 6 * height; ++step) {
    const std::int64_t candidate = std::int64_t{y} + (step % 2 == 0 ? step / 2 : -(step / 2 + 1));
    if (clear(candidate)) {
      top = candidate;
      break;
    }
  }
  texts_.emplace_back(x, static_cast<double>(top), width, height);
  return static_cast<std::int32_t>(top);
}

void QtCanvas::LabelOut(std::int32_t anchorX, std::int32_t anchorY, std::int32_t x, std::int32_t y,
                        const std::string& text) {
  if (!separateTexts_) return TextOut(x, y, text);
  if (finished_) return;
  HeldLabel label;
  label.anchor = QPointF(anchorX, anchorY);
  label.at = QPoint(x, y);
  label.names = QStringList{QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))};
  label.font = font_;
  label.color = fontColor_;
  label.brushStyle = brushStyle_;
  label.brushColor = brushColor_;
  // Labels of one point, in one look, are one label.
  for (HeldLabel& held : labels_) {
    if (held.anchor != label.anchor || held.font != label.font || held.color != label.color)
      continue;
    if (!held.names.contains(label.names.front())) held.names << label.names.front();
    return;
  }
  labels_.push_back(std::move(label));
}

namespace {

// How far the point is from the box: 0 inside or on its edge.
double Distance(const QPointF& p, const QRectF& box) {
  const double dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
  const double dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
  return std::hypot(dx, dy);
}

// Whether the segment passes within `reach` of the box.
bool Crosses(const QLineF& line, const QRectF& box, double reach) {
  const QRectF grown = box.adjusted(-reach, -reach, reach, reach);
  double t0 = 0.0, t1 = 1.0;
  return ClipSegment(line.x1(), line.y1(), line.dx(), line.dy(), grown.left(), grown.top(),
                     grown.right(), grown.bottom(), t0, t1);
}

}  // namespace

QRectF QtCanvas::LabelBox(const QPointF& anchor, const QPointF& asked, double width, double height,
                          const std::vector<QPointF>& points) const {
  // Texts closer than this touch to the eye; a point closer than this to a label
  // sits under it (a ring reaches 4.5 pixels from its centre).
  constexpr double kTextGap = 2.0;
  constexpr double kPointGap = 4.5;
  // Where it may go: as asked, then the eight places around its point, near and
  // then a little farther.
  std::vector<QPointF> tops{asked};
  const double x = anchor.x(), y = anchor.y(), w = width, h = height;
  for (const double gap : {3.0, 3.0 + h / 2.0}) {
    tops.insert(tops.end(), {{x + gap, y},
                             {x + gap, y - h},
                             {x - gap - w, y},
                             {x - gap - w, y - h},
                             {x + gap, y - h / 2.0},
                             {x - gap - w, y - h / 2.0},
                             {x - w / 2.0, y + gap},
                             {x - w / 2.0, y - gap - h}});
  }
  const bool keepIn = !clip_.isEmpty() && clip_.contains(anchor);
  // A label flush with the edge loses its last glyph's edge (a prime) once the
  // page is rasterised: it keeps a text gap inside.
  const QRectF inside = clip_.adjusted(kTextGap, kTextGap, -kTextGap, -kTextGap);
  QRectF best;
  int bestCost = -1;
  for (const QPointF& top : tops) {
    const QRectF box(top, QSizeF(w, h));
    // Cut, taken for another point's, hiding or touching a text, on a thick line,
    // on a thin one: in that order of harm.
    int cost = keepIn && !inside.contains(box) ? 1000 : 0;
    const double own = Distance(anchor, box);
    for (const QPointF& p : points) {
      if (std::hypot(p.x() - x, p.y() - y) < 0.5) continue;  // its own point
      const double other = Distance(p, box);
      if (other <= own || other < kPointGap) cost += 100;
    }
    const QRectF apart = box.adjusted(-kTextGap, -kTextGap, kTextGap, kTextGap);
    for (const QRectF& text : texts_)
      if (apart.intersects(text)) cost += 10;
    for (const auto& [line, halfWidth] : strokes_)
      if (Crosses(line, box, halfWidth)) cost += halfWidth > 0.5 ? 10 : 1;
    if (bestCost < 0 || cost < bestCost) {
      best = box;
      bestCost = cost;
    }
    if (cost == 0) break;
  }
  return best;
}

void QtCanvas::PlaceLabels() {
  if (labels_.empty()) return;
  const std::vector<HeldLabel> labels = std::move(labels_);
  labels_.clear();
  std::vector<QPointF> points = ringCentres_;
  for (const HeldLabel& label : labels) points.push_back(label.anchor);
  // Drawn in their own look and given back.
  const QFont font = font_;
  const ColorValue color = fontColor_;
  const int brushStyle = brushStyle_;
  const ColorValue brushColor = brushColor_;
  const bool separate = separateTexts_;
  separateTexts_ = false;  // each is placed here
  for (const HeldLabel& label : labels) {
    QStringList names = label.names;
    std::sort(names.begin(), names.end());  // "a ≡ a'", "a' ≡ c'"
    const QString text = names.join(QStringLiteral(" \u2261 "));
    font_ = label.font;
    current_ = nullptr;
    fontSelected_ = false;
    QPainter* const painter = Painter();
    if (painter == nullptr) break;
    FontMeasures& measures = Measures(*painter);
    const QRectF box = LabelBox(label.anchor, label.at, Measure(measures, text).width,
                                measures.metrics.height(), points);
    texts_.push_back(box);
    fontColor_ = label.color;
    brushStyle_ = label.brushStyle;
    brushColor_ = label.brushColor;
    brushDirty_ = true;
    TextOut(static_cast<std::int32_t>(std::lround(box.left())),
            static_cast<std::int32_t>(std::lround(box.top())), text.toStdString());
  }
  separateTexts_ = separate;
  font_ = font;
  current_ = nullptr;
  fontSelected_ = false;
  fontColor_ = color;
  brushStyle_ = brushStyle;
  brushColor_ = brushColor;
  brushDirty_ = true;
}

void QtCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  // Text starting this far away cannot reach the image; Qt's int rectangles would
  // overflow there, and a file would carry it far off its page.
  if (x > width_ || y > height_ || x < -kFar || y < -kFar) return;
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QPainter* const painter = Painter();
  if (painter == nullptr) return;
  QPainter& p = *painter;
  FontMeasures& measures = Measures(p);
  const QFontMetrics& metrics = measures.metrics;
  const int height = metrics.height();
  TextMeasure& measure = Measure(measures, s);
  const int width = measure.width;
  if (separateTexts_) y = SeparatedTop(x, y, width, height);
  if (brushStyle_ == bsSolid) {
    p.fillRect(QRect(x, y, width, height), ToQColor(brushColor_));
    MarkSurface(QRectF(x, y, width, height), 0.0);
  }
  // The second time a text comes its glyphs are kept as a picture.
  bool drawn = false;
  if (direct_ && measure.uses >= 2) {
    if (!measure.spriteTried || measure.color != fontColor_)
      measure.spriteUsable = MakeSprite(measures, measure);
    if (measure.spriteUsable) {
      if (!measure.sprite.isNull()) {
        const QPoint corner = QPoint(x, y) + measure.corner;
        p.drawImage(corner, measure.sprite);
        MarkDevice(QRectF(corner, measure.sprite.size()));
      }
      drawn = true;
    }
  }
  if (!drawn) {
    p.setPen(ToQColor(fontColor_));
    p.drawText(QPointF(x, static_cast<double>(y) + metrics.ascent()), s);
    penDirty_ = true;  // the text colour replaced the pen
    // Glyphs may reach past the box (overhangs, accents): a line's height around it.
    MarkSurface(QRectF(x, y, width, height), height);
  }
  Changed();
}

std::int32_t QtCanvas::TextWidth(const std::string& text) {
  QPainter* const painter = Painter();
  if (painter == nullptr) return 0;
  // The metrics TextOut measures with, without counting a use of the text; kept, so
  // that the text drawn next is not shaped again.
  return Measure(Measures(*painter),
                 QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), false)
      .width;
}

QtCanvas::FontMeasures& QtCanvas::Measures(QPainter& p) {
  // The own painter keeps the font between texts; a caller's painter may have
  // been given another one since.
  if (!fontSelected_ || external_ != nullptr) {
    p.setFont(font_);
    fontSelected_ = true;
  }
  if (current_ != nullptr) return *current_;
  for (FontMeasures& m : measures_) {
    if (m.font == font_) return *(current_ = &m);
  }
  // The labels, the coordinates and the texts take a few sizes, so a few fonts.
  constexpr std::size_t kFonts = 6;
  FontMeasures fresh{font_, p.fontMetrics(), {}, 0};
  if (measures_.size() < kFonts) {
    measures_.push_back(std::move(fresh));
    return *(current_ = &measures_.back());
  }
  FontMeasures& replaced = measures_[nextMeasures_];
  nextMeasures_ = (nextMeasures_ + 1) % kFonts;
  replaced = std::move(fresh);
  return *(current_ = &replaced);
}

QtCanvas::TextMeasure& QtCanvas::Measure(FontMeasures& measures, const QString& text, bool use) {
  for (TextMeasure& known : measures.texts) {
    if (known.text == text) {
      if (use) known.uses = std::min(known.uses + 1, 2);
      return known;
    }
  }
  TextMeasure fresh;
  fresh.text = text;
  fresh.width = measures.metrics.horizontalAdvance(text);
  fresh.uses = use ? 1 : 0;
  constexpr std::size_t kTexts = 48;
  if (measures.texts.size() < kTexts) {
    measures.texts.push_back(std::move(fresh));
    return measures.texts.back();
  }
  TextMeasure& replaced = measures.texts[measures.nextText];
  measures.nextText = (measures.nextText + 1) % kTexts;
  replaced = std::move(fresh);
  return replaced;
}

bool QtCanvas::MakeSprite(const FontMeasures& measures, TextMeasure& text) {
  text.spriteTried = true;
  text.color = fontColor_;
  text.sprite = QImage();
  text.corner = QPoint();
  // Room for glyphs that reach past the text's box by up to a line's height.
  const int height = measures.metrics.height();
  QImage canvas(text.width + 2 * height + 1, 3 * height + 1, QImage::Format_ARGB32_Premultiplied);
  if (canvas.isNull()) return false;
  canvas.setDotsPerMeterX(DotsPerMeter96);
  canvas.setDotsPerMeterY(DotsPerMeter96);
  canvas.fill(Qt::transparent);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setFont(font_);
  p.setPen(ToQColor(fontColor_));
  p.drawText(QPointF(height, static_cast<double>(height) + measures.metrics.ascent()), text.text);
  p.end();
  // Only glyphs of whole pixels land the same on any background; and glyphs on
  // the margin may have been cut.
  int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x) {
      const int alpha = qAlpha(line[x]);
      if (alpha == 0) continue;
      if (alpha != 255) return false;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) {
    // No glyph pixel at all (blanks): nothing to draw.
    text.corner = QPoint();
    return true;
  }
  if (left == 0 || top == 0 || right == canvas.width() - 1 || bottom == canvas.height() - 1)
    return false;
  text.sprite = canvas.copy(left, top, right - left + 1, bottom - top + 1);
  text.corner = QPoint(left - height, top - height);
  return true;
}

void QtCanvas::Refresh() {
  // Pen, brush and font are selected afresh on the next drawing call.
  penDirty_ = brushDirty_ = true;
}

}  // namespace delgraph
