#include "app/SurfaceCanvas.h"

#include <algorithm>

using delgraph::CanvasPoint;
using delgraph::ColorValue;
using delgraph::QtCanvas;

namespace {

std::int32_t AsValue(ColorValue color) {
  return static_cast<std::int32_t>(color);
}

ColorValue AsColor(std::int32_t value) {
  return static_cast<ColorValue>(value);
}

}  // namespace

void TSurfaceCanvas::Keep(Op op, std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                          std::size_t extra) {
  if (!replaying_) calls_.push_back(Call{op, {a, b, c, d}, extra});
}

void TSurfaceCanvas::StartAfresh() {
  calls_.clear();
  texts_.clear();
  polygons_.clear();
  // The brush colour first: on a clear brush it makes the brush solid, and the
  // style that follows puts the real one back.
  Keep(Op::PenColor, AsValue(PenColor()));
  Keep(Op::PenStyle, PenStyle());
  Keep(Op::PenMode, PenMode());
  Keep(Op::PenWidth, PenWidth());
  Keep(Op::BrushColor, AsValue(BrushColor()));
  Keep(Op::BrushStyle, BrushStyle());
  Keep(Op::FontCharset, FontCharset());
  if (!fontName_.empty()) {
    texts_.push_back(fontName_);
    Keep(Op::FontName, 0, 0, 0, 0, texts_.size() - 1);
  }
  if (fontSize_ != 0) Keep(Op::FontSize, fontSize_);
  Keep(Op::FontColor, AsValue(FontColor()));
  Keep(Op::MoveTo, penX_, penY_);
}

void TSurfaceCanvas::Redraw(double scale) {
  SetScale(scale);
  replaying_ = true;
  for (const Call& call : calls_) Play(call);
  replaying_ = false;
}

void TSurfaceCanvas::Play(const Call& call) {
  const std::int32_t* v = call.v;
  switch (call.op) {
    case Op::PenColor:
      return QtCanvas::SetPenColor(AsColor(v[0]));
    case Op::PenStyle:
      return QtCanvas::SetPenStyle(v[0]);
    case Op::PenMode:
      return QtCanvas::SetPenMode(v[0]);
    case Op::PenWidth:
      return QtCanvas::SetPenWidth(v[0]);
    case Op::BrushColor:
      return QtCanvas::SetBrushColor(AsColor(v[0]));
    case Op::BrushStyle:
      return QtCanvas::SetBrushStyle(v[0]);
    case Op::FontCharset:
      return QtCanvas::SetFontCharset(v[0]);
    case Op::FontName:
      return QtCanvas::SetFontName(texts_[call.extra]);
    case Op::FontSize:
      return QtCanvas::SetFontSize(v[0]);
    case Op::FontColor:
      return QtCanvas::SetFontColor(AsColor(v[0]));
    case Op::MoveTo:
      return QtCanvas::MoveTo(v[0], v[1]);
    case Op::LineTo:
      return QtCanvas::LineTo(v[0], v[1]);
    case Op::Ellipse:
      return QtCanvas::Ellipse(v[0], v[1], v[2], v[3]);
    case Op::Polygon:
      return QtCanvas::Polygon(polygons_[call.extra]);
    case Op::FillRect:
      return QtCanvas::FillRect(v[0], v[1], v[2], v[3]);
    case Op::SetPixel:
      return QtCanvas::SetPixel(v[0], v[1], AsColor(v[2]));
    case Op::TextOut:
      return QtCanvas::TextOut(v[0], v[1], texts_[call.extra]);
    case Op::Refresh:
      return QtCanvas::Refresh();
  }
}

void TSurfaceCanvas::SetPenColor(ColorValue color) {
  QtCanvas::SetPenColor(color);
  Keep(Op::PenColor, AsValue(color));
}

void TSurfaceCanvas::SetPenStyle(int style) {
  QtCanvas::SetPenStyle(style);
  Keep(Op::PenStyle, style);
}

void TSurfaceCanvas::SetPenMode(int mode) {
  QtCanvas::SetPenMode(mode);
  Keep(Op::PenMode, mode);
}

void TSurfaceCanvas::SetPenWidth(int width) {
  QtCanvas::SetPenWidth(width);
  Keep(Op::PenWidth, width);
}

void TSurfaceCanvas::SetBrushColor(ColorValue color) {
  QtCanvas::SetBrushColor(color);
  Keep(Op::BrushColor, AsValue(color));
}

void TSurfaceCanvas::SetBrushStyle(int style) {
  QtCanvas::SetBrushStyle(style);
  Keep(Op::BrushStyle, style);
}

void TSurfaceCanvas::SetFontCharset(int charset) {
  QtCanvas::SetFontCharset(charset);
  Keep(Op::FontCharset, charset);
}

void TSurfaceCanvas::SetFontName(const std::string& name) {
  QtCanvas::SetFontName(name);
  if (name.empty()) return;  // keeps the face: nothing to draw again
  fontName_ = name;
  texts_.push_back(name);
  Keep(Op::FontName, 0, 0, 0, 0, texts_.size() - 1);
}

void TSurfaceCanvas::SetFontSize(int points) {
  QtCanvas::SetFontSize(points);
  fontSize_ = points;
  Keep(Op::FontSize, points);
}

void TSurfaceCanvas::SetFontColor(ColorValue color) {
  QtCanvas::SetFontColor(color);
  Keep(Op::FontColor, AsValue(color));
}

void TSurfaceCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  QtCanvas::MoveTo(x, y);
  penX_ = x;
  penY_ = y;
  Keep(Op::MoveTo, x, y);
}

void TSurfaceCanvas::LineTo(std::int32_t x, std::int32_t y) {
  QtCanvas::LineTo(x, y);
  penX_ = x;
  penY_ = y;
  Keep(Op::LineTo, x, y);
}

void TSurfaceCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  QtCanvas::Ellipse(x1, y1, x2, y2);
  Keep(Op::Ellipse, x1, y1, x2, y2);
}

void TSurfaceCanvas::Polygon(const std::vector<CanvasPoint>& points) {
  QtCanvas::Polygon(points);
  polygons_.push_back(points);
  Keep(Op::Polygon, 0, 0, 0, 0, polygons_.size() - 1);
}

void TSurfaceCanvas::FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom) {
  // A solid fill over the whole surface hides everything drawn before it, so the
  // kept calls never grow beyond one picture's worth.
  const bool covers = BrushStyle() == delgraph::bsSolid && std::min(left, right) <= 0 &&
                      std::min(top, bottom) <= 0 && std::max(left, right) >= SurfaceWidth() &&
                      std::max(top, bottom) >= SurfaceHeight();
  if (covers) StartAfresh();
  QtCanvas::FillRect(left, top, right, bottom);
  Keep(Op::FillRect, left, top, right, bottom);
}

void TSurfaceCanvas::SetPixel(std::int32_t x, std::int32_t y, ColorValue color) {
  QtCanvas::SetPixel(x, y, color);
  Keep(Op::SetPixel, x, y, AsValue(color));
}

void TSurfaceCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  QtCanvas::TextOut(x, y, text);
  texts_.push_back(text);
  Keep(Op::TextOut, x, y, 0, 0, texts_.size() - 1);
}

void TSurfaceCanvas::Refresh() {
  QtCanvas::Refresh();
  Keep(Op::Refresh);
}
