#include "drawing/TraceDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "delgraph/Clip.h"
#include "delgraph/delgraph.h"
#include "drawing/LineTraces.h"
#include "drawing/LogicalWindow.h"
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
  ViewClip() = default;
  ViewClip(const ViewClip&) = delete;
  ViewClip& operator=(const ViewClip&) = delete;
  ~ViewClip() {
    if (view_ != kNone) delgraph::NoClip();
  }
  void To(View view) {
    if (view == view_) return;
    view_ = view;
    if (view == kSpace)
      Set(ScaleX(0), ScaleY(5), ScaleX(160), ScaleY(190));
    else
      Set(ScaleX(179), ScaleY(19), ScaleX(308), ScaleY(141));
  }
  bool Contains(SurfacePoint p) const {
    return p.x >= left_ && p.x <= right_ && p.y >= top_ && p.y <= bottom_;
  }
  // DrawLine, cut to the panel (Liang-Barsky); nothing when the segment misses it.
  void Line(SurfacePoint a, SurfacePoint b) const {
    if (Contains(a) && Contains(b)) {
      delgraph::DrawLine(a.x, a.y, b.x, b.y);
      return;
    }
    const double ax = a.x, ay = a.y;
    const double dx = static_cast<double>(b.x) - ax, dy = static_cast<double>(b.y) - ay;
    double t0 = 0.0, t1 = 1.0;
    if (!delgraph::ClipSegment(ax, ay, dx, dy, left_, top_, right_, bottom_, t0, t1)) return;
    const auto px = [](double v) { return static_cast<std::int32_t>(std::lround(v)); };
    delgraph::DrawLine(px(ax + t0 * dx), px(ay + t0 * dy), px(ax + t1 * dx), px(ay + t1 * dy));
  }

 private:
  void Set(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    left_ = std::min(x1, x2);
    right_ = std::max(x1, x2);
    top_ = std::min(y1, y2);
    bottom_ = std::max(y1, y2);
    delgraph::ClipToBar(left_, top_, right_, bottom_);
  }
  View view_ = kNone;
  std::int32_t left_ = 0, top_ = 0, right_ = -1, bottom_ = -1;
};

void Ring(SurfacePoint p, const ViewClip& clip) {
  if (!clip.Contains(p)) return;
  delgraph::SetLineStyle(delgraph::psSolid, 0, 3);
  delgraph::DrawCircle(p.x, p.y, kRingRadius);
}

void Label(SurfacePoint p, const char* text, const ViewClip& clip) {
  if (!clip.Contains(p)) return;
  delgraph::DrawLabel(p.x, p.y, p.x + kLabelDx, p.y + kLabelDy, text);
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
void DrawSplitExtension(const std::vector<LinePiece>& pieces, ViewClip& clip) {
  for (const LinePiece& piece : pieces) {
    delgraph::SetLineStyle(piece.seen ? delgraph::psSolid : delgraph::psDash, 0, 1);
    clip.To(ViewClip::kSpace);
    clip.Line(piece.from.S, piece.to.S);
    clip.To(ViewClip::kFlat);
    clip.Line(piece.from.h, piece.to.h);
    clip.Line(piece.from.v, piece.to.v);
  }
}

void DrawTrace(const DihedralPoint& A, const DihedralPoint& B, const LineTrace& trace,
               LineStation station, const EndPointPositions& a, const EndPointPositions& b,
               std::int32_t lineColour, const TraceNames& names, ViewClip& clip) {
  if (!trace.exists) return;
  const EndPointPositions P =
      PositionsAt(trace.abscissa.ToDouble(), trace.alejamiento.ToDouble(), trace.cota.ToDouble());
  if (trace.side != TraceSide::kOnSegment) {
    const EndPointPositions& near = trace.side == TraceSide::kBeyondA ? a : b;
    delgraph::SetDrawColor(lineColour);
    if (lineColour == kBlackLine) delgraph::SetDrawColor(delgraph::GetMaxColor());
    if (VisibilityOn) {
      const bool beyondA = trace.side == TraceSide::kBeyondA;
      DrawSplitExtension(LinePieces(A, B, beyondA ? LineStation::kA : LineStation::kB, station),
                         clip);
    } else {
      delgraph::SetLineStyle(delgraph::psDash, 0, 1);
      clip.To(ViewClip::kSpace);
      clip.Line(near.S, P.S);  // the line in space
      clip.To(ViewClip::kFlat);
      clip.Line(near.h, P.h);  // its horizontal projection
      clip.Line(near.v, P.v);  // its vertical projection
    }
  }
  delgraph::SetDrawColor(kTraceColour);
  delgraph::SetLineStyle(delgraph::psDashDotDot, 0, 1);
  clip.To(ViewClip::kFlat);
  clip.Line(P.h, P.v);
  Ring(P.h, clip);
  Ring(P.v, clip);
  clip.To(ViewClip::kSpace);
  Ring(P.S, clip);
  delgraph::SetLineStyle(delgraph::psSolid, 0, 1);
  // The rings leave the brush clear; without any ring it is cleared here, so the
  // labels never get a box.
  delgraph::SetBrushStyle(delgraph::bsClear);
  delgraph::SetTextStyle(0, 0, 1);
  Label(P.S, names.space, clip);
  clip.To(ViewClip::kFlat);
  Label(P.h, names.onHorizontalProjection, clip);
  Label(P.v, names.onVerticalProjection, clip);
  RestoreTextStyle();
}

}  // namespace

void DrawLineTraces(const DihedralPoint& A, const DihedralPoint& B, std::int32_t lineColour) {
  const LineTraces traces = TracesOf(A, B);
  if (!traces.horizontal.exists && !traces.vertical.exists) return;
  ComputeSceneOrigins();
  const delgraph::ColorValue pen = delgraph::GetPenColor();
  const EndPointPositions a = EndPointPositionsOf(A);
  const EndPointPositions b = EndPointPositionsOf(B);
  {
    ViewClip clip;
    DrawTrace(A, B, traces.horizontal, LineStation::kH, a, b, lineColour, {"H", "h", "h'"}, clip);
    DrawTrace(A, B, traces.vertical, LineStation::kV, a, b, lineColour, {"V", "v", "v'"}, clip);
  }
  delgraph::SetPenColorValue(pen);
}

void ResetTraces() {
  TracesOn = false;
}

}  // namespace drawing
