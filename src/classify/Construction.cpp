#include "classify/Construction.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"

namespace classify {

namespace {

constexpr double kEpsilon = 1e-9;

FlatPoint operator+(const FlatPoint& a, const FlatPoint& b) {
  return {a.x + b.x, a.y + b.y};
}
FlatPoint operator-(const FlatPoint& a, const FlatPoint& b) {
  return {a.x - b.x, a.y - b.y};
}
FlatPoint operator*(double k, const FlatPoint& a) {
  return {k * a.x, k * a.y};
}
double Cross(const FlatPoint& a, const FlatPoint& b) {
  return a.x * b.y - a.y * b.x;
}

// A line of the drawing: through p along d (d not zero).
struct FlatLine {
  FlatPoint p, d;
};

FlatLine Through(const FlatPoint& a, const FlatPoint& b) {
  return {a, b - a};
}

std::optional<FlatPoint> Meet(const FlatLine& l, const FlatLine& m) {
  const double den = Cross(l.d, m.d);
  const double size = std::hypot(l.d.x, l.d.y) * std::hypot(m.d.x, m.d.y);
  if (std::fabs(den) <= kEpsilon * size) return std::nullopt;
  const double t = Cross(m.p - l.p, m.d) / den;
  return l.p + t * l.d;
}

// Where a line of the drawing crosses L.T.; none when it runs along it.
std::optional<FlatPoint> OnGroundLine(const FlatLine& l) {
  return Meet(l, {{0.0, 0.0}, {1.0, 0.0}});
}

// The part of an endless line inside the box (Liang-Barsky); none when it misses it.
std::optional<std::pair<FlatPoint, FlatPoint>> Clip(const FlatLine& l, const FlatBox& box) {
  double t0 = -1e300, t1 = 1e300;
  const double p[4] = {-l.d.x, l.d.x, -l.d.y, l.d.y};
  const double q[4] = {l.p.x - box.left, box.right - l.p.x, l.p.y - box.bottom, box.top - l.p.y};
  for (int i = 0; i < 4; ++i) {
    if (std::fabs(p[i]) < kEpsilon) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
  }
  if (t0 > t1) return std::nullopt;
  return std::make_pair(l.p + t0 * l.d, l.p + t1 * l.d);
}

FlatPoint Mix(const FlatPoint& a, const FlatPoint& b, double t) {
  return a + t * (b - a);
}

// An endless line across the box, labelled near its far end.
void AddEndless(Layer& layer, const FlatLine& l, const FlatBox& box, StrokeRole role,
                const std::string& label, bool towardsRight = true) {
  const auto part = Clip(l, box);
  if (!part) return;
  layer.strokes.push_back({part->first, part->second, role, false});
  if (label.empty()) return;
  const bool firstRight = part->first.x > part->second.x ||
                          (part->first.x == part->second.x && part->first.y > part->second.y);
  const FlatPoint end = (firstRight == towardsRight) ? part->first : part->second;
  const FlatPoint other = (firstRight == towardsRight) ? part->second : part->first;
  layer.labels.push_back({Mix(end, other, 0.08), label, role, false});
}

void AddSegment(Layer& layer, const FlatPoint& a, const FlatPoint& b, StrokeRole role,
                bool dashed = false) {
  layer.strokes.push_back({a, b, role, dashed});
}

// A point's label, with its ring.
void AddLabel(Layer& layer, const FlatPoint& at, const std::string& text, StrokeRole role) {
  layer.labels.push_back({at, text, role, true});
}

// A line's label, beside it.
void AddLineLabel(Layer& layer, const FlatPoint& at, const std::string& text, StrokeRole role) {
  layer.labels.push_back({at, text, role, false});
}

std::string Numbered(std::size_t n, const std::string& text) {
  return std::to_string(n) + ". " + text;
}

void AddStep(Construction& c, Layer step, const std::string& text) {
  step.sentence = Numbered(c.steps.size() + 1, text);
  c.steps.push_back(std::move(step));
}

FlatPoint Plan(const DihedralPoint& p) {
  return HorizontalProjection(p.abscissa, p.alejamiento);
}
FlatPoint Elevation(const DihedralPoint& p) {
  return VerticalProjection(p.abscissa, p.cota);
}

// A plane's traces in the drawing: alpha 1 (nx x + ny y = d at cota 0) drawn where the
// alejamiento is -Y, alpha 2 (nx x + nz z = d at alejamiento 0).
std::optional<FlatLine> FirstTrace(const scene::PlaneEquation& n) {
  const double nx = static_cast<double>(n.nx), ny = static_cast<double>(n.ny),
               d = static_cast<double>(n.d);
  if (n.nx == 0 && n.ny == 0) return std::nullopt;
  // nx x - ny Y = d
  const FlatPoint dir{ny, nx};
  const FlatPoint p = n.nx != 0 ? FlatPoint{d / nx, 0.0} : FlatPoint{0.0, -d / ny};
  return FlatLine{p, dir};
}

std::optional<FlatLine> SecondTrace(const scene::PlaneEquation& n) {
  const double nx = static_cast<double>(n.nx), nz = static_cast<double>(n.nz),
               d = static_cast<double>(n.d);
  if (n.nx == 0 && n.nz == 0) return std::nullopt;
  const FlatPoint dir{-nz, nx};
  const FlatPoint p = n.nx != 0 ? FlatPoint{d / nx, 0.0} : FlatPoint{0.0, d / nz};
  return FlatLine{p, dir};
}

const FlatLine kVerticalDir{{0.0, 0.0}, {0.0, 1.0}};

FlatLine Perpendicular(double x) {
  return {{x, 0.0}, kVerticalDir.d};
}

FlatPoint Nearest(const FlatPoint& to, const FlatPoint& a, const FlatPoint& b) {
  const FlatPoint da = a - to, db = b - to;
  return std::hypot(da.x, da.y) <= std::hypot(db.x, db.y) ? a : b;
}

FlatPoint PlanOf(const scene::ExactPoint& p) {
  return HorizontalProjection(p.abscissa.ToDouble(), p.alejamiento.ToDouble());
}
FlatPoint ElevationOf(const scene::ExactPoint& p) {
  return VerticalProjection(p.abscissa.ToDouble(), p.cota.ToDouble());
}

// The plane's traces as data.
bool AddPlaneData(Layer& data, const scene::PlaneEquation& n, const FlatBox& box,
                  const std::string& name) {
  const auto first = FirstTrace(n);
  const auto second = SecondTrace(n);
  if (first) AddEndless(data, *first, box, StrokeRole::kData, name + "1", true);
  if (second) AddEndless(data, *second, box, StrokeRole::kData, name + "2", true);
  return first && second;
}

// ---- Traces of the line AB -------------------------------------------------------

void LineTraces(Construction& c, const DihedralPoint& A, const DihedralPoint& B,
                const FlatBox& box) {
  const FlatPoint a = Plan(A), b = Plan(B), a1 = Elevation(A), b1 = Elevation(B);
  AddSegment(c.data, a, b, StrokeRole::kData);
  AddSegment(c.data, a1, b1, StrokeRole::kData);
  AddSegment(c.data, a, a1, StrokeRole::kReference);
  AddSegment(c.data, b, b1, StrokeRole::kReference);
  AddLabel(c.data, a, "a", StrokeRole::kData);
  AddLabel(c.data, b, "b", StrokeRole::kData);
  AddLabel(c.data, a1, "a'", StrokeRole::kData);
  AddLabel(c.data, b1, "b'", StrokeRole::kData);
  AddLineLabel(c.data, Mix(a, b, 0.5), "r", StrokeRole::kData);
  AddLineLabel(c.data, Mix(a1, b1, 0.5), "r'", StrokeRole::kData);
  if (A == B) {
    c.lack = "A y B coinciden: no hay recta.";
    return;
  }
  if (A.abscissa == B.abscissa) {
    c.lack = "r está en un plano de perfil: sus trazas se hallan en la vista de perfil.";
    return;
  }
  if ((A.cota == 0 && B.cota == 0) || (A.alejamiento == 0 && B.alejamiento == 0)) {
    c.lack = "r está en un plano de proyección: es su propia traza.";
    return;
  }
  const FlatLine r = Through(a, b), r1 = Through(a1, b1);
  Marker h{"h", std::nullopt, ""}, v1{"v'", std::nullopt, ""};
  // h: where the cota is 0; v': where the alejamiento is 0, each exactly.
  if (A.cota != B.cota) {
    const double t = double(A.cota) / (double(A.cota) - double(B.cota));
    h.exact = HorizontalProjection(A.abscissa + t * (double(B.abscissa) - A.abscissa),
                                   A.alejamiento + t * (double(B.alejamiento) - A.alejamiento));
  } else {
    h.absence = "r es paralela a H: no tiene traza horizontal.";
  }
  if (A.alejamiento != B.alejamiento) {
    const double t = double(A.alejamiento) / (double(A.alejamiento) - double(B.alejamiento));
    v1.exact = VerticalProjection(A.abscissa + t * (double(B.abscissa) - A.abscissa),
                                  A.cota + t * (double(B.cota) - A.cota));
  } else {
    v1.absence = "r es paralela a V: no tiene traza vertical.";
  }
  c.markers = {h, v1};

  if (const auto h1 = OnGroundLine(r1); h1 && A.cota != B.cota) {
    Layer s1;
    AddSegment(s1, Nearest(*h1, a1, b1), *h1, StrokeRole::kAuxiliary);
    AddLabel(s1, *h1, "h'", StrokeRole::kAuxiliary);
    AddStep(c, std::move(s1),
            "Se prolonga r' hasta L.T.: el punto de corte es h', proyección vertical de la "
            "traza horizontal.");
    Layer s2;
    const auto hp = Meet(r, Perpendicular(h1->x));
    if (hp) {
      AddSegment(s2, *h1, *hp, StrokeRole::kReference);
      AddSegment(s2, Nearest(*hp, a, b), *hp, StrokeRole::kAuxiliary);
      AddLabel(s2, *hp, "h", StrokeRole::kAnswer);
    }
    AddStep(c, std::move(s2),
            "La perpendicular a L.T. por h' corta a r en h, la traza horizontal.");
  } else {
    AddStep(c, Layer(),
            "La proyección r' es paralela a L.T.: la recta es paralela a H y no tiene traza "
            "horizontal.");
  }
  if (const auto v = OnGroundLine(r); v && A.alejamiento != B.alejamiento) {
    Layer s3;
    AddSegment(s3, Nearest(*v, a, b), *v, StrokeRole::kAuxiliary);
    AddLabel(s3, *v, "v", StrokeRole::kAuxiliary);
    AddStep(c, std::move(s3),
            "Se prolonga r hasta L.T.: el punto de corte es v, proyección horizontal de la "
            "traza vertical.");
    Layer s4;
    const auto vp = Meet(r1, Perpendicular(v->x));
    if (vp) {
      AddSegment(s4, *v, *vp, StrokeRole::kReference);
      AddSegment(s4, Nearest(*vp, a1, b1), *vp, StrokeRole::kAuxiliary);
      AddLabel(s4, *vp, "v'", StrokeRole::kAnswer);
    }
    AddStep(c, std::move(s4), "La perpendicular a L.T. por v corta a r' en v', la traza vertical.");
  } else {
    AddStep(c, Layer(),
            "La proyección r es paralela a L.T.: la recta es paralela a V y no tiene traza "
            "vertical.");
  }
  (void)box;
}

// ---- The missing projection of P, a point of the plane ------------------------------

void MissingProjection(Construction& c, const scene::PlaneEquation& n, const DihedralPoint& P,
                       const FlatBox& box) {
  const FlatPoint p = Plan(P);
  AddLabel(c.data, p, "p", StrokeRole::kData);
  if (!n.Defined()) {
    c.lack = "A, B y C no determinan un plano.";
    return;
  }
  AddPlaneData(c.data, n, box, "α");
  if (n.nz == 0) {
    c.lack =
        "α es perpendicular a H: p' puede estar en cualquier punto de la perpendicular a "
        "L.T. por p.";
    return;
  }
  if (n.nx == 0) {
    c.lack = "α es paralelo a L.T.: p' se halla en la vista de perfil.";
    return;
  }
  const double nx = double(n.nx), ny = double(n.ny), nz = double(n.nz), d = double(n.d);
  const double cota = (d - nx * P.abscissa - ny * P.alejamiento) / nz;
  c.markers = {{"p'", VerticalProjection(P.abscissa, cota), ""}};

  // The horizontal line of alpha through P: its plan parallel to alpha 1 through p,
  // its vertical trace on alpha 2, its elevation parallel to L.T.
  const FlatLine h{p, {ny, nx}};
  const auto v = OnGroundLine(h);
  const auto second = SecondTrace(n);
  if (!v || !second) {
    c.lack = "α es paralelo a L.T.: p' se halla en la vista de perfil.";
    c.markers.clear();
    return;
  }
  Layer s1;
  AddSegment(s1, p, *v, StrokeRole::kAuxiliary);
  AddLineLabel(s1, Mix(p, *v, 0.5), "h", StrokeRole::kAuxiliary);
  AddStep(c, std::move(s1),
          "Por p se traza h paralela a α1: la proyección horizontal de la recta horizontal de "
          "α que pasa por P.");
  const auto v1 = Meet(Perpendicular(v->x), *second);
  Layer s2;
  if (v1) {
    AddSegment(s2, *v, *v1, StrokeRole::kReference);
    AddLabel(s2, *v, "v", StrokeRole::kAuxiliary);
    AddLabel(s2, *v1, "v'", StrokeRole::kAuxiliary);
  }
  AddStep(c, std::move(s2),
          "h corta a L.T. en v; la perpendicular a L.T. por v corta a α2 en v', traza vertical "
          "de la horizontal.");
  Layer s3;
  const FlatPoint p1 = v1 ? FlatPoint{p.x, v1->y} : FlatPoint{p.x, cota};
  if (v1) {
    AddSegment(s3, *v1, p1, StrokeRole::kAuxiliary);
    AddLineLabel(s3, Mix(*v1, p1, 0.5), "h'", StrokeRole::kAuxiliary);
  }
  AddStep(c, std::move(s3), "Por v' se traza h', paralela a L.T.");
  Layer s4;
  AddSegment(s4, p, p1, StrokeRole::kReference);
  AddLabel(s4, p1, "p'", StrokeRole::kAnswer);
  AddStep(c, std::move(s4), "La perpendicular a L.T. por p corta a h' en p'.");
}

// ---- Where the line DE meets the plane ---------------------------------------------

void LineAndPlane(Construction& c, const scene::PlaneEquation& n, const DihedralPoint& D,
                  const DihedralPoint& E, const FlatBox& box) {
  const FlatPoint d = Plan(D), e = Plan(E), d1 = Elevation(D), e1 = Elevation(E);
  if (!n.Defined()) {
    c.lack = "A, B y C no determinan un plano.";
    return;
  }
  AddPlaneData(c.data, n, box, "α");
  if (D == E) {
    c.lack = "D y E coinciden: no hay recta.";
    return;
  }
  const FlatLine r = Through(d, e), r1 = Through(d1, e1);
  const bool hasPlan = !(D.abscissa == E.abscissa && D.alejamiento == E.alejamiento);
  const bool hasElevation = !(D.abscissa == E.abscissa && D.cota == E.cota);
  if (hasPlan) AddEndless(c.data, r, box, StrokeRole::kData, "r", false);
  if (hasElevation) AddEndless(c.data, r1, box, StrokeRole::kData, "r'", false);
  const scene::LinePlaneMeeting meeting = scene::LineAndPlane(n, D, E);
  if (meeting.relation == scene::LinePlane::kContained) {
    c.lack = "r está contenida en α: todos sus puntos son comunes.";
    return;
  }
  if (meeting.relation != scene::LinePlane::kSecant) {
    c.lack = "r es paralela a α: no lo corta.";
    return;
  }
  c.markers = {{"i", PlanOf(meeting.I), ""}, {"i'", ElevationOf(meeting.I), ""}};
  const auto first = FirstTrace(n);
  const auto second = SecondTrace(n);
  // The projecting plane beta through r: perpendicular to H when r crosses L.T. in
  // plan, else perpendicular to V.
  const bool viaH = hasPlan && OnGroundLine(r).has_value();
  const bool viaV = !viaH && hasElevation && OnGroundLine(r1).has_value();
  if ((!viaH && !viaV) || !hasPlan || !hasElevation) {
    c.lack =
        "r es de perfil o perpendicular a un plano de proyección: I se halla en la vista "
        "de perfil o como la proyección que falta de un punto de α.";
    c.markers.clear();
    return;
  }
  const FlatLine own = viaH ? r : r1;    // beta's trace that is r itself
  const FlatLine other = viaH ? r1 : r;  // the projection the answer is read on
  const FlatPoint foot = *OnGroundLine(own);
  const FlatLine across = Perpendicular(foot.x);  // beta's other trace
  const char* ownName = viaH ? "β1" : "β2";
  const char* acrossName = viaH ? "β2" : "β1";

  Layer s1;
  AddEndless(s1, across, box, StrokeRole::kAuxiliary, acrossName, viaH);
  AddStep(c, std::move(s1),
          viaH ? "Por r se hace pasar el plano β perpendicular a H: su traza vertical β2 es la "
                 "perpendicular a L.T. por el punto donde r corta a L.T."
               : "Por r se hace pasar el plano β perpendicular a V: su traza horizontal β1 es la "
                 "perpendicular a L.T. por el punto donde r' corta a L.T.");
  Layer s2;
  AddSegment(s2, Nearest(foot, viaH ? d : d1, viaH ? e : e1), foot, StrokeRole::kAuxiliary);
  AddLineLabel(s2, Mix(foot, Nearest(foot, viaH ? d : d1, viaH ? e : e1), 0.3),
               std::string(ownName) + (viaH ? " ≡ r" : " ≡ r'"), StrokeRole::kAuxiliary);
  AddStep(c, std::move(s2),
          viaH ? "La traza horizontal de β, proyectante de r, es r misma: β1 ≡ r."
               : "La traza vertical de β, proyectante de r, es r' misma: β2 ≡ r'.");
  // s1 where beta 1 meets alpha 1, s2 where beta 2 meets alpha 2.
  const std::optional<FlatLine> ownTrace = viaH ? first : second;
  const std::optional<FlatLine> acrossTrace = viaH ? second : first;
  const auto onOwn = ownTrace ? Meet(own, *ownTrace) : std::nullopt;
  const auto onAcross = acrossTrace ? Meet(across, *acrossTrace) : std::nullopt;
  Layer s3;
  if (onOwn) AddLabel(s3, *onOwn, viaH ? "s1" : "s2", StrokeRole::kAuxiliary);
  if (onAcross) AddLabel(s3, *onAcross, viaH ? "s2" : "s1", StrokeRole::kAuxiliary);
  AddStep(c, std::move(s3),
          "β corta a α en la recta s: s1 donde β1 corta a α1, s2 donde β2 corta a α2.");
  // s in the other projection: through the point of L.T. under the trace on r's own
  // projection, and the trace on beta's other trace; parallel to L.T. when one is
  // missing.
  Layer s4;
  std::optional<FlatLine> sOther;
  if (onOwn && onAcross) {
    const FlatPoint base{onOwn->x, 0.0};
    AddSegment(s4, *onOwn, base, StrokeRole::kReference);
    sOther = Through(base, *onAcross);
  } else if (onAcross) {
    sOther = FlatLine{*onAcross, {1.0, 0.0}};
  } else if (onOwn) {
    sOther = FlatLine{{onOwn->x, 0.0}, {0.0, 1.0}};
  }
  if (sOther) AddEndless(s4, *sOther, box, StrokeRole::kAuxiliary, viaH ? "s'" : "s", true);
  AddStep(c, std::move(s4),
          viaH ? "La proyección vertical s' une la proyección de s1, sobre L.T., con s2; la "
                 "horizontal s coincide con r."
               : "La proyección horizontal s une la proyección de s2, sobre L.T., con s1; la "
                 "vertical s' coincide con r'.");
  Layer s5;
  if (sOther) {
    if (const auto iOther = Meet(*sOther, other)) {
      const auto iOwn = Meet(own, Perpendicular(iOther->x));
      if (iOwn) AddSegment(s5, *iOther, *iOwn, StrokeRole::kReference);
      AddLabel(s5, *iOther, viaH ? "i'" : "i", StrokeRole::kAnswer);
      if (iOwn) AddLabel(s5, *iOwn, viaH ? "i" : "i'", StrokeRole::kAnswer);
    }
  }
  AddStep(c, std::move(s5),
          viaH ? "s' corta a r' en i'; la perpendicular a L.T. por i' corta a r en i."
               : "s corta a r en i; la perpendicular a L.T. por i corta a r' en i'.");
}

// ---- The line where two planes meet --------------------------------------------------

void PlanesMeet(Construction& c, const scene::PlaneEquation& alpha,
                const scene::PlaneEquation& beta, const FlatBox& box) {
  if (!alpha.Defined() || !beta.Defined()) {
    c.lack =
        !alpha.Defined() ? "A, B y C no determinan un plano." : "D, E y F no determinan un plano.";
    if (alpha.Defined()) AddPlaneData(c.data, alpha, box, "α");
    if (beta.Defined()) AddPlaneData(c.data, beta, box, "β");
    return;
  }
  AddPlaneData(c.data, alpha, box, "α");
  AddPlaneData(c.data, beta, box, "β");
  const scene::PlanesMeeting meeting = scene::TwoPlanes(alpha, beta);
  if (meeting.relation != scene::PlanesRelation::kSecant) {
    c.lack = meeting.relation == scene::PlanesRelation::kParallel
                 ? "α y β son paralelos: no se cortan."
                 : "α y β coinciden: todos sus puntos son comunes.";
    return;
  }
  Marker h{"h", std::nullopt, ""}, v1{"v'", std::nullopt, ""};
  if (meeting.H)
    h.exact = PlanOf(*meeting.H);
  else
    h.absence = "i es paralela a H: no tiene traza horizontal.";
  if (meeting.V)
    v1.exact = ElevationOf(*meeting.V);
  else
    v1.absence = "i es paralela a V: no tiene traza vertical.";
  c.markers = {h, v1};

  const auto a1 = FirstTrace(alpha), b1 = FirstTrace(beta);
  const auto a2 = SecondTrace(alpha), b2 = SecondTrace(beta);
  std::optional<FlatPoint> hp = (a1 && b1) ? Meet(*a1, *b1) : std::nullopt;
  std::optional<FlatPoint> vp = (a2 && b2) ? Meet(*a2, *b2) : std::nullopt;
  // A point of i in each projection, and i's direction when only one point is known.
  std::optional<FlatPoint> plan1, elev1, plan2, elev2;
  Layer s1;
  if (hp && box.Holds(*hp)) {
    const FlatPoint base{hp->x, 0.0};
    AddSegment(s1, *hp, base, StrokeRole::kReference);
    AddLabel(s1, *hp, "h", StrokeRole::kAnswer);
    AddLabel(s1, base, "h'", StrokeRole::kAuxiliary);
    plan1 = *hp;
    elev1 = base;
    AddStep(c, std::move(s1),
            "Las trazas horizontales α1 y β1 se cortan en h, traza horizontal de i; h' está "
            "en L.T.");
  } else if (a2 && b2 && a1 && b1) {
    // An auxiliary horizontal plane gamma cuts each plane in a horizontal line; the two
    // meet in a point of i.
    const double cota = vp && std::fabs(vp->y) > 1.0 ? vp->y / 2.0 : box.top / 2.0;
    const FlatLine gamma2{{0.0, cota}, {1.0, 0.0}};
    const auto ga = Meet(gamma2, *a2), gb = Meet(gamma2, *b2);
    if (ga && gb) {
      AddEndless(s1, gamma2, box, StrokeRole::kAuxiliary, "γ2", false);
      AddSegment(s1, *ga, {ga->x, 0.0}, StrokeRole::kReference);
      AddSegment(s1, *gb, {gb->x, 0.0}, StrokeRole::kReference);
      const FlatLine ha{{ga->x, 0.0}, a1->d}, hb{{gb->x, 0.0}, b1->d};
      if (const auto m = Meet(ha, hb)) {
        AddSegment(s1, {ga->x, 0.0}, *m, StrokeRole::kAuxiliary);
        AddSegment(s1, {gb->x, 0.0}, *m, StrokeRole::kAuxiliary);
        AddSegment(s1, *m, {m->x, cota}, StrokeRole::kReference);
        AddLabel(s1, *m, "m", StrokeRole::kAuxiliary);
        AddLabel(s1, {m->x, cota}, "m'", StrokeRole::kAuxiliary);
        plan1 = *m;
        elev1 = FlatPoint{m->x, cota};
      }
    }
    AddStep(c, std::move(s1),
            "α1 y β1 no se cortan en el dibujo: un plano horizontal auxiliar γ corta a α y a β "
            "en dos horizontales, que se cortan en m, punto de i.");
  } else {
    AddStep(c, std::move(s1),
            "α1 y β1 son paralelas: i es una recta horizontal, paralela a ellas.");
  }
  Layer s2;
  if (vp && box.Holds(*vp)) {
    const FlatPoint base{vp->x, 0.0};
    AddSegment(s2, *vp, base, StrokeRole::kReference);
    AddLabel(s2, *vp, "v'", StrokeRole::kAnswer);
    AddLabel(s2, base, "v", StrokeRole::kAuxiliary);
    plan2 = base;
    elev2 = *vp;
    AddStep(c, std::move(s2),
            "Las trazas verticales α2 y β2 se cortan en v', traza vertical de i; v está en "
            "L.T.");
  } else if (vp) {
    AddStep(c, std::move(s2), "α2 y β2 se cortan fuera del dibujo.");
  } else {
    AddStep(c, std::move(s2), "α2 y β2 son paralelas: i es una recta frontal, paralela a ellas.");
  }
  // i through the two points found, or through one along the traces' direction.
  Layer s3;
  std::optional<FlatLine> plan, elev;
  if (plan1 && plan2) {
    plan = Through(*plan1, *plan2);
    elev = Through(*elev1, *elev2);
  } else if (plan1 || plan2) {
    const FlatPoint pp = plan1 ? *plan1 : *plan2, ep = plan1 ? *elev1 : *elev2;
    const double dx = meeting.direction.x.ToDouble(), dy = meeting.direction.y.ToDouble(),
                 dz = meeting.direction.z.ToDouble();
    if (std::fabs(dx) + std::fabs(dy) > 0) plan = FlatLine{pp, {dx, -dy}};
    if (std::fabs(dx) + std::fabs(dz) > 0) elev = FlatLine{ep, {dx, dz}};
  }
  if (plan && (std::fabs(plan->d.x) + std::fabs(plan->d.y) > kEpsilon))
    AddEndless(s3, *plan, box, StrokeRole::kAnswer, "i", false);
  if (elev && (std::fabs(elev->d.x) + std::fabs(elev->d.y) > kEpsilon))
    AddEndless(s3, *elev, box, StrokeRole::kAnswer, "i'", false);
  AddStep(c, std::move(s3),
          plan1 && plan2 ? "i une h con v, e i' une h' con v'."
                         : "i e i' pasan por el punto hallado, paralelas a las trazas que no se "
                           "cortan.");
}

}  // namespace

const char* ConstructionTitle(ConstructionKind kind) {
  switch (kind) {
    case ConstructionKind::kLineTraces:
      return "Trazas de una recta";
    case ConstructionKind::kMissingProjection:
      return "Proyección que falta";
    case ConstructionKind::kLinePlane:
      return "Intersección de recta y plano";
    case ConstructionKind::kTwoPlanes:
      return "Intersección de dos planos";
  }
  return "";
}

const char* ConstructionQuestion(ConstructionKind kind) {
  switch (kind) {
    case ConstructionKind::kLineTraces:
      return "Sitúa h y v', las trazas de la recta r.";
    case ConstructionKind::kMissingProjection:
      return "P es un punto de α: sitúa p'.";
    case ConstructionKind::kLinePlane:
      return "Sitúa i e i', donde la recta r corta al plano α.";
    case ConstructionKind::kTwoPlanes:
      return "Sitúa h y v', las trazas de la recta i en que se cortan α y β.";
  }
  return "";
}

FlatPoint HorizontalProjection(double abscissa, double alejamiento) {
  return {abscissa, -alejamiento};
}

FlatPoint VerticalProjection(double abscissa, double cota) {
  return {abscissa, cota};
}

Construction BuildConstruction(ConstructionKind kind, const ConstructionPoints& points,
                               const FlatBox& box) {
  Construction c;
  c.kind = kind;
  const auto& P = points;
  switch (kind) {
    case ConstructionKind::kLineTraces:
      LineTraces(c, P[0], P[1], box);
      break;
    case ConstructionKind::kMissingProjection:
      MissingProjection(c, scene::PlaneThrough(P[0], P[1], P[2]), P[3], box);
      break;
    case ConstructionKind::kLinePlane:
      LineAndPlane(c, scene::PlaneThrough(P[0], P[1], P[2]), P[3], P[4], box);
      break;
    case ConstructionKind::kTwoPlanes:
      PlanesMeet(c, scene::PlaneThrough(P[0], P[1], P[2]), scene::PlaneThrough(P[3], P[4], P[5]),
                 box);
      break;
  }
  if (!c.lack.empty()) c.steps.clear();
  return c;
}

bool FitsIn(const Construction& construction, const FlatBox& box) {
  if (!construction.lack.empty()) return false;
  for (const Marker& m : construction.markers)
    if (m.exact && !box.Holds(*m.exact)) return false;
  const auto layerFits = [&box](const Layer& layer) {
    for (const Stroke& s : layer.strokes)
      if (!box.Holds(s.from) || !box.Holds(s.to)) return false;
    for (const Label& l : layer.labels)
      if (!box.Holds(l.at)) return false;
    return true;
  };
  if (!layerFits(construction.data)) return false;
  for (const Layer& step : construction.steps)
    if (!layerFits(step)) return false;
  return true;
}

std::string Millimetres(double distance, bool tenths) {
  const long whole = std::lround(distance);
  if (!tenths && std::fabs(distance - double(whole)) < 0.05) return std::to_string(whole) + " mm";
  const long count = std::lround(distance * 10.0);
  return std::to_string(count / 10) + "," + std::to_string(count % 10) + " mm";
}

namespace {

std::string Direction(double dx, double dy) {
  const std::string vertical = dy > 0 ? "por encima" : "por debajo";
  const std::string horizontal = dx > 0 ? "a la derecha" : "a la izquierda";
  if (std::fabs(dy) >= 2.0 * std::fabs(dx)) return vertical;
  if (std::fabs(dx) >= 2.0 * std::fabs(dy)) return horizontal;
  return vertical + " y " + horizontal;
}

}  // namespace

MarkerVerdict CheckMarker(const Marker& marker, const std::optional<FlatPoint>& placed,
                          double tolerance) {
  MarkerVerdict v;
  v.label = marker.label;
  if (!marker.exact) {
    v.right = !placed.has_value();
    v.text = v.right ? marker.label + " no existe: bien."
                     : marker.label + " no existe: " + marker.absence;
    return v;
  }
  if (!placed) {
    v.text = marker.label + " sí existe y falta situarla.";
    return v;
  }
  const double dx = placed->x - marker.exact->x, dy = placed->y - marker.exact->y;
  v.distance = std::hypot(dx, dy);
  // A hair of slack, so that a marker exactly at the tolerance counts however the
  // exact place rounds in binary.
  v.right = v.distance <= tolerance + 1e-9;
  if (v.right)
    v.text = marker.label + " está bien.";
  else
    v.text = marker.label + " está " + Millimetres(v.distance) + " " + Direction(dx, dy) + ".";
  return v;
}

std::vector<MarkerVerdict> CheckMarkers(const Construction& construction,
                                        const std::vector<std::optional<FlatPoint>>& placed,
                                        double tolerance) {
  std::vector<MarkerVerdict> verdicts;
  for (std::size_t i = 0; i < construction.markers.size(); ++i)
    verdicts.push_back(CheckMarker(construction.markers[i],
                                   i < placed.size() ? placed[i] : std::nullopt, tolerance));
  return verdicts;
}

bool AllRight(const std::vector<MarkerVerdict>& verdicts) {
  return !verdicts.empty() && std::all_of(verdicts.begin(), verdicts.end(),
                                          [](const MarkerVerdict& v) { return v.right; });
}

}  // namespace classify
