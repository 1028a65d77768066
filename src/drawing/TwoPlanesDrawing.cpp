#include "drawing/TwoPlanesDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "classify/Vocabulary.h"
#include "delgraph/Clip.h"
#include "delgraph/delgraph.h"
#include "drawing/PlaneDrawing.h"
#include "drawing/Projections.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"

namespace drawing {

namespace {

constexpr std::int32_t kPointLabelColour = 3;    // the end points' labels, as a plane's
constexpr std::int32_t kLineColour = 2;          // i, the answer
constexpr std::int32_t kTraceColour = 4;         // i's traces, ringed as a line's
constexpr std::int32_t kConstructionColour = 8;  // dark grey: thin auxiliary lines
constexpr std::uint16_t kRingRadius = 3;
constexpr std::uint16_t kMarkRadius = 2;
constexpr double kReach = 1.0e5;  // beyond any panel, in pixels

struct P3 {
  double x = 0.0, y = 0.0, z = 0.0;  // abscissa, alejamiento, cota
};
P3 operator+(P3 a, P3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
P3 operator-(P3 a, P3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
P3 operator*(double k, P3 a) {
  return {k * a.x, k * a.y, k * a.z};
}
double Dot(P3 a, P3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
P3 Of(const DihedralPoint& p) {
  return {double(p.abscissa), double(p.alejamiento), double(p.cota)};
}
P3 Of(const scene::ExactPoint& p) {
  return {p.abscissa.ToDouble(), p.alejamiento.ToDouble(), p.cota.ToDouble()};
}

struct Vec {
  double x = 0.0, y = 0.0;
};
Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y};
}
Vec operator*(double k, Vec a) {
  return {k * a.x, k * a.y};
}
double Cross(Vec a, Vec b) {
  return a.x * b.y - a.y * b.x;
}

std::int32_t Px(double v) {
  return static_cast<std::int32_t>(std::nearbyint(v));
}

// One view of space on the surface: origin + x ax + y ay + z az.
struct ViewMap {
  Vec origin, ax, ay, az;
  Vec Step(P3 u) const { return u.x * ax + u.y * ay + u.z * az; }
  Vec At(P3 p) const { return origin + Step(p); }
};

struct Box {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  bool Contains(Vec p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

Box BoxOf(const Painter& painter, double x1, double y1, double x2, double y2) {
  const double ax = painter.ScaleX(x1), bx = painter.ScaleX(x2);
  const double ay = painter.ScaleY(y1), by = painter.ScaleY(y2);
  return {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
}

// The two projections of the flat view share its frame; the space view is the
// perspective one or, with the profile on, the profile plane seen along L.T.
enum class Projection { kH, kV };
struct Views {
  ViewMap h, v, space;
  Box flat, spaceBox;
  const ViewMap& Of(Projection k) const { return k == Projection::kH ? h : v; }
};

Views ViewsOf(const Painter& painter, bool profile) {
  const Vec fo{double(painter.FlatOrigin.x), double(painter.FlatOrigin.y)};
  const Vec so{double(painter.SpaceOrigin.x), double(painter.SpaceOrigin.y)};
  Views views;
  views.h = {fo, {1.0, 0.0}, {0.0, 1.0}, {0.0, 0.0}};
  views.v = {fo, {1.0, 0.0}, {0.0, 0.0}, {0.0, -1.0}};
  const Vec along = profile ? Vec{} : Vec{painter.AbscissaStepX, -painter.AbscissaStepY};
  views.space = {so, along, {1.0, 0.0}, {0.0, -1.0}};
  views.flat = BoxOf(painter, 179, 19, 308, 141);
  views.spaceBox = profile ? BoxOf(painter, 19, 39, 139, 159) : BoxOf(painter, 0, 5, 160, 190);
  return views;
}

// The part of segment a-b inside the box, drawn in the current style.
void Stroke(Painter& painter, Vec a, Vec b, const Box& box) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
    return;
  const Vec d = b - a;
  double t0 = 0.0, t1 = 1.0;
  if (!delgraph::ClipSegment(a.x, a.y, d.x, d.y, box.left, box.top, box.right, box.bottom, t0, t1))
    return;
  const Vec p = a + t0 * d, q = a + t1 * d;
  painter.DrawLine(Px(p.x), Px(p.y), Px(q.x), Px(q.y));
}

// The infinite line through p along d, cut to the box: false when it misses the box
// or d is no direction.
bool Across(Vec p, Vec d, const Box& box, Vec& from, Vec& to) {
  const double length = std::hypot(d.x, d.y);
  if (!(length > 0.0) || !std::isfinite(length)) return false;
  const Vec n = (1.0 / length) * d;
  // From the point nearest the box's centre, so that a far p loses no precision.
  const Vec c{(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0};
  const Vec m = p + ((c.x - p.x) * n.x + (c.y - p.y) * n.y) * n;
  const Vec a = m - kReach * n, span = (2.0 * kReach) * n;
  double t0 = 0.0, t1 = 1.0;
  if (!delgraph::ClipSegment(a.x, a.y, span.x, span.y, box.left, box.top, box.right, box.bottom, t0,
                             t1))
    return false;
  from = a + t0 * span;
  to = a + t1 * span;
  return true;
}

void SmallText(Painter& painter) {
  painter.SetBrushStyle(delgraph::bsClear);
  painter.SetTextStyle(0, 0, 1);
}

// A ring and its label, up and right of it as a line's traces have them; nothing
// outside the box.
void Ring(Painter& painter, Vec p, const std::string& label, const Box& box,
          std::uint16_t radius = kRingRadius) {
  if (!box.Contains(p)) return;
  painter.SetLineStyle(delgraph::psSolid, 0, radius == kRingRadius ? 3 : 1);
  painter.DrawCircle(Px(p.x), Px(p.y), radius);
  if (label.empty()) return;
  SmallText(painter);
  // A label by the panel's edge stays in its panel.
  painter.ClipToBar(Px(box.left), Px(box.top), Px(box.right), Px(box.bottom));
  painter.DrawLabel(Px(p.x), Px(p.y), Px(p.x) + 5, Px(p.y) - 12, label);
  painter.NoClip();
  RestoreTextStyle(painter);
}

// A line's name a little way along its visible part.
void LineLabel(Painter& painter, Vec from, Vec to, const std::string& label) {
  const Vec at = from + 0.3 * (to - from);
  SmallText(painter);
  painter.DrawText(Px(at.x) + 4, Px(at.y) - 16, label);
  RestoreTextStyle(painter);
}

// ---- The plates -------------------------------------------------------------

struct Plate {
  std::array<P3, 3> corners;
  scene::PlaneEquation plane;
};

// A point as the flat view draws it from its origin, and the coordinate that decides
// which plate is seen there: the cota on the horizontal projection, the alejamiento on
// the vertical one.
Vec Flat(P3 p, Projection k) {
  return k == Projection::kH ? Vec{p.x, p.y} : Vec{p.x, -p.z};
}
double Depth(P3 p, Projection k) {
  return k == Projection::kH ? p.z : p.y;
}

// The depth of the plane at a point of the projection; none when the plane projects
// as a line there.
std::optional<double> DepthOf(const scene::PlaneEquation& e, Vec q, Projection k) {
  const double nx = double(e.nx), ny = double(e.ny), nz = double(e.nz), d = double(e.d);
  if (k == Projection::kH) {
    if (e.nz == 0) return std::nullopt;
    return (d - nx * q.x - ny * q.y) / nz;
  }
  if (e.ny == 0) return std::nullopt;
  return (d - nx * q.x + nz * q.y) / ny;  // q.y is minus the cota
}

bool StrictlyInside(const std::array<Vec, 3>& t, Vec q) {
  const double area = Cross(t[1] - t[0], t[2] - t[0]);
  if (area == 0.0) return false;
  const double tolerance = 1e-9 * std::abs(area);
  for (int i = 0; i < 3; ++i) {
    const Vec& a = t[i];
    const Vec& b = t[(i + 1) % 3];
    if ((area > 0.0 ? 1.0 : -1.0) * Cross(b - a, q - a) <= tolerance) return false;
  }
  return true;
}

// Where segment a-b crosses segment c-d, as the parameter along a-b strictly between
// its ends; none for parallel segments.
std::optional<double> Meet(Vec a, Vec b, Vec c, Vec d) {
  const Vec r = b - a, s = d - c, w = c - a;
  const double den = Cross(r, s);
  if (den == 0.0) return std::nullopt;
  const double t = Cross(w, s) / den, u = Cross(w, r) / den;
  if (!(t > 0.0 && t < 1.0 && u >= 0.0 && u <= 1.0)) return std::nullopt;
  return t;
}

// The parameters along p + t u (a line of the plate's plane) inside the triangle: the
// plate seen along the axis its normal leans on most, where it is widest.
std::optional<std::pair<double, double>> InsidePlate(P3 p, P3 u, const Plate& plate) {
  const double nx = std::abs(double(plate.plane.nx)), ny = std::abs(double(plate.plane.ny)),
               nz = std::abs(double(plate.plane.nz));
  const auto two = [&](P3 v) {
    if (nx >= ny && nx >= nz) return Vec{v.y, v.z};
    return ny >= nz ? Vec{v.x, v.z} : Vec{v.x, v.y};
  };
  const Vec p2 = two(p), u2 = two(u);
  std::array<Vec, 3> t;
  for (int i = 0; i < 3; ++i) t[i] = two(plate.corners[i]);
  const double side = Cross(t[1] - t[0], t[2] - t[0]) > 0.0 ? 1.0 : -1.0;
  double t0 = -kReach * kReach, t1 = kReach * kReach;
  for (int i = 0; i < 3; ++i) {
    const Vec e = t[(i + 1) % 3] - t[i];
    const double num = side * Cross(e, p2 - t[i]), den = side * Cross(e, u2);
    if (den == 0.0) {
      if (num < 0.0) return std::nullopt;
      continue;
    }
    if (den > 0.0)
      t0 = std::max(t0, -num / den);
    else
      t1 = std::min(t1, -num / den);
  }
  if (!(t0 < t1)) return std::nullopt;
  return std::make_pair(t0, t1);
}

using Segment3 = std::pair<P3, P3>;

// The part of i inside both plates, if they cross along a stretch of it.
std::optional<Segment3> Crossing(const scene::PlanesMeeting& m, const Plate& a, const Plate& b) {
  if (m.relation != scene::PlanesRelation::kSecant) return std::nullopt;
  const P3 on = Of(m.H ? *m.H : (m.V ? *m.V : *m.profile));
  P3 u{m.direction.x.ToDouble(), m.direction.y.ToDouble(), m.direction.z.ToDouble()};
  u = (1.0 / std::sqrt(Dot(u, u))) * u;
  // From the point of i nearest the first plate, whatever the size of its traces.
  const P3 centre = (1.0 / 3.0) * (a.corners[0] + a.corners[1] + a.corners[2]);
  const P3 p = on + Dot(centre - on, u) * u;
  const auto ta = InsidePlate(p, u, a), tb = InsidePlate(p, u, b);
  if (!ta || !tb) return std::nullopt;
  const double t0 = std::max(ta->first, tb->first), t1 = std::min(ta->second, tb->second);
  if (!(t0 < t1)) return std::nullopt;
  return Segment3{p + t0 * u, p + t1 * u};
}

// The edges of one plate in one projection, each split where it crosses the other
// plate's edges and the crossing, every stretch solid where seen and dashed where the
// other plate lies over it (greater cota, or greater alejamiento).
void DrawPlateEdges(Painter& painter, const Plate& mine, const Plate& other,
                    const std::optional<Segment3>& crossing, Projection k, const Views& views) {
  const ViewMap& map = views.Of(k);
  std::array<Vec, 3> shadow;
  for (int i = 0; i < 3; ++i) shadow[i] = Flat(other.corners[i], k);
  const bool hides = other.plane.Defined();
  for (int i = 0; i < 3; ++i) {
    const P3 P = mine.corners[i], along = mine.corners[(i + 1) % 3] - P;
    const Vec a = Flat(P, k), b = Flat(P + along, k);
    std::vector<double> cuts{0.0, 1.0};
    if (hides) {
      for (int j = 0; j < 3; ++j)
        if (const auto t = Meet(a, b, shadow[j], shadow[(j + 1) % 3])) cuts.push_back(*t);
      if (crossing)
        if (const auto t = Meet(a, b, Flat(crossing->first, k), Flat(crossing->second, k)))
          cuts.push_back(*t);
    }
    std::sort(cuts.begin(), cuts.end());
    for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
      if (!(cuts[c] < cuts[c + 1])) continue;
      const P3 middle = P + ((cuts[c] + cuts[c + 1]) / 2.0) * along;
      const Vec q = Flat(middle, k);
      bool hidden = false;
      if (hides && StrictlyInside(shadow, q)) {
        const std::optional<double> over = DepthOf(other.plane, q, k);
        const double mine_ = Depth(middle, k);
        hidden = over && *over > mine_ + 1e-9 * (1.0 + std::abs(mine_));
      }
      painter.SetLineStyle(hidden ? delgraph::psDash : delgraph::psSolid, 0, 1);
      Stroke(painter, map.At(P + cuts[c] * along), map.At(P + cuts[c + 1] * along), views.flat);
    }
  }
}

// ---- i and how it is found --------------------------------------------------

// i in one view, across its panel, named; a line seen end on is a ring.
void DrawLineOfMeeting(Painter& painter, P3 on, P3 u, const ViewMap& map, const Box& box,
                       const std::string& label) {
  Vec from, to;
  if (Across(map.At(on), map.Step(u), box, from, to)) {
    Stroke(painter, from, to, box);
    LineLabel(painter, from, to, label);
  } else if (std::hypot(map.Step(u).x, map.Step(u).y) == 0.0) {
    Ring(painter, map.At(on), label, box);
  }
}

// An auxiliary horizontal plane of cota z cuts alpha and beta in two horizontal lines:
// on the vertical projection both lie on its trace, on the horizontal one they run
// parallel to alpha 1 and beta 1, and where they meet is a point of i.
void DrawAuxiliaryPlane(Painter& painter, const scene::PlaneEquation& a,
                        const scene::PlaneEquation& b, double z, const Views& views) {
  const Vec fo = views.h.origin;
  Vec from, to;
  if (Across(fo + Vec{0.0, -z}, {1.0, 0.0}, views.flat, from, to))
    Stroke(painter, from, to, views.flat);
  // n x + m y = d - p z for each plane: a line of the horizontal projection.
  const auto horizontal = [&](const scene::PlaneEquation& e) {
    const double nx = double(e.nx), ny = double(e.ny);
    const double c = double(e.d) - double(e.nz) * z;
    const double nn = nx * nx + ny * ny;
    const Vec foot{nx * c / nn, ny * c / nn};
    if (Across(fo + foot, {ny, -nx}, views.flat, from, to)) Stroke(painter, from, to, views.flat);
  };
  horizontal(a);
  horizontal(b);
  const double a1 = double(a.nx), b1 = double(a.ny), c1 = double(a.d) - double(a.nz) * z;
  const double a2 = double(b.nx), b2 = double(b.ny), c2 = double(b.d) - double(b.nz) * z;
  const double det = a1 * b2 - b1 * a2;
  if (det == 0.0) return;
  const Vec meet{(c1 * b2 - b1 * c2) / det, (a1 * c2 - c1 * a2) / det};
  const Vec p = fo + meet, pv = fo + Vec{meet.x, -z};
  Stroke(painter, p, pv, views.flat);
  Ring(painter, p, "", views.flat, kMarkRadius);
  Ring(painter, pv, "", views.flat, kMarkRadius);
}

// A cota at which both projections of i's point are inside the flat frame, or only
// its vertical one; none when i' misses the frame.
std::optional<double> AuxiliaryCota(P3 on, P3 u, const Views& views) {
  const auto interval = [&](const ViewMap& map) -> std::optional<std::pair<double, double>> {
    const Vec p = map.At(on), d = map.Step(u);
    const Vec a = p - kReach * d, span = (2.0 * kReach) * d;
    double t0 = 0.0, t1 = 1.0;
    const Box& f = views.flat;
    if (!delgraph::ClipSegment(a.x, a.y, span.x, span.y, f.left, f.top, f.right, f.bottom, t0, t1))
      return std::nullopt;
    return std::make_pair(2.0 * kReach * t0 - kReach, 2.0 * kReach * t1 - kReach);
  };
  const auto h = interval(views.h), v = interval(views.v);
  if (!v) return std::nullopt;
  double t0 = v->first, t1 = v->second;
  if (h && std::max(h->first, v->first) < std::min(h->second, v->second)) {
    t0 = std::max(h->first, v->first);
    t1 = std::min(h->second, v->second);
  }
  // A quarter in from the end farther from H, so that the two horizontal lines stand
  // apart from alpha 1 and beta 1.
  const bool higherAtT0 = std::abs((on + t0 * u).z) > std::abs((on + t1 * u).z);
  const double t = higherAtT0 ? t0 + (t1 - t0) / 4.0 : t1 - (t1 - t0) / 4.0;
  return std::nearbyint((on + t * u).z);
}

void DrawConstruction(Painter& painter, const scene::PlanesMeeting& m,
                      const scene::PlaneEquation& a, const scene::PlaneEquation& b, P3 on, P3 u,
                      const Views& views) {
  painter.SetDrawColor(kConstructionColour);
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  // h is where alpha 1 meets beta 1, v' where alpha 2 meets beta 2; each gives the
  // other projection of its trace on L.T.
  bool outside = false;
  for (const std::optional<scene::ExactPoint>* trace : {&m.H, &m.V}) {
    if (!*trace) continue;
    const P3 t = Of(**trace);
    const Vec ph = views.h.At(t), pv = views.v.At(t);
    Stroke(painter, ph, pv, views.flat);
    outside = outside || !views.flat.Contains(ph) || !views.flat.Contains(pv);
  }
  // A horizontal plane needs i to climb, so that it meets it at one point.
  if (!outside || m.direction.z.IsZero()) return;
  if (const std::optional<double> z = AuxiliaryCota(on, u, views))
    DrawAuxiliaryPlane(painter, a, b, *z, views);
}

}  // namespace

void DrawTwoPlanes(Painter& painter, const classify::SixPoints& points,
                   const TwoPlanesFlags& flags) {
  ComputeSceneOrigins(painter);
  const delgraph::ColorValue pen = painter.GetPenColor();
  const char* letters[6] = {"a", "b", "c", "d", "e", "f"};
  std::array<EndPointPositions, 6> at;
  const int edited = std::clamp(flags.edited, 0, 5);
  for (int n = 1; n <= 6; ++n) {  // the edited point last
    const int k = (edited + n) % 6;
    at[k] = DrawEndPoint(painter, points[k]);
    painter.SetDrawColor(kPointLabelColour);
    DrawPointLabels(painter, letters[k], at[k].S, at[k].h, at[k].v);
  }

  const Plate alpha{{Of(points[0]), Of(points[1]), Of(points[2])},
                    scene::PlaneThrough(points[0], points[1], points[2])};
  const Plate beta{{Of(points[3]), Of(points[4]), Of(points[5])},
                   scene::PlaneThrough(points[3], points[4], points[5])};
  const scene::PlanesMeeting meeting = scene::TwoPlanes(alpha.plane, beta.plane);
  const Views views = ViewsOf(painter, painter.Profile);
  const std::optional<Segment3> crossing =
      flags.visibility ? Crossing(meeting, alpha, beta) : std::nullopt;

  // The triangles in space, and their projections, thin; as plates, split.
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  for (int t = 0; t < 2; ++t) {
    for (int i = 0; i < 3; ++i) {
      const EndPointPositions& p = at[3 * t + i];
      const EndPointPositions& q = at[3 * t + (i + 1) % 3];
      DrawSceneLine(painter, p.S.x, p.S.y, q.S.x, q.S.y, 1);
      if (flags.visibility) continue;
      DrawSceneLine(painter, p.h.x, p.h.y, q.h.x, q.h.y, 1);
      DrawSceneLine(painter, p.v.x, p.v.y, q.v.x, q.v.y, 1);
    }
  }
  if (flags.visibility) {
    painter.SetDrawColor(delgraph::GetMaxColor());  // black
    for (const Projection k : {Projection::kH, Projection::kV}) {
      DrawPlateEdges(painter, alpha, beta, crossing, k, views);
      DrawPlateEdges(painter, beta, alpha, crossing, k, views);
    }
    painter.SetLineStyle(delgraph::psSolid, 0, 1);
  }

  DrawPlaneTraces(painter, alpha.plane,
                  {classify::kAlpha1Label, classify::kAlpha2Label, classify::kAlpha3Label},
                  painter.Profile);
  DrawPlaneTraces(painter, beta.plane,
                  {classify::kBeta1Label, classify::kBeta2Label, classify::kBeta3Label},
                  painter.Profile);

  if (flags.meeting && meeting.relation == scene::PlanesRelation::kSecant) {
    const P3 on = Of(meeting.H ? *meeting.H : (meeting.V ? *meeting.V : *meeting.profile));
    const P3 u{meeting.direction.x.ToDouble(), meeting.direction.y.ToDouble(),
               meeting.direction.z.ToDouble()};
    if (flags.construction)
      DrawConstruction(painter, meeting, alpha.plane, beta.plane, on, u, views);
    // i is the answer: thick, unless the stretch where the plates cross is the one
    // to stand out.
    painter.SetDrawColor(kLineColour);
    painter.SetLineStyle(delgraph::psSolid, 0, flags.visibility ? 1 : 3);
    DrawLineOfMeeting(painter, on, u, views.h, views.flat, "i");
    DrawLineOfMeeting(painter, on, u, views.v, views.flat, "i'");
    DrawLineOfMeeting(painter, on, u, views.space, views.spaceBox, painter.Profile ? "i''" : "i");
    if (crossing) {
      painter.SetLineStyle(delgraph::psSolid, 0, 3);
      for (const ViewMap* map : {&views.h, &views.v})
        Stroke(painter, map->At(crossing->first), map->At(crossing->second), views.flat);
      Stroke(painter, views.space.At(crossing->first), views.space.At(crossing->second),
             views.spaceBox);
    }
    painter.SetDrawColor(kTraceColour);
    if (meeting.H) {
      const P3 H = Of(*meeting.H);
      Ring(painter, views.h.At(H), "h", views.flat);
      Ring(painter, views.v.At(H), "h'", views.flat);
      if (!painter.Profile) Ring(painter, views.space.At(H), "H", views.spaceBox);
    }
    if (meeting.V) {
      const P3 V = Of(*meeting.V);
      Ring(painter, views.h.At(V), "v", views.flat);
      Ring(painter, views.v.At(V), "v'", views.flat);
      if (!painter.Profile) Ring(painter, views.space.At(V), "V", views.spaceBox);
    }
  }
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  RestoreTextStyle(painter);
  painter.SetPenColorValue(pen);
}

}  // namespace drawing
