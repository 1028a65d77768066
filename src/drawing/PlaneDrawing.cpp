#include "drawing/PlaneDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "classify/Vocabulary.h"
#include "delgraph/delgraph.h"
#include "drawing/Projections.h"
#include "scene/PlaneGeometry.h"

namespace drawing {

using classify::kAlpha1Label;
using classify::kAlpha2Label;
using classify::kAlpha3Label;

namespace {

constexpr std::int32_t kTraceColour = 9;     // blue in both palettes: apart from the red
                                             // reference lines and the cyan labels
constexpr std::int32_t kLabelColour = 3;     // the end points' labels, as a line's
constexpr std::int32_t kTriangleColour = 1;  // 1 asks DrawSceneLine for black
constexpr double kReach = 1.0e6;             // far beyond any frame, in units
constexpr double kLabelInset = 18.0;         // pixels from the visible end
constexpr std::int32_t kLabelWidth = 22;     // "α1" at the small labels' size, with room
constexpr std::int32_t kLabelHeight = 18;

struct Vec {
  double x = 0.0, y = 0.0;
};

// A convex region of the surface, its corners in order.
using Region = std::vector<Vec>;

// The trace a u + b q = c in its plane of projection, as u and q in units, mapped to
// the surface by origin + u * du + q * dq.
struct TraceMap {
  Vec origin, du, dq;
  Vec At(double u, double q) const {
    return {origin.x + u * du.x + q * dq.x, origin.y + u * du.y + q * dq.y};
  }
};

// Cyrus-Beck: the parameters [t0, t1] of p + t d inside the convex region (either
// orientation); false when the line misses it.
bool ClipToRegion(Vec p, Vec d, const Region& region, double& t0, double& t1) {
  const std::size_t n = region.size();
  double area = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const Vec& a = region[i];
    const Vec& b = region[(i + 1) % n];
    area += a.x * b.y - b.x * a.y;
  }
  const double side = area >= 0.0 ? 1.0 : -1.0;
  for (std::size_t i = 0; i < n; ++i) {
    const Vec& a = region[i];
    const Vec& b = region[(i + 1) % n];
    // Inside is where the cross product of the edge and (point - a) has the sign of the area.
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double num = side * (ex * (p.y - a.y) - ey * (p.x - a.x));
    const double den = side * (ex * d.y - ey * d.x);
    if (den == 0.0) {
      if (num < 0.0) return false;
      continue;
    }
    const double t = -num / den;
    if (den > 0.0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  return true;
}

// Half to even, as the end points round; every value here lies within the region.
std::int32_t Px(double v) {
  return static_cast<std::int32_t>(std::nearbyint(v));
}

void Segment(Painter& painter, Vec a, Vec b, bool solid) {
  painter.SetLineStyle(solid ? delgraph::psSolid : delgraph::psLongDash, 0, 1);
  painter.DrawLine(Px(a.x), Px(a.y), Px(b.x), Px(b.y));
}

struct Drawn {
  bool shown = false;
  Vec seenEnd;  // the end of the visible part on the seen side (q >= 0), else the other end
  Vec otherEnd;
};

// Draws a u + b q = c inside the region, solid where q >= 0 and dashed elsewhere,
// split exactly where the trace crosses q = 0; all solid when split is false.
Drawn DrawTrace(Painter& painter, const scene::PlaneTrace& trace, const TraceMap& map,
                const Region& region, bool split = true) {
  Drawn drawn;
  if (!trace.exists) return drawn;
  const double a = static_cast<double>(trace.a), b = static_cast<double>(trace.b),
               c = static_cast<double>(trace.c);
  const double norm = std::hypot(a, b);
  // The point of the trace nearest the origin, and its unit direction, in units.
  const double u0 = a * (c / norm) / norm, q0 = b * (c / norm) / norm;
  const double du = b / norm, dq = -a / norm;
  const Vec p = map.At(u0, q0);
  const Vec far = map.At(u0 + du, q0 + dq);
  const Vec d{far.x - p.x, far.y - p.y};
  double t0 = -kReach, t1 = kReach;
  if (!ClipToRegion(p, d, region, t0, t1)) return drawn;
  const auto at = [&](double t) { return Vec{p.x + t * d.x, p.y + t * d.y}; };
  const auto seen = [&](double t) { return !split || q0 + t * dq >= 0.0; };
  drawn.shown = true;
  if (dq == 0.0 || !split) {  // parallel to L.T., or one style asked: one stroke
    Segment(painter, at(t0), at(t1), seen(0.0));
    drawn.seenEnd = at(t1);
    drawn.otherEnd = at(t0);
    return drawn;
  }
  const double tg = std::clamp(-q0 / dq, t0, t1);
  Segment(painter, at(t0), at(tg), seen((t0 + tg) / 2.0) || t0 == tg);
  Segment(painter, at(tg), at(t1), seen((tg + t1) / 2.0) && tg != t1);
  const bool seenAtT1 = seen(t1);
  drawn.seenEnd = seenAtT1 ? at(t1) : at(t0);
  drawn.otherEnd = seenAtT1 ? at(t0) : at(t1);
  return drawn;
}

// The label near the seen end of a trace, moved along it into the frame.
void TraceLabel(Painter& painter, const Drawn& drawn, const std::string& text,
                const Region& frame) {
  if (!drawn.shown) return;
  const double dx = drawn.otherEnd.x - drawn.seenEnd.x, dy = drawn.otherEnd.y - drawn.seenEnd.y;
  const double length = std::hypot(dx, dy);
  const double k = length > 0.0 ? std::min(kLabelInset, length / 2.0) / length : 0.0;
  double minX = frame[0].x, maxX = frame[0].x, minY = frame[0].y, maxY = frame[0].y;
  for (const Vec& v : frame) {
    minX = std::min(minX, v.x);
    maxX = std::max(maxX, v.x);
    minY = std::min(minY, v.y);
    maxY = std::max(maxY, v.y);
  }
  const double x = std::clamp(drawn.seenEnd.x + k * dx + 4.0, minX + 2.0, maxX - kLabelWidth);
  const double y =
      std::clamp(drawn.seenEnd.y + k * dy - kLabelHeight / 2.0, minY + 2.0, maxY - kLabelHeight);
  painter.DrawText(Px(x), Px(y), text);
}

Region RectRegion(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  return {{double(left), double(top)},
          {double(right), double(top)},
          {double(right), double(bottom)},
          {double(left), double(bottom)}};
}

// The drawn planes of the perspective view, in surface pixels (640 x 480 corners).
Region PerspectivePlane(Painter& painter, std::initializer_list<Vec> corners) {
  painter.Select640x480();
  Region r;
  for (const Vec& v : corners)
    r.push_back({double(painter.ScaleX(v.x)), double(painter.ScaleY(v.y))});
  painter.Select320x200();
  return r;
}

void SmallText(Painter& painter) {
  painter.SetBrushStyle(delgraph::bsClear);
  painter.SetTextStyle(0, 0, 1);
}

}  // namespace

void DrawPlane(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
               const DihedralPoint& C, int edited, bool answerHidden) {
  ComputeSceneOrigins(painter);
  // The point being edited last: what an edit leaves alone repeats the previous
  // redraw call for call, and the window's canvas keeps that picture.
  const DihedralPoint* points[3] = {&A, &B, &C};
  const char* letters[3] = {"a", "b", "c"};
  EndPointPositions at[3];
  for (int k : {(edited + 1) % 3, (edited + 2) % 3, edited}) {
    at[k] = DrawEndPoint(painter, *points[k]);
    painter.SetDrawColor(kLabelColour);
    DrawPointLabels(painter, letters[k], at[k].S, at[k].h, at[k].v);
  }
  const EndPointPositions &a = at[0], &b = at[1], &c = at[2];

  // The triangle in space (or its third projection) and its two projections, thin.
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  for (const auto& [p, q] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, a}}) {
    DrawSceneLine(painter, p.S.x, p.S.y, q.S.x, q.S.y, kTriangleColour);
    DrawSceneLine(painter, p.h.x, p.h.y, q.h.x, q.h.y, kTriangleColour);
    DrawSceneLine(painter, p.v.x, p.v.y, q.v.x, q.v.y, kTriangleColour);
  }

  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  // The traces give the type away: an exercise shows them with its answer, as a
  // line's traces.
  if (answerHidden) return;
  DrawPlaneTraces(painter, plane, {kAlpha1Label, kAlpha2Label, kAlpha3Label}, painter.Profile);
}

void DrawPlaneTraces(Painter& painter, const scene::PlaneEquation& plane, const TraceLabels& labels,
                     bool profile) {
  if (!plane.Defined()) return;
  const scene::PlaneTraces traces = scene::TracesOf(plane);
  const delgraph::ColorValue pen = painter.GetPenColor();
  painter.SetDrawColor(kTraceColour);

  // Flat view: one pixel per unit from its origin, alejamiento down, cota up.
  const Region flat =
      RectRegion(painter.ScaleX(179), painter.ScaleY(19), painter.ScaleX(308), painter.ScaleY(141));
  const Vec fo{double(painter.FlatOrigin.x), double(painter.FlatOrigin.y)};
  const TraceMap flatH{fo, {1.0, 0.0}, {0.0, 1.0}};
  const TraceMap flatV{fo, {1.0, 0.0}, {0.0, -1.0}};
  SmallText(painter);
  if (traces.throughGroundLine && !(traces.horizontal.exists && traces.vertical.exists)) {
    // H or V itself: it has no trace on itself, and its other trace is L.T.
    painter.DrawText(painter.FlatOrigin.x + 64, painter.FlatOrigin.y + 2,
                     traces.horizontal.exists ? labels.onH : labels.onV);
  } else if (traces.throughGroundLine) {
    // Both traces lie on L.T.: the two short strokes under it, then the third trace.
    painter.SetLineStyle(delgraph::psSolid, 0, 3);
    const std::int32_t y = painter.FlatOrigin.y + 6;
    for (const std::int32_t x : {painter.FlatOrigin.x - 60, painter.FlatOrigin.x + 40}) {
      painter.DrawLine(x, y, x + 20, y);
    }
    painter.DrawText(painter.FlatOrigin.x + 64, painter.FlatOrigin.y + 2,
                     labels.onH + "\xE2\x89\xA1" + labels.onV);
  } else {
    TraceLabel(painter, DrawTrace(painter, traces.horizontal, flatH, flat), labels.onH, flat);
    TraceLabel(painter, DrawTrace(painter, traces.vertical, flatV, flat), labels.onV, flat);
  }

  const Vec so{double(painter.SpaceOrigin.x), double(painter.SpaceOrigin.y)};
  if (profile) {
    // The profile plane through the origin, looked at along L.T.: ny y + nz z = d.
    const scene::PlaneTrace third{plane.ny != 0 || plane.nz != 0, plane.ny, plane.nz, plane.d};
    const TraceMap profile{so, {1.0, 0.0}, {0.0, -1.0}};
    const Region square = RectRegion(painter.ScaleX(19), painter.ScaleY(39), painter.ScaleX(139),
                                     painter.ScaleY(159));
    TraceLabel(painter, DrawTrace(painter, third, profile, square, false), labels.onProfile,
               square);
  } else {
    // Perspective view: alpha 1 on the drawn H, alpha 2 on the drawn V.
    const Vec step{painter.AbscissaStepX, -painter.AbscissaStepY};
    const TraceMap spaceH{so, step, {1.0, 0.0}};
    const TraceMap spaceV{so, step, {0.0, -1.0}};
    const Region h = PerspectivePlane(painter, {{72, 190}, {312, 190}, {228, 293}, {2, 293}});
    const Region v = PerspectivePlane(painter, {{117, 146}, {201, 44}, {201, 336}, {117, 436}});
    DrawTrace(painter, traces.horizontal, spaceH, h);
    DrawTrace(painter, traces.vertical, spaceV, v);
  }
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  RestoreTextStyle(painter);
  painter.SetPenColorValue(pen);
}

}  // namespace drawing
