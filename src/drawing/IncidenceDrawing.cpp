#include "drawing/IncidenceDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "classify/IncidenceNames.h"
#include "delgraph/delgraph.h"
#include "drawing/PlaneDrawing.h"
#include "drawing/Projections.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"
#include "scene/WideInt.h"

namespace drawing {

namespace {

using scene::ExactPoint;
using scene::Int256;
using scene::WideFraction;
using scene::WideVector;

constexpr std::int32_t kLineColour = 1;         // 1 asks DrawSceneLine for black, as a line's
constexpr std::int32_t kReferenceColour = 12;   // r projected onto H and V in space
constexpr std::int32_t kPointLabelColour = 13;  // p, d, e, i: light magenta, as a point's
constexpr std::int32_t kLineLabelColour = 3;    // r, r': cyan, as a line's end points
constexpr double kLabelInset = 18.0;            // pixels from the visible end
constexpr std::int32_t kLabelWidth = 22;
constexpr std::int32_t kLabelHeight = 18;

// ---- Exact parts of r -------------------------------------------------------------

int SignOf(const Int256& v) {
  return v.IsZero() ? 0 : (v.IsNegative() ? -1 : 1);
}

// Parameters along r: numerators and denominators below 2^99, products inside Int256.
bool Less(const WideFraction& a, const WideFraction& b) {
  return a.num() * b.den() < b.num() * a.den();
}

// c0 + c1 t along r = D + t u, with its zero worked out once (none when c1 is 0).
struct Linear {
  Int256 c0, c1;
  std::optional<WideFraction> zero;
};

Linear LinearOf(const Int256& c0, const Int256& c1) {
  return {c0, c1, c1.IsZero() ? std::nullopt : std::optional(WideFraction::Of(-c0, c1))};
}

// The sign of f on the open piece that ends at hi, which holds no zero of f.
int SignOn(const Linear& f, const WideFraction& hi) {
  if (!f.zero) return SignOf(f.c0);
  return Less(*f.zero, hi) ? SignOf(f.c1) : -SignOf(f.c1);
}

Int256 Cross2(const Int256& ax, const Int256& ay, const Int256& bx, const Int256& by) {
  return ax * by - ay * bx;
}

// One projection of the triangle: the signed distance functions of r to its three
// edges (as 2D cross products, below 2^66) and the triangle's orientation. The
// projection of r runs strictly inside where all three have the orientation's sign.
struct TriangleShadow {
  Linear edges[3];
  int orientation = 0;
};

// q picks the second coordinate of the projection: the alejamiento for H, the cota for V.
TriangleShadow ShadowOf(const DihedralPoint (&T)[3], const DihedralPoint& D, const WideVector& u,
                        std::int32_t DihedralPoint::*q, const Int256 WideVector::*uq) {
  TriangleShadow s;
  for (int k = 0; k < 3; ++k) {
    const DihedralPoint& P = T[k];
    const DihedralPoint& Q = T[(k + 1) % 3];
    const Int256 ex = Int256(Q.abscissa) - P.abscissa, eq = Int256(Q.*q) - P.*q;
    s.edges[k] = LinearOf(Cross2(ex, eq, Int256(D.abscissa) - P.abscissa, Int256(D.*q) - P.*q),
                          Cross2(ex, eq, u.x, u.*uq));
  }
  s.orientation = SignOf(Cross2(Int256(T[1].abscissa) - T[0].abscissa, Int256(T[1].*q) - T[0].*q,
                                Int256(T[2].abscissa) - T[0].abscissa, Int256(T[2].*q) - T[0].*q));
  return s;
}

bool Inside(const TriangleShadow& s, const WideFraction& hi) {
  if (s.orientation == 0) return false;  // the plate seen edge on hides nothing
  for (const Linear& e : s.edges)
    if (SignOn(e, hi) != s.orientation) return false;
  return true;
}

struct Piece {
  WideFraction from, to;
  bool seen = true;
};

enum class Projection { kSpace, kHorizontal, kVertical };

// r = D + t u with the plane, the plate and the planes of projection, as linear
// functions of t whose zeros are where a piece may start or end.
class PlateAndLine {
 public:
  PlateAndLine(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C,
               const scene::PlaneEquation& plane, const DihedralPoint& D, const DihedralPoint& E)
      : D_(D), u_(scene::DirectionOf(D, E)) {
    const DihedralPoint T[3] = {A, B, C};
    const WideVector n{plane.nx, plane.ny, plane.nz};
    alejamiento_ = LinearOf(D.alejamiento, u_.y);
    cota_ = LinearOf(D.cota, u_.z);
    // n . X - d: its sign is the side of the plane; n_z times the height over it.
    plate_ = LinearOf(n.x * D.abscissa + n.y * D.alejamiento + n.z * D.cota - Int256(plane.d),
                      n.x * u_.x + n.y * u_.y + n.z * u_.z);
    nzSign_ = SignOf(n.z);
    nySign_ = SignOf(n.y);
    onH_ = ShadowOf(T, D, u_, &DihedralPoint::alejamiento, &WideVector::y);
    onV_ = ShadowOf(T, D, u_, &DihedralPoint::cota, &WideVector::z);
  }

  // Where r meets the plane, for a secant r: t = (d - n . D) / (n . u).
  const std::optional<WideFraction>& Meeting() const { return plate_.zero; }

  // The point at t, as drawing wants it: rounded only now, each coordinate one
  // quotient of exact values (below 2^132).
  EndPointPositions PositionsAt(Painter& painter, const WideFraction& t) const {
    const double den = t.den().ToDouble();
    const auto at = [&](std::int32_t d, const Int256& ui) {
      return (Int256(d) * t.den() + t.num() * ui).ToDouble() / den;
    };
    return drawing::PositionsAt(painter, at(D_.abscissa, u_.x), at(D_.alejamiento, u_.y),
                                at(D_.cota, u_.z));
  }

  // The pieces of r from lo to hi in one projection, split exactly at every place
  // where what hides it may change; all one seen piece with visibility off.
  std::vector<Piece> Pieces(const WideFraction& lo, const WideFraction& hi, Projection p,
                            bool visibility) const {
    if (!visibility) return {{lo, hi, true}};
    std::vector<const Linear*> cuts{&alejamiento_, &cota_};
    if (p != Projection::kSpace) cuts.push_back(&plate_);
    const TriangleShadow* shadow = p == Projection::kHorizontal ? &onH_
                                   : p == Projection::kVertical ? &onV_
                                                                : nullptr;
    if (shadow != nullptr)
      for (const Linear& e : shadow->edges) cuts.push_back(&e);
    std::vector<WideFraction> stops{lo, hi};
    for (const Linear* f : cuts)
      if (f->zero && Less(lo, *f->zero) && Less(*f->zero, hi)) stops.push_back(*f->zero);
    std::sort(stops.begin(), stops.end(), Less);
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    std::vector<Piece> pieces;
    for (std::size_t k = 0; k + 1 < stops.size(); ++k) {
      const WideFraction& to = stops[k + 1];
      pieces.push_back({stops[k], to, Seen(to, shadow, p)});
    }
    return pieces;
  }

 private:
  // Whether the piece that ends at `to` is seen; every sign is constant on it.
  bool Seen(const WideFraction& to, const TriangleShadow* shadow, Projection p) const {
    const int y = SignOn(alejamiento_, to), z = SignOn(cota_, to);
    // The first quadrant and the halves that bound it, H anterior and V superior.
    if (y < 0 || z < 0 || (y == 0 && z == 0)) return false;
    if (shadow == nullptr || !Inside(*shadow, to)) return true;
    // Below the plate seen from above, behind it seen from the front.
    const int side = SignOn(plate_, to) * (p == Projection::kHorizontal ? nzSign_ : nySign_);
    return side >= 0;
  }

  DihedralPoint D_;
  WideVector u_;
  Linear alejamiento_, cota_, plate_;
  int nzSign_ = 0, nySign_ = 0;
  TriangleShadow onH_, onV_;
};

EndPointPositions PositionsOf(Painter& painter, const ExactPoint& P) {
  return PositionsAt(painter, P.abscissa.ToDouble(), P.alejamiento.ToDouble(), P.cota.ToDouble());
}

void DrawPieces(Painter& painter, const PlateAndLine& r, const std::vector<Piece>& pieces,
                std::initializer_list<SurfacePoint EndPointPositions::*> views,
                std::int32_t colour) {
  for (const Piece& piece : pieces) {
    const EndPointPositions from = r.PositionsAt(painter, piece.from);
    const EndPointPositions to = r.PositionsAt(painter, piece.to);
    painter.SetLineStyle(piece.seen ? delgraph::psSolid : delgraph::psDash, 0, 3);
    for (SurfacePoint EndPointPositions::*v : views)
      DrawSceneLine(painter, (from.*v).x, (from.*v).y, (to.*v).x, (to.*v).y, colour);
  }
}

// ---- Thin lines across the flat view -------------------------------------------------

struct Vec {
  double x = 0.0, y = 0.0;
};

struct FlatFrame {
  double left, top, right, bottom;
};

FlatFrame FlatFrameOf(const Painter& painter) {
  return {double(painter.ScaleX(179)), double(painter.ScaleY(19)), double(painter.ScaleX(308)),
          double(painter.ScaleY(141))};
}

// Half to even, as the end points round; every value here lies within the frame.
std::int32_t Px(double v) {
  return static_cast<std::int32_t>(std::nearbyint(v));
}

// A point and a direction of a line in space, in units; only drawing reads them.
struct SpaceLine {
  double x, y, z;
  double dx, dy, dz;
};

double ToUnit(const Int256& v, double scale) {
  return v.ToDouble() / scale;
}

// The direction scaled to its largest component: doubles of any size stay finite.
SpaceLine LineOf(const ExactPoint& P, const WideVector& d) {
  const double big = std::max(
      {std::fabs(d.x.ToDouble()), std::fabs(d.y.ToDouble()), std::fabs(d.z.ToDouble()), 1.0});
  return {P.abscissa.ToDouble(), P.alejamiento.ToDouble(), P.cota.ToDouble(),
          ToUnit(d.x, big),      ToUnit(d.y, big),         ToUnit(d.z, big)};
}

// The part of p + s d inside the frame, with its two ends; none when it misses it.
// A direction of no length is a point, drawn as a small ring when inside.
struct Visible {
  bool shown = false;
  Vec from, to;
};

Visible Clip(Vec p, Vec d, const FlatFrame& f) {
  Visible v;
  const double length2 = d.x * d.x + d.y * d.y;
  if (length2 == 0.0) {
    v.shown = p.x >= f.left && p.x <= f.right && p.y >= f.top && p.y <= f.bottom;
    v.from = v.to = p;
    return v;
  }
  // From the point of the line nearest the frame's centre: no far point is needed.
  const Vec c{(f.left + f.right) / 2.0, (f.top + f.bottom) / 2.0};
  const double s0 = ((c.x - p.x) * d.x + (c.y - p.y) * d.y) / length2;
  p = {p.x + s0 * d.x, p.y + s0 * d.y};
  double t0 = -1.0e9, t1 = 1.0e9;
  const auto side = [&](double q, double dq, double lo, double hi) {
    if (dq == 0.0) return q >= lo && q <= hi;
    double a = (lo - q) / dq, b = (hi - q) / dq;
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
  };
  if (!side(p.x, d.x, f.left, f.right) || !side(p.y, d.y, f.top, f.bottom)) return v;
  v.shown = true;
  v.from = {p.x + t0 * d.x, p.y + t0 * d.y};
  v.to = {p.x + t1 * d.x, p.y + t1 * d.y};
  return v;
}

// The label near the end of a drawn line that lies further right, moved into the frame.
void FlatLabel(Painter& painter, const Visible& v, const std::string& text, const FlatFrame& f) {
  if (!v.shown) return;
  const bool toRight = v.to.x >= v.from.x;
  const Vec end = toRight ? v.to : v.from, other = toRight ? v.from : v.to;
  const double dx = other.x - end.x, dy = other.y - end.y;
  const double length = std::hypot(dx, dy);
  const double k = length > 0.0 ? std::min(kLabelInset, length / 2.0) / length : 0.0;
  const double x = std::clamp(end.x + k * dx + 4.0, f.left + 2.0, f.right - kLabelWidth);
  const double y =
      std::clamp(end.y + k * dy - kLabelHeight / 2.0, f.top + 2.0, f.bottom - kLabelHeight);
  painter.DrawText(Px(x), Px(y), text);
}

void DrawVisible(Painter& painter, const Visible& v) {
  if (!v.shown) return;
  if (v.from.x == v.to.x && v.from.y == v.to.y) {
    painter.DrawCircle(Px(v.from.x), Px(v.from.y), 2);
    return;
  }
  painter.DrawLine(Px(v.from.x), Px(v.from.y), Px(v.to.x), Px(v.to.y));
}

// Both projections of a line in the flat view, thin, labelled "h" and "h'" for name
// "h"; a plane's trace in V keeps its name as it is (beta 2). The current pen draws them.
void DrawFlatLine(Painter& painter, const SpaceLine& l, const std::string& name, bool horizontal,
                  bool vertical, bool primed = true) {
  const FlatFrame f = FlatFrameOf(painter);
  const Vec o{double(painter.FlatOrigin.x), double(painter.FlatOrigin.y)};
  painter.SetLineStyle(delgraph::psSolid, 0, 1);
  painter.SetTextStyle(0, 0, 1);
  if (horizontal) {  // alejamiento down
    const Visible h = Clip({o.x + l.x, o.y + l.y}, {l.dx, l.dy}, f);
    DrawVisible(painter, h);
    FlatLabel(painter, h, name, f);
  }
  if (vertical) {  // cota up
    const Visible v = Clip({o.x + l.x, o.y - l.z}, {l.dx, -l.dz}, f);
    DrawVisible(painter, v);
    FlatLabel(painter, v, primed ? name + "'" : name, f);
  }
}

// A trace a u + b q = c of an auxiliary plane, thin, as a line of its plane of projection.
void DrawAuxiliaryTrace(Painter& painter, const scene::PlaneTrace& t, bool onH,
                        const std::string& name) {
  if (!t.exists) return;
  const double a = double(t.a), b = double(t.b), c = double(t.c);
  const double norm2 = a * a + b * b;
  // The point of the trace nearest the origin, and its direction (b, -a).
  const double u0 = a * c / norm2, q0 = b * c / norm2;
  const SpaceLine l = onH ? SpaceLine{u0, q0, 0.0, b, -a, 0.0} : SpaceLine{u0, 0.0, q0, b, 0.0, -a};
  DrawFlatLine(painter, l, name, onH, !onH, false);
}

// ---- The figure's parts --------------------------------------------------------------

void DrawExactPoint(Painter& painter, const ExactPoint& P, const std::string& letter) {
  const EndPointPositions r = PositionsOf(painter, P);
  constexpr std::int32_t kRefColour = kReferenceColour;
  DrawReferenceSegment(painter, r.S.x, r.S.y, r.Vp.x, r.Vp.y, kRefColour);
  DrawReferenceSegment(painter, r.S.x, r.S.y, r.Hp.x, r.Hp.y, kRefColour);
  DrawReferenceSegment(painter, r.G.x, r.G.y, r.h.x, r.h.y, kRefColour);
  DrawReferenceSegment(painter, r.G.x, r.G.y, r.v.x, r.v.y, kRefColour);
  painter.SetDrawColor(kPointLabelColour);
  DrawPointLabels(painter, letter, r.S, r.h, r.v);
}

void DrawDataPoint(Painter& painter, const DihedralPoint& P, const std::string& letter) {
  const EndPointPositions r = DrawEndPoint(painter, P);
  painter.SetDrawColor(kPointLabelColour);
  DrawPointLabels(painter, letter, r.S, r.h, r.v);
}

// The horizontal line of the plane over p: h through p parallel to alpha 1, h' parallel
// to L.T. at the cota the plane has over p, which is p' exactly when P belongs. A
// plane perpendicular to H holds no point over p unless p lies on alpha 1; then h'
// goes through p', and otherwise only h is drawn.
void DrawHorizontalThroughP(Painter& painter, const scene::PlaneEquation& plane,
                            const DihedralPoint& P) {
  const Int256 nx(plane.nx), ny(plane.ny), nz(plane.nz);
  // A plane parallel to H has every line horizontal: take the one parallel to L.T.
  const WideVector d = nx.IsZero() && ny.IsZero() ? WideVector{1, 0, 0} : WideVector{ny, -nx, 0};
  std::optional<WideFraction> cota;
  if (!nz.IsZero()) {
    cota = WideFraction::Of(Int256(plane.d) - nx * P.abscissa - ny * P.alejamiento,
                            nz);  // < 2^99 / 2^65
  } else if (scene::PointAndPlane(plane, P) == scene::PointPlane::kBelongs) {
    cota = WideFraction(Int256(P.cota));
  }
  const ExactPoint at{Int256(P.abscissa), Int256(P.alejamiento), cota.value_or(WideFraction())};
  DrawFlatLine(painter, LineOf(at, d), "h", true, cota.has_value());
}

// The projecting plane through r perpendicular to H (for a vertical r, the frontal
// plane through it) with its traces, and the line s where it cuts the plane: s'
// crosses r' at i'.
void DrawProjectingPlaneConstruction(Painter& painter, const scene::PlaneEquation& plane,
                                     const DihedralPoint& D, const DihedralPoint& E) {
  const std::int64_t ux = std::int64_t{E.abscissa} - D.abscissa;
  const std::int64_t uy = std::int64_t{E.alejamiento} - D.alejamiento;
  scene::PlaneEquation beta;
  beta.nx = uy;
  beta.ny = -ux;
  if (ux == 0 && uy == 0) beta.ny = 1;                      // vertical r
  beta.d = beta.nx * D.abscissa + beta.ny * D.alejamiento;  // < 2^65
  const scene::PlaneTraces traces = scene::TracesOf(beta);
  const std::string b = "\xCE\xB2";  // beta
  DrawAuxiliaryTrace(painter, traces.horizontal, true, b + "1");
  DrawAuxiliaryTrace(painter, traces.vertical, false, b + "2");
  const scene::PlanesMeeting s = scene::TwoPlanes(plane, beta);
  if (s.relation != scene::PlanesRelation::kSecant) return;
  const std::optional<ExactPoint>& at = s.H ? s.H : (s.V ? s.V : s.profile);
  // s lies in beta, which projects onto beta 1: only s' adds a line.
  if (at) DrawFlatLine(painter, LineOf(*at, s.direction), "s", false, true);
}

std::string DrawNotableLines(Painter& painter, const scene::PlaneEquation& plane,
                             const DihedralPoint& A) {
  const scene::NotableLines lines = scene::NotableLinesOf(plane);
  const ExactPoint at = scene::ExactPointOf(A);
  const std::pair<const scene::NotableLine*, const char*> named[] = {{&lines.horizontal, "h"},
                                                                     {&lines.frontal, "f"},
                                                                     {&lines.maxSlope, "mp"},
                                                                     {&lines.maxInclination, "mi"}};
  for (const auto& [line, name] : named)
    if (line->direction) DrawFlatLine(painter, LineOf(at, *line->direction), name, true, true);
  return classify::NotableLackText(lines);
}

// The thin lines under the data, then the pen and styles as promised.
struct Restorer {
  Painter& painter;
  delgraph::ColorValue pen;
  explicit Restorer(Painter& p) : painter(p), pen(p.GetPenColor()) {}
  ~Restorer() {
    painter.SetLineStyle(delgraph::psSolid, 0, 1);
    RestoreTextStyle(painter);
    painter.SetPenColorValue(pen);
  }
};

std::string DrawNotable(Painter& painter, const scene::PlaneEquation& plane, const DihedralPoint& A,
                        const IncidenceView& view) {
  if (!view.notable || view.answerHidden) return {};
  painter.SetDrawColor(kNotableColour);
  return DrawNotableLines(painter, plane, A);
}

}  // namespace

std::string DrawPointAndPlane(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                              const DihedralPoint& C, const DihedralPoint& P,
                              const IncidenceView& view) {
  const Restorer restorer(painter);
  DrawPlane(painter, A, B, C, view.edited, view.answerHidden);
  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  const std::string lack = DrawNotable(painter, plane, A, view);
  if (view.construction && !view.answerHidden && plane.Defined()) {
    painter.SetDrawColor(kConstructionColour);
    DrawHorizontalThroughP(painter, plane, P);
  }
  DrawDataPoint(painter, P, "p");
  return lack;
}

std::string DrawLineAndPlane(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                             const DihedralPoint& C, const DihedralPoint& D, const DihedralPoint& E,
                             const IncidenceView& view) {
  const Restorer restorer(painter);
  DrawPlane(painter, A, B, C, view.edited, view.answerHidden);
  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  const std::string lack = DrawNotable(painter, plane, A, view);
  if (D == E) {
    DrawDataPoint(painter, D, "d");
    return lack;
  }
  const bool shown = !view.answerHidden;
  if (view.construction && shown && plane.Defined()) {
    painter.SetDrawColor(kConstructionColour);
    DrawProjectingPlaneConstruction(painter, plane, D, E);
  }
  DrawDataPoint(painter, D, "d");
  DrawDataPoint(painter, E, "e");

  const scene::LinePlaneMeeting meeting = scene::LineAndPlane(plane, D, E);
  const bool secant = meeting.relation == scene::LinePlane::kSecant && shown;
  // r from D to E, drawn on to I when I lies beyond them.
  const PlateAndLine r(A, B, C, plane, D, E);
  WideFraction lo(Int256(0)), hi(Int256(1));
  if (secant) {
    const WideFraction& tI = *r.Meeting();
    if (Less(tI, lo)) lo = tI;
    if (Less(hi, tI)) hi = tI;
  }
  const bool visibility = view.visibility && shown;
  const bool plate = visibility && plane.Defined();
  const auto pieces = [&](Projection p) {
    return r.Pieces(lo, hi, plate ? p : Projection::kSpace, visibility);
  };
  const std::vector<Piece> space = pieces(Projection::kSpace);
  DrawPieces(painter, r, space, {&EndPointPositions::S}, kLineColour);
  DrawPieces(painter, r, pieces(Projection::kHorizontal), {&EndPointPositions::h}, kLineColour);
  DrawPieces(painter, r, pieces(Projection::kVertical), {&EndPointPositions::v}, kLineColour);
  if (!painter.Profile)
    DrawPieces(painter, r, space, {&EndPointPositions::Hp, &EndPointPositions::Vp},
               kReferenceColour);
  painter.SetLineStyle(delgraph::psSolid, 0, 1);

  // r and r' beside the projections' end towards E.
  const EndPointPositions end = r.PositionsAt(painter, hi);
  painter.SetDrawColor(kLineLabelColour);
  painter.SetTextStyle(0, 0, 1);
  const auto beside = [&](const SurfacePoint& at, const char* name) {
    painter.DrawLabel(at.x, at.y, scene::Saturate32(std::int64_t{at.x} + 6),
                      scene::Saturate32(std::int64_t{at.y} - 14), name);
  };
  beside(end.h, "r");
  beside(end.v, "r'");
  RestoreTextStyle(painter);

  if (secant) DrawExactPoint(painter, meeting.I, "i");
  return lack;
}

}  // namespace drawing
