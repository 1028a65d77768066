#include "app/SurfaceCanvas.h"

#include <algorithm>
#include <cstddef>
#include <utility>

using delgraph::CanvasPoint;
using delgraph::ColorValue;

namespace {

std::int32_t AsValue(ColorValue color) {
  return static_cast<std::int32_t>(color);
}

ColorValue AsColor(std::int32_t value) {
  return static_cast<ColorValue>(value);
}

bool SamePoints(const std::vector<CanvasPoint>& a, const std::vector<CanvasPoint>& b) {
  return std::equal(
      a.begin(), a.end(), b.begin(), b.end(),
      [](const CanvasPoint& p, const CanvasPoint& q) { return p.x == q.x && p.y == q.y; });
}

}  // namespace

void TSurfaceCanvas::Sequence::Clear() {
  calls.clear();
  texts.clear();
  polygons.clear();
  fonts.clear();
}

TSurfaceCanvas::Call TSurfaceCanvas::Make(Op op, std::int32_t a, std::int32_t b, std::int32_t c,
                                          std::int32_t d) {
  return Call{op, {a, b, c, d}, 0, 0};
}

void TSurfaceCanvas::SetChangedCallback(std::function<void()> callback) {
  changed_ = callback;
  canvas_.SetChangedCallback(std::move(callback));
}

const QImage& TSurfaceCanvas::Image() {
  if (waiting_) CatchUp(now_.calls.size());
  return canvas_.Image();
}

bool TSurfaceCanvas::SameAsPrevious(const Call& call, std::size_t at) {
  const Call& before = previous_.calls[at];
  if (before.op != call.op) return false;
  switch (call.op) {
    case Op::MoveTo:
      if (at == startMove_) {
        startMoved_ = before.v[0] != call.v[0] || before.v[1] != call.v[1];
        return true;
      }
      startMoved_ = false;  // the starting place no longer counts
      break;
    case Op::LineTo:
      if (startMoved_) return false;  // this line starts where the two differ
      break;
    default:
      break;
  }
  switch (call.op) {
    case Op::FontName:
      return previous_.texts[before.extra] == now_.texts[call.extra];
    case Op::TextOut:
      return before.v[0] == call.v[0] && before.v[1] == call.v[1] &&
             previous_.texts[before.extra] == now_.texts[call.extra] &&
             previous_.fonts[before.font] == now_.fonts[call.font];
    case Op::Polygon:
      return SamePoints(previous_.polygons[before.extra], now_.polygons[call.extra]);
    default:
      return std::equal(std::begin(call.v), std::end(call.v), std::begin(before.v));
  }
}

void TSurfaceCanvas::Arrive(Call call, const std::string* text,
                            const std::vector<CanvasPoint>* polygon) {
  if (text != nullptr) {
    now_.texts.push_back(*text);
    call.extra = now_.texts.size() - 1;
  }
  if (polygon != nullptr) {
    now_.polygons.push_back(*polygon);
    call.extra = now_.polygons.size() - 1;
  }
  if (call.op == Op::TextOut) {
    // The settings before it are in force already: this is the font it is drawn in.
    if (now_.fonts.empty() || !(now_.fonts.back() == canvas_.Font()))
      now_.fonts.push_back(canvas_.Font());
    call.font = now_.fonts.size() - 1;
  }
  const std::size_t at = now_.calls.size();
  now_.calls.push_back(call);
  if (comparing_) {
    if (at < previous_.calls.size() && SameAsPrevious(call, at)) {
      if (waiting_) {
        Play(call, false);
        if (at + 1 == cachedLength_) {
          // Everything the kept picture shows has come again: it is the picture.
          // Only what was drawn over it since is taken back.
          canvas_.PutBackChanges(cached_);
          waiting_ = false;
        }
        return;
      }
    } else {
      // The two sequences part here: what came before is their common picture.
      if (waiting_) CatchUp(at);
      if (at != cachedLength_) {
        cached_ = canvas_.Image();
        canvas_.ForgetChanges();
        cachedLength_ = at;
        cachedScale_ = Scale();
      }
      comparing_ = false;
    }
  }
  Play(call, true);
}

void TSurfaceCanvas::CatchUp(std::size_t count) {
  waiting_ = false;
  for (std::size_t i = 0; i < count; ++i) Play(now_.calls[i], true);
}

void TSurfaceCanvas::StartAfresh() {
  if (comparing_) {
    // The sequence that ends here agreed with the one before all along.
    if (waiting_) CatchUp(now_.calls.size());
    if (now_.calls.size() != cachedLength_) {
      cached_ = canvas_.Image();
      canvas_.ForgetChanges();
      cachedLength_ = now_.calls.size();
      cachedScale_ = Scale();
    }
  }
  std::swap(previous_, now_);
  now_.Clear();
  comparing_ = true;
  waiting_ = cachedLength_ > 0 && cachedScale_ == Scale();
  // The brush colour first: on a clear brush it makes the brush solid, and the
  // style that follows puts the real one back.
  Arrive(Make(Op::PenColor, AsValue(canvas_.PenColor())));
  Arrive(Make(Op::PenStyle, canvas_.PenStyle()));
  Arrive(Make(Op::PenMode, canvas_.PenMode()));
  Arrive(Make(Op::PenWidth, canvas_.PenWidth()));
  Arrive(Make(Op::BrushColor, AsValue(canvas_.BrushColor())));
  Arrive(Make(Op::BrushStyle, canvas_.BrushStyle()));
  Arrive(Make(Op::FontCharset, canvas_.FontCharset()));
  if (!fontName_.empty()) Arrive(Make(Op::FontName), &fontName_);
  if (fontSize_ != 0) Arrive(Make(Op::FontSize, fontSize_));
  Arrive(Make(Op::FontColor, AsValue(canvas_.FontColor())));
  if (clipRect_[2] > clipRect_[0] && clipRect_[3] > clipRect_[1])
    Arrive(Make(Op::ClipRect, clipRect_[0], clipRect_[1], clipRect_[2], clipRect_[3]));
  startMove_ = now_.calls.size();
  startMoved_ = false;
  Arrive(Make(Op::MoveTo, penX_, penY_));
}

void TSurfaceCanvas::Redraw(double scale) {
  canvas_.SetScale(scale);
  // The calls bring back any cut they were drawn under, from none at their start.
  canvas_.SetClipRect(0, 0, 0, 0);
  waiting_ = false;
  for (const Call& call : now_.calls) Play(call, true);
  // A kept picture of another scale is of no use now.
  if (cachedScale_ != scale) {
    cached_ = QImage();
    cachedLength_ = 0;
  }
}

void TSurfaceCanvas::Play(const Call& call, bool draw) {
  const std::int32_t* v = call.v;
  switch (call.op) {
    case Op::PenColor:
      return canvas_.SetPenColor(AsColor(v[0]));
    case Op::PenStyle:
      return canvas_.SetPenStyle(v[0]);
    case Op::PenMode:
      return canvas_.SetPenMode(v[0]);
    case Op::PenWidth:
      return canvas_.SetPenWidth(v[0]);
    case Op::BrushColor:
      return canvas_.SetBrushColor(AsColor(v[0]));
    case Op::BrushStyle:
      return canvas_.SetBrushStyle(v[0]);
    case Op::FontCharset:
      return canvas_.SetFontCharset(v[0]);
    case Op::FontName:
      return canvas_.SetFontName(now_.texts[call.extra]);
    case Op::FontSize:
      return canvas_.SetFontSize(v[0]);
    case Op::FontColor:
      return canvas_.SetFontColor(AsColor(v[0]));
    case Op::MoveTo:
      return canvas_.MoveTo(v[0], v[1]);
    case Op::Refresh:
      return canvas_.Refresh();
    case Op::ClipRect:
      return canvas_.SetClipRect(v[0], v[1], v[2], v[3]);
    default:
      break;
  }
  if (!draw) {
    // Drawn already in the kept picture; the pen still moves.
    if (call.op == Op::LineTo) canvas_.MoveTo(v[0], v[1]);
    ++followed_;
    if (changed_) changed_();
    return;
  }
  switch (call.op) {
    case Op::LineTo:
      return canvas_.LineTo(v[0], v[1]);
    case Op::Ellipse:
      return canvas_.Ellipse(v[0], v[1], v[2], v[3]);
    case Op::Polygon:
      return canvas_.Polygon(now_.polygons[call.extra]);
    case Op::FillRect:
      return canvas_.FillRect(v[0], v[1], v[2], v[3]);
    case Op::SetPixel:
      return canvas_.SetPixel(v[0], v[1], AsColor(v[2]));
    case Op::TextOut:
      return canvas_.TextOut(v[0], v[1], now_.texts[call.extra]);
    default:
      return;
  }
}

void TSurfaceCanvas::SetPenColor(ColorValue color) {
  Arrive(Make(Op::PenColor, AsValue(color)));
}

void TSurfaceCanvas::SetPenStyle(int style) {
  Arrive(Make(Op::PenStyle, style));
}

void TSurfaceCanvas::SetPenMode(int mode) {
  Arrive(Make(Op::PenMode, mode));
}

void TSurfaceCanvas::SetPenWidth(int width) {
  Arrive(Make(Op::PenWidth, width));
}

void TSurfaceCanvas::SetBrushColor(ColorValue color) {
  Arrive(Make(Op::BrushColor, AsValue(color)));
}

void TSurfaceCanvas::SetBrushStyle(int style) {
  Arrive(Make(Op::BrushStyle, style));
}

void TSurfaceCanvas::SetFontCharset(int charset) {
  Arrive(Make(Op::FontCharset, charset));
}

void TSurfaceCanvas::SetFontName(const std::string& name) {
  if (name.empty()) return;  // keeps the face: nothing changes
  fontName_ = name;
  Arrive(Make(Op::FontName), &name);
}

void TSurfaceCanvas::SetFontSize(int points) {
  fontSize_ = points;
  Arrive(Make(Op::FontSize, points));
}

void TSurfaceCanvas::SetFontColor(ColorValue color) {
  Arrive(Make(Op::FontColor, AsValue(color)));
}

void TSurfaceCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  penX_ = x;
  penY_ = y;
  Arrive(Make(Op::MoveTo, x, y));
}

void TSurfaceCanvas::LineTo(std::int32_t x, std::int32_t y) {
  penX_ = x;
  penY_ = y;
  Arrive(Make(Op::LineTo, x, y));
}

void TSurfaceCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  Arrive(Make(Op::Ellipse, x1, y1, x2, y2));
}

void TSurfaceCanvas::Polygon(const std::vector<CanvasPoint>& points) {
  Arrive(Make(Op::Polygon), nullptr, &points);
}

void TSurfaceCanvas::FillRect(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom) {
  // A solid fill over the whole surface hides everything drawn before it: a new
  // sequence starts, and what is kept never grows beyond one picture's worth.
  const bool covers = canvas_.BrushStyle() == delgraph::bsSolid && std::min(left, right) <= 0 &&
                      std::min(top, bottom) <= 0 && std::max(left, right) >= SurfaceWidth() &&
                      std::max(top, bottom) >= SurfaceHeight();
  if (covers) StartAfresh();
  Arrive(Make(Op::FillRect, left, top, right, bottom));
}

void TSurfaceCanvas::SetPixel(std::int32_t x, std::int32_t y, ColorValue color) {
  Arrive(Make(Op::SetPixel, x, y, AsValue(color)));
}

void TSurfaceCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
  Arrive(Make(Op::TextOut, x, y), &text);
}

void TSurfaceCanvas::Refresh() {
  Arrive(Make(Op::Refresh));
}

void TSurfaceCanvas::SetClipRect(std::int32_t left, std::int32_t top, std::int32_t right,
                                 std::int32_t bottom) {
  clipRect_[0] = left;
  clipRect_[1] = top;
  clipRect_[2] = right;
  clipRect_[3] = bottom;
  Arrive(Make(Op::ClipRect, left, top, right, bottom));
}
