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
// A trace may lie millions of pixels away. Lines are cut at this distance from the
// surface's corner and rings and labels beyond it are left out, so the canvas only
// ever sees coordinates of a sensible size.
constexpr double kFar = 16384.0;
// Labels sit up and right of their ring, clear of the end points' labels, which
// hang down and right from theirs.
constexpr std::int32_t kLabelDx = 5;
constexpr std::int32_t kLabelDy = -12;

// A trace far away would take its extension across the other view and the texts:
// what each view draws stays inside its panel (the space view's, or the flat
// view's frame, as the frame draws them in the 320 x 200 space), lines included.
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
      delgraph::ClipToBar(ScaleX(0), ScaleY(5), ScaleX(160), ScaleY(190));
    else
      delgraph::ClipToBar(ScaleX(179), ScaleY(19), ScaleX(308), ScaleY(141));
  }

 private:
  View view_ = kNone;
};

bool Near(SurfacePoint p) {
  return std::fabs(static_cast<double>(p.x)) <= kFar && std::fabs(static_cast<double>(p.y)) <= kFar;
}

// DrawLine, cut to the square |x|, |y| <= kFar (Liang-Barsky); nothing when the
// segment misses it.
void ClippedLine(SurfacePoint a, SurfacePoint b) {
  if (Near(a) && Near(b)) {
    delgraph::DrawLine(a.x, a.y, b.x, b.y);
    return;
  }
  const double ax = a.x, ay = a.y;
  const double dx = static_cast<double>(b.x) - ax, dy = static_cast<double>(b.y) - ay;
  double t0 = 0.0, t1 = 1.0;
  if (!delgraph::ClipSegment(ax, ay, dx, dy, -kFar, -kFar, kFar, kFar, t0, t1)) return;
  const auto px = [](double v) { return static_cast<std::int32_t>(std::lround(v)); };
  delgraph::DrawLine(px(ax + t0 * dx), px(ay + t0 * dy), px(ax + t1 * dx), px(ay + t1 * dy));
}

void Ring(SurfacePoint p) {
  if (!Near(p)) return;
  delgraph::SetLineStyle(delgraph::psSolid, 0, 3);
  delgraph::DrawCircle(p.x, p.y, kRingRadius);
}

void Label(SurfacePoint p, const char* text) {
  if (!Near(p)) return;
  delgraph::DrawText(p.x + kLabelDx, p.y + kLabelDy, text);
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
    ClippedLine(piece.from.S, piece.to.S);
    clip.To(ViewClip::kFlat);
    ClippedLine(piece.from.h, piece.to.h);
    ClippedLine(piece.from.v, piece.to.v);
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
      ClippedLine(near.S, P.S);  // the line in space
      clip.To(ViewClip::kFlat);
      ClippedLine(near.h, P.h);  // its horizontal projection
      ClippedLine(near.v, P.v);  // its vertical projection
    }
  }
  delgraph::SetDrawColor(kTraceColour);
  delgraph::SetLineStyle(delgraph::psDashDotDot, 0, 1);
  clip.To(ViewClip::kFlat);
  ClippedLine(P.h, P.v);
  Ring(P.h);
  Ring(P.v);
  clip.To(ViewClip::kSpace);
  Ring(P.S);
  delgraph::SetLineStyle(delgraph::psSolid, 0, 1);
  // The rings leave the brush clear; without any ring it is cleared here, so the
  // labels never get a box.
  delgraph::SetBrushStyle(delgraph::bsClear);
  delgraph::SetTextStyle(0, 0, 1);
  Label(P.S, names.space);
  clip.To(ViewClip::kFlat);
  Label(P.h, names.onHorizontalProjection);
  Label(P.v, names.onVerticalProjection);
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
