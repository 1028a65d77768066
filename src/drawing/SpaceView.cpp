#include "drawing/SpaceView.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace drawing {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double degrees) {
  return degrees * kPi / 180.0;
}

Vec3 Unit(Vec3 v) {
  const double length = std::sqrt(Dot(v, v));
  return length > 0.0 ? (1.0 / length) * v : v;
}

// V turned about L.T. so that its upper half makes `fold` degrees with H's anterior
// half: the cota axis goes to (0, -cos, sin), the alejamiento axis to (0, sin, cos).
Vec3 FoldV(Vec3 p, double fold) {
  // Folded right down, V's halves would lie on H's and either could cover the
  // other; a thousandth of a degree keeps H's on top and moves nothing on screen.
  fold = std::max(fold, 1e-3);
  const double s = std::sin(Radians(fold)), c = std::cos(Radians(fold));
  return {p.x, p.y * s - p.z * c, p.y * c + p.z * s};
}

// W, the plane x = x1, turned about its line with V so that its anterior half lies
// on V's side of the positive abscissas at fold 0.
Vec3 FoldW(Vec3 p, double fold, double x1) {
  const double s = std::sin(Radians(fold)), c = std::cos(Radians(fold));
  return {x1 + p.y * c, p.y * s, p.z};
}

bool Upright(double fold) {
  return fold >= 90.0 - 1e-9;
}

// The part of the line through p along d inside the box, as two parameters.
bool ClipToBox(Vec3 p, Vec3 d, const SpaceBox& box, double& t0, double& t1) {
  t0 = -std::numeric_limits<double>::infinity();
  t1 = std::numeric_limits<double>::infinity();
  const double lo[3] = {box.x0, -box.y, -box.z}, hi[3] = {box.x1, box.y, box.z};
  const double at[3] = {p.x, p.y, p.z}, along[3] = {d.x, d.y, d.z};
  // A line lying on a face of the box counts as inside: the projections lie in H and V.
  const double slack = 1e-9 * box.Radius();
  for (int k = 0; k < 3; ++k) {
    if (std::abs(along[k]) < 1e-12) {
      if (at[k] < lo[k] - slack || at[k] > hi[k] + slack) return false;
      continue;
    }
    double a = (lo[k] - at[k]) / along[k], b = (hi[k] - at[k]) / along[k];
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
  }
  return t0 < t1;
}

std::string Capital(std::string letter) {
  for (char& c : letter) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return letter;
}

}  // namespace

Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void SpaceCamera::Turn(double degrees) {
  yaw = std::remainder(yaw + degrees, 360.0);
  if (yaw <= -180.0) yaw += 360.0;
}

void SpaceCamera::Tilt(double degrees) {
  pitch = std::clamp(pitch + degrees, -90.0, 90.0);
}

void SpaceCamera::Zoom(double factor) {
  zoom = std::clamp(zoom * factor, 0.2, 10.0);
}

SpaceProjection ProjectionOf(const SpaceCamera& camera, double scale, double cx, double cy) {
  const double sy = std::sin(Radians(camera.yaw)), cyaw = std::cos(Radians(camera.yaw));
  const double sp = std::sin(Radians(camera.pitch)), cp = std::cos(Radians(camera.pitch));
  SpaceProjection p;
  p.right = {cyaw, sy, 0.0};
  // Horizontal, towards the viewer: the alejamiento axis at yaw 0.
  const Vec3 level{-sy, cyaw, 0.0};
  p.towards = cp * level + Vec3{0.0, 0.0, sp};
  p.up = Vec3{0.0, 0.0, cp} - sp * level;
  p.scale = scale;
  p.cx = cx;
  p.cy = cy;
  return p;
}

void AddPointWithProjections(SpaceFigure& figure, Vec3 P, const std::string& letter, Ink ink) {
  const Anchor space{P, On::kSpace};
  const Anchor h{{P.x, P.y, 0.0}, On::kH};
  const Anchor v{{P.x, 0.0, P.z}, On::kV};
  const Anchor w{{P.x, P.y, P.z}, On::kW};
  const Anchor foot{{P.x, 0.0, 0.0}, On::kH};
  const Anchor hinge{{P.x, 0.0, P.z}, On::kW};  // where W meets V, at this cota
  figure.marks.push_back({space, Capital(letter), ink});
  figure.marks.push_back({h, letter, Ink::kProjection});
  figure.marks.push_back({v, letter + "'", Ink::kProjection});
  figure.marks.push_back({w, letter + "''", Ink::kProjection});
  for (const Anchor& to : {h, v, w}) figure.strokes.push_back({space, to, Ink::kReference, ""});
  figure.strokes.push_back({h, foot, Ink::kReference, ""});
  figure.strokes.push_back({foot, v, Ink::kReference, ""});
  figure.strokes.push_back({v, hinge, Ink::kReference, ""});
  figure.strokes.push_back({hinge, w, Ink::kReference, ""});
  figure.extent.push_back(P);
}

double SpaceBox::Radius() const {
  const double half = (x1 - x0) / 2;
  return std::sqrt(half * half + y * y + z * z);
}

SpaceBox BoxOf(const SpaceFigure& figure) {
  // At least the abscissas the arrows reach, so that the planes stand behind the
  // figure from the start view, which looks along L.T.
  double minX = -70.0, maxX = 70.0, y = 0.0, z = 0.0;
  for (const Vec3& p : figure.extent) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    y = std::max(y, std::abs(p.y));
    z = std::max(z, std::abs(p.z));
  }
  SpaceBox box;
  const double pad = std::max(40.0, 0.25 * (maxX - minX));
  box.x0 = minX - pad;
  box.x1 = maxX + pad;
  // H and V as wide as each other: folded down, V lies exactly on H.
  box.y = box.z = std::max(60.0, 1.2 * std::max(y, z));
  return box;
}

Vec3 Placed(const Anchor& a, const SpaceView& view, const SpaceBox& box) {
  switch (a.on) {
    case On::kSpace:
    case On::kH:
      return a.at;
    case On::kV:
      return FoldV(a.at, view.fold);
    case On::kW:
      return FoldV(FoldW(a.at, view.fold, box.x1), view.fold);
  }
  return a.at;
}

SpaceScene BuildSpaceScene(const SpaceFigure& figure, const SpaceView& view) {
  SpaceScene s;
  s.box = BoxOf(figure);
  const SpaceBox& b = s.box;
  const auto at = [&](Vec3 p, On on) { return Placed({p, on}, view, b); };
  const auto rect = [&](Vec3 p0, Vec3 p1, Vec3 p2, Vec3 p3, On on) {
    return std::vector<Vec3>{at(p0, on), at(p1, on), at(p2, on), at(p3, on)};
  };
  const double Y = b.y, Z = b.z, x0 = b.x0, x1 = b.x1;

  // The halves of H and V, each seen from the quadrant on either side of it.
  const Vec3 vFront = FoldV({0.0, 1.0, 0.0}, view.fold);
  s.faces.push_back({rect({x0, 0, 0}, {x1, 0, 0}, {x1, Y, 0}, {x0, Y, 0}, On::kH),
                     {0, 0, 1},
                     Look::kQuadrant,
                     1,
                     4});
  s.faces.push_back({rect({x0, -Y, 0}, {x1, -Y, 0}, {x1, 0, 0}, {x0, 0, 0}, On::kH),
                     {0, 0, 1},
                     Look::kQuadrant,
                     2,
                     3});
  s.faces.push_back({rect({x0, 0, 0}, {x1, 0, 0}, {x1, 0, Z}, {x0, 0, Z}, On::kV), vFront,
                     Look::kQuadrant, 1, 2});
  s.faces.push_back({rect({x0, 0, -Z}, {x1, 0, -Z}, {x1, 0, 0}, {x0, 0, 0}, On::kV), vFront,
                     Look::kQuadrant, 4, 3});
  if (view.bisectors) {
    // The bisectors are planes of space: they keep their place while V folds.
    const double m = std::min(Y, Z);
    s.faces.push_back({rect({x0, -m, -m}, {x1, -m, -m}, {x1, m, m}, {x0, m, m}, On::kSpace),
                       Unit({0, 1, -1}), Look::kBisector, 0, 0, false});
    s.faces.push_back({rect({x0, m, -m}, {x1, m, -m}, {x1, -m, m}, {x0, -m, m}, On::kSpace),
                       Unit({0, 1, 1}), Look::kBisector, 0, 0, false});
  }
  if (view.profile) {
    std::vector<Vec3> w = rect({0, -Y, -Z}, {0, Y, -Z}, {0, Y, Z}, {0, -Y, Z}, On::kW);
    const Vec3 n = Unit(Cross(w[1] - w[0], w[3] - w[0]));
    s.faces.push_back({std::move(w), n, Look::kProfile, 0, 0, false});
  }
  for (const SpaceTriangle& t : figure.triangles) {
    const Vec3 n = Cross(t.b - t.a, t.c - t.a);
    if (Dot(n, n) <= 1e-18 * b.Radius() * b.Radius()) continue;
    s.faces.push_back({{t.a, t.b, t.c},
                       Unit(n),
                       t.ink == Ink::kSecond ? Look::kSecond : Look::kFigure,
                       0,
                       0,
                       true});
    s.segments.push_back({t.a, t.b, t.ink, ""});
    s.segments.push_back({t.b, t.c, t.ink, ""});
    s.segments.push_back({t.c, t.a, t.ink, ""});
  }

  // The planes' edges and L.T.
  const auto outline = [&](const std::vector<Vec3>& c) {
    for (std::size_t k = 0; k < c.size(); ++k)
      s.segments.push_back({c[k], c[(k + 1) % c.size()], Ink::kFrame, ""});
  };
  outline(rect({x0, -Y, 0}, {x1, -Y, 0}, {x1, Y, 0}, {x0, Y, 0}, On::kH));
  outline(rect({x0, 0, -Z}, {x1, 0, -Z}, {x1, 0, Z}, {x0, 0, Z}, On::kV));
  if (view.profile) outline(rect({0, -Y, -Z}, {0, Y, -Z}, {0, Y, Z}, {0, -Y, Z}, On::kW));
  s.segments.push_back({{x0, 0, 0}, {x1, 0, 0}, Ink::kFrame, "L.T."});

  // A trace far away is left out with the part of its line beyond the planes.
  const double slack = 1e-9 * b.Radius();
  const auto inside = [&](const Anchor& a) {
    return a.at.x >= x0 - slack && a.at.x <= x1 + slack && std::abs(a.at.y) <= Y + slack &&
           std::abs(a.at.z) <= Z + slack;
  };
  const auto shown = [&](const Anchor& a) { return (a.on != On::kW || view.profile) && inside(a); };
  for (const SpaceStroke& k : figure.strokes) {
    if (!shown(k.from) || !shown(k.to)) continue;
    // A projecting line joins the point to its projection only while the plane
    // stands; folded, the reference lines in the planes carry the projection.
    const bool spaceEnd = k.from.on == On::kSpace || k.to.on == On::kSpace;
    const bool movingEnd =
        k.from.on == On::kV || k.from.on == On::kW || k.to.on == On::kV || k.to.on == On::kW;
    if (spaceEnd && movingEnd && !Upright(view.fold)) continue;
    s.segments.push_back({Placed(k.from, view, b), Placed(k.to, view, b), k.ink, k.label});
  }
  for (const SpaceLine& l : figure.lines) {
    double t0 = 0.0, t1 = 0.0;
    if (!ClipToBox(l.through, l.direction, b, t0, t1)) continue;
    s.segments.push_back({at(l.through + t0 * l.direction, l.on),
                          at(l.through + t1 * l.direction, l.on), l.ink, l.label});
  }
  for (const SpaceMark& m : figure.marks) {
    if (!shown(m.at)) continue;
    s.points.push_back({Placed(m.at, view, b), m.label, m.ink});
  }
  return s;
}

}  // namespace drawing
