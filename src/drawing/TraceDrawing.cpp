#include "drawing/TraceDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "delgraph/Clip.h"
#include "delgraph/delgraph.h"
#include "drawing/LineTraces.h"
#include "drawing/Projections.h"
#include "drawing/SeenAndHidden.h"

namespace drawing {

namespace {

constexpr std::int32_t kTraceColour = 4;  // red: rings, reference lines, labels
constexpr std::int32_t kBlackLine = 1;    // the line colour that DrawSceneLine makes black
constexpr std::uint16_t kRingRadius = 3;
// Labels sit up and right of their ring, clear of the end points' labels, which
// hang down and right from theirs.
constexpr std::int32_t kLabelDx = 5;
constexpr std::int32_t kLabelDy = -12;

// A trace may lie millions of pixels away, and would take its extension across the
// other view and the texts: what each view draws stays inside its panel (the space
// view's, or the flat view's frame, as the frame draws them in the 320 x 200 space).
// Lines are cut to it before they reach the canvas, rings and labels of points
// outside it are left out, and the canvas cuts the rest (a ring by the edge).
class ViewClip {
 public:
  enum View { kNone, kSpace, kFlat };
  explicit ViewClip(Painter& painter) : painter_(painter) {}
  ViewClip(const ViewClip&) = delete;
  ViewClip& operator=(const ViewClip&) = delete;
  ~ViewClip() {
    if (view_ != kNone) painter_.NoClip();
  }
  void To(View view) {
    if (view == view_) return;
    view_ = view;
    if (view == kSpace)
      Set(painter_.ScaleX(0), painter_.ScaleY(5), painter_.ScaleX(160), painter_.ScaleY(190));
    else
      Set(painter_.ScaleX(179), painter_.ScaleY(19), painter_.ScaleX(308), painter_.ScaleY(141));
  }
  bool Contains(SurfacePoint p) const {
    return p.x >= left_ && p.x <= right_ && p.y >= top_ && p.y <= bottom_;
  }
  // DrawLine, cut to the panel (Liang-Barsky); nothing when the segment misses it.
  void Line(SurfacePoint a, SurfacePoint b) const {
    if (Contains(a) && Contains(b)) {
      painter_.DrawLine(a.x, a.y, b.x, b.y);
      return;
    }
    const double ax = a.x, ay = a.y;
    const double dx = static_cast<double>(b.x) - ax, dy = static_cast<double>(b.y) - ay;
    double t0 = 0.0, t1 = 1.0;
    if (!delgraph::ClipSegment(ax, ay, dx, dy, left_, top_, right_, bottom_, t0, t1)) return;
    const auto px = [](double v) { return static_cast<std::int32_t>(std::lround(v)); };
    painter_.DrawLine(px(ax + t0 * dx), px(ay + t0 * dy), px(ax + t1 * dx), px(ay + t1 * dy));
  }

 private:
  void Set(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    left_ = std::min(x1, x2);
    right_ = std::max(x1, x2);
    top_ = std::min(y1, y2);
    bottom_ = std::max(y1, y2);
    painter_.ClipToBar(left_, top_, right_, bottom_);
  }
  Painter& painter_;
  View view_ = kNone;
  std::int32_t left_ = 0, top_ = 0, right_ = -1, bottom_ = -1;
};

void Ring(Painter& painter, SurfacePoint p, const ViewClip& clip) {
  if (!clip.Contains(p)) return;
  painter.SetLineStyle(delgraph::psSolid, 0, 3);
  painter.DrawCircle(p.x, p.y, kRingRadius);
}

void Label(Painter& painter, SurfacePoint p, const char* text, const ViewClip& clip) {
  if (!clip.Contains(p)) return;
  painter.DrawLabel(p.x, p.y, p.x + kLabelDx, p.y + kLabelDy, text);
}

// One trace: P is where it lands, near the end point it lies beyond (if any). In
// the flat view P.h and P.v are its projections (for H, h and h' on the ground
// line; for V, v on the ground line and v'), joined by a reference line.
struct TraceNames {
  const char* space;
  const char* onHorizontalProjection;
  const char* onVerticalProjection;
};

// With "Partes vistas y ocultas" on, the extension to a trace is solid where seen.
void DrawSplitExtension(Painter& painter, const std::vector<LinePiece>& pieces, ViewClip& clip) {
  for (const LinePiece& piece : pieces) {
    painter.SetLineStyle(piece.seen ? delgraph::psSolid : delgraph::psDash, 0, 1);
    clip.To(ViewClip::kSpace);
    clip.Line(piece.from.S, piece.to.S);
    clip.To(ViewClip::kFlat);
    clip.Line(piece.from.h, piece.to.h);
    clip.Line(piece.from.v, piece.to.v);
  }
}

void DrawTrace(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
               const LineTrace& trace, LineStation station, const EndPointPositions& a,
               const EndPointPositions& b, std::int32_t lineColour, const TraceNames& names,
               ViewClip& clip, bool visibility) {
  if (!trace.exists) return;
  const EndPointPositions P = PositionsAt(painter, trace.abscissa.ToDouble(),
                                          trace.alejamiento.ToDouble(), trace.cota.ToDouble());
  if (trace.side != TraceSide::kOnSegment) {
    const EndPointPositions& near = trace.side == TraceSide::kBeyondA ? a : b;
    painter.SetDrawColor(lineColour);
    if (lineColour == kBlackLine) painter.SetDrawColor(delgraph::GetMaxColor());
    if (visibility) {
      const bool beyondA = trace.side == TraceSide::kBeyondA;
      DrawSplitExtension(
          painter, LinePieces(painter, A, B, beyondA ? LineStation::kA : LineStation::kB, station),
          clip);
    } else {
      painter.SetLineStyle(delgraph::psDash, 0, 1);
      clip.To(ViewClip::kSpace);
      clip.Line(near.S, P.S);  // the line in space
      clip.To(ViewClip::kFlat);
      clip.Line(near.h, P.h);  // its horizontal projection
      clip.Line(near.v, P.v);  // its vertical projection
    }
  }
  painter.SetDrawColor(kTraceColour);
  painter.SetLineStyle(delgraph::psDashDotDot, 0, 1);
  clip.To(ViewClip::kFlat);
  clip.Line(P.h, P.v);
  Ring(painter, P.h, clip);
  Ring(painter, P.v, clip);
  clip.To(ViewClip::kSpace);
  Ring(painter, P.S, clip);
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  // The rings leave the brush clear; without any ring it is cleared here, so the
  // labels never get a box.
  painter.SetBrushStyle(delgraph::bsClear);
  painter.SetTextStyle(0, 0, 1);
  Label(painter, P.S, names.space, clip);
  clip.To(ViewClip::kFlat);
  Label(painter, P.h, names.onHorizontalProjection, clip);
  Label(painter, P.v, names.onVerticalProjection, clip);
  RestoreTextStyle(painter);
}

}  // namespace

void DrawLineTraces(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                    std::int32_t lineColour, bool visibility) {
  const LineTraces traces = TracesOf(A, B);
  if (!traces.horizontal.exists && !traces.vertical.exists) return;
  ComputeSceneOrigins(painter);
  const delgraph::ColorValue pen = painter.GetPenColor();
  const EndPointPositions a = EndPointPositionsOf(painter, A);
  const EndPointPositions b = EndPointPositionsOf(painter, B);
  {
    ViewClip clip(painter);
    DrawTrace(painter, A, B, traces.horizontal, LineStation::kH, a, b, lineColour, {"H", "h", "h'"},
              clip, visibility);
    DrawTrace(painter, A, B, traces.vertical, LineStation::kV, a, b, lineColour, {"V", "v", "v'"},
              clip, visibility);
  }
  painter.SetPenColorValue(pen);
}

}  // namespace drawing
