#include "app/SurfaceCanvas.h"

#include <algorithm>
#include <cstddef>
#include <utility>

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
}

TSurfaceCanvas::Call TSurfaceCanvas::Make(Op op, std::int32_t a, std::int32_t b, std::int32_t c,
                                          std::int32_t d) {
  return Call{op, {a, b, c, d}, 0};
}

void TSurfaceCanvas::SetChangedCallback(std::function<void()> callback) {
  changed_ = callback;
  QtCanvas::SetChangedCallback(std::move(callback));
}

const QImage& TSurfaceCanvas::Image() {
  if (waiting_) CatchUp(now_.calls.size());
  return QtCanvas::Image();
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
    case Op::TextOut:
      return before.v[0] == call.v[0] && before.v[1] == call.v[1] &&
             previous_.texts[before.extra] == now_.texts[call.extra];
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
  const std::size_t at = now_.calls.size();
  now_.calls.push_back(call);
  if (comparing_) {
    if (at < previous_.calls.size() && SameAsPrevious(call, at)) {
      if (waiting_) {
        Play(call, false);
        if (at + 1 == cachedLength_) {
          // Everything the kept picture shows has come again: it is the picture.
          // Only what was drawn over it since is taken back.
          PutBackChanges(cached_);
          waiting_ = false;
        }
        return;
      }
    } else {
      // The two sequences part here: what came before is their common picture.
      if (waiting_) CatchUp(at);
      if (at != cachedLength_) {
        cached_ = QtCanvas::Image();
        ForgetChanges();
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
      cached_ = QtCanvas::Image();
      ForgetChanges();
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
  Arrive(Make(Op::PenColor, AsValue(PenColor())));
  Arrive(Make(Op::PenStyle, PenStyle()));
  Arrive(Make(Op::PenMode, PenMode()));
  Arrive(Make(Op::PenWidth, PenWidth()));
  Arrive(Make(Op::BrushColor, AsValue(BrushColor())));
  Arrive(Make(Op::BrushStyle, BrushStyle()));
  Arrive(Make(Op::FontCharset, FontCharset()));
  if (!fontName_.empty()) Arrive(Make(Op::FontName), &fontName_);
  if (fontSize_ != 0) Arrive(Make(Op::FontSize, fontSize_));
  Arrive(Make(Op::FontColor, AsValue(FontColor())));
  startMove_ = now_.calls.size();
  startMoved_ = false;
  Arrive(Make(Op::MoveTo, penX_, penY_));
}

void TSurfaceCanvas::Redraw(double scale) {
  SetScale(scale);
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
      return QtCanvas::SetFontName(now_.texts[call.extra]);
    case Op::FontSize:
      return QtCanvas::SetFontSize(v[0]);
    case Op::FontColor:
      return QtCanvas::SetFontColor(AsColor(v[0]));
    case Op::MoveTo:
      return QtCanvas::MoveTo(v[0], v[1]);
    case Op::Refresh:
      return QtCanvas::Refresh();
    default:
      break;
  }
  if (!draw) {
    // Drawn already in the kept picture; the pen still moves.
    if (call.op == Op::LineTo) QtCanvas::MoveTo(v[0], v[1]);
    ++followed_;
    if (changed_) changed_();
    return;
  }
  switch (call.op) {
    case Op::LineTo:
      return QtCanvas::LineTo(v[0], v[1]);
    case Op::Ellipse:
      return QtCanvas::Ellipse(v[0], v[1], v[2], v[3]);
    case Op::Polygon:
      return QtCanvas::Polygon(now_.polygons[call.extra]);
    case Op::FillRect:
      return QtCanvas::FillRect(v[0], v[1], v[2], v[3]);
    case Op::SetPixel:
      return QtCanvas::SetPixel(v[0], v[1], AsColor(v[2]));
    case Op::TextOut:
      return QtCanvas::TextOut(v[0], v[1], now_.texts[call.extra]);
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
  const bool covers = BrushStyle() == delgraph::bsSolid && std::min(left, right) <= 0 &&
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
