#include "figures/SpaceFigures.h"

#include <cmath>

#include "figures/Kind.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"

namespace figures {

using drawing::Anchor;
using drawing::Ink;
using drawing::On;
using drawing::SpaceFigure;
using drawing::Vec3;

namespace {

Vec3 PointOf(const scene::ExactPoint& p) {
  return {p.abscissa.ToDouble(), p.alejamiento.ToDouble(), p.cota.ToDouble()};
}

// A trace a x + b q = c of a plane, in H (q the alejamiento) or in V (q the cota).
void TraceInSpace(SpaceFigure& space, const scene::PlaneTrace& t, On on, const std::string& label,
                  Ink ink) {
  if (!t.exists) return;
  const double a = static_cast<double>(t.a), b = static_cast<double>(t.b),
               c = static_cast<double>(t.c);
  const double x = a != 0.0 ? c / a : 0.0, q = a != 0.0 ? 0.0 : c / b;
  const Vec3 p = on == On::kH ? Vec3{x, q, 0.0} : Vec3{x, 0.0, q};
  const Vec3 d = on == On::kH ? Vec3{-b, a, 0.0} : Vec3{-b, 0.0, a};
  space.lines.push_back({p, d, on, ink, label});
}

}  // namespace

Vec3 SpacePointOf(const DihedralPoint& p) {
  return {static_cast<double>(p.abscissa), static_cast<double>(p.alejamiento),
          static_cast<double>(p.cota)};
}

void PointInSpace(SpaceFigure& space, const DihedralPoint& p, const std::string& letter, Ink ink) {
  drawing::AddPointWithProjections(space, SpacePointOf(p), letter, ink);
}

void LineInSpace(SpaceFigure& space, Vec3 p, Vec3 d, const std::string& label, Ink ink) {
  if (drawing::Dot(d, d) == 0.0) return;
  space.lines.push_back({p, d, On::kSpace, ink, label});
  // A projection that is a point (a line perpendicular to H or V) is its end points'.
  if (d.x != 0.0 || d.y != 0.0)
    space.lines.push_back({{p.x, p.y, 0.0}, {d.x, d.y, 0.0}, On::kH, Ink::kProjection, ""});
  if (d.x != 0.0 || d.z != 0.0)
    space.lines.push_back({{p.x, 0.0, p.z}, {d.x, 0.0, d.z}, On::kV, Ink::kProjection, ""});
  if (d.z != 0.0) {
    const Vec3 H = p + (-p.z / d.z) * d;
    space.marks.push_back({{H, On::kH}, "H", Ink::kTrace});
    space.marks.push_back({{{H.x, 0.0, 0.0}, On::kH}, "h'", Ink::kTrace});
    space.strokes.push_back({{H, On::kH}, {{H.x, 0.0, 0.0}, On::kH}, Ink::kReference, ""});
  }
  if (d.y != 0.0) {
    const Vec3 V = p + (-p.y / d.y) * d;
    space.marks.push_back({{V, On::kSpace}, "V", Ink::kTrace});
    space.marks.push_back({{V, On::kV}, "v'", Ink::kTrace});
    space.marks.push_back({{{V.x, 0.0, 0.0}, On::kH}, "v", Ink::kTrace});
    space.strokes.push_back({{V, On::kV}, {{V.x, 0.0, 0.0}, On::kH}, Ink::kReference, ""});
  }
}

void SegmentLineInSpace(SpaceFigure& space, const DihedralPoint& A, const DihedralPoint& B,
                        const std::string& letters, Ink ink) {
  PointInSpace(space, A, letters.substr(0, 1), ink);
  PointInSpace(space, B, letters.substr(1, 1), ink);
  LineInSpace(space, SpacePointOf(A), SpacePointOf(B) - SpacePointOf(A), "", ink);
}

void PlaneInSpace(SpaceFigure& space, const DihedralPoint& A, const DihedralPoint& B,
                  const DihedralPoint& C, const std::string& letters, const std::string& traceH,
                  const std::string& traceV, Ink ink) {
  const Vec3 corners[3] = {SpacePointOf(A), SpacePointOf(B), SpacePointOf(C)};
  space.triangles.push_back({corners[0], corners[1], corners[2], ink});
  for (int k = 0; k < 3; ++k) {
    space.marks.push_back({{corners[k], On::kSpace}, letters.substr(k, 1), ink});
    space.extent.push_back(corners[k]);
  }
  const scene::PlaneTraces traces = scene::TracesOf(scene::PlaneThrough(A, B, C));
  TraceInSpace(space, traces.horizontal, On::kH, traceH, ink);
  TraceInSpace(space, traces.vertical, On::kV, traceV, ink);
}

void MeetingPointInSpace(SpaceFigure& space, const scene::Scene& scene) {
  // I is part of the answer an exercise waits for.
  if (scene.AnswerHidden) return;
  const scene::LinePlaneMeeting m = scene::LineAndPlane(
      scene::PlaneThrough(scene.PointA, scene.PointB, scene.PointC), scene.PointD, scene.PointE);
  if (m.relation != scene::LinePlane::kSecant) return;
  drawing::AddPointWithProjections(space, PointOf(m.I), "i", Ink::kMeeting);
}

void MeetingLineInSpace(SpaceFigure& space, const scene::Scene& scene) {
  if (scene.AnswerHidden) return;
  const scene::PlanesMeeting m =
      scene::TwoPlanes(scene::PlaneThrough(scene.PointA, scene.PointB, scene.PointC),
                       scene::PlaneThrough(scene.PointD, scene.PointE, scene.PointF));
  if (m.relation != scene::PlanesRelation::kSecant) return;
  const std::optional<scene::ExactPoint>& at = m.H ? m.H : m.V ? m.V : m.profile;
  if (!at) return;
  const Vec3 d{m.direction.x.ToDouble(), m.direction.y.ToDouble(), m.direction.z.ToDouble()};
  LineInSpace(space, PointOf(*at), d, "i", Ink::kMeeting);
}

drawing::SpaceFigure SpaceFigureOf(const scene::Scene& scene) {
  SpaceFigure space;
  KindOf(scene.figure).PutInSpace(scene, space);
  return space;
}

void Kind::PutInSpace(const scene::Scene& scene, drawing::SpaceFigure& space) const {
  const std::string names = PointNames();
  for (std::size_t k = 0; k < PointCount() && k < names.size(); ++k) {
    std::string letter(1, static_cast<char>(names[k] - 'A' + 'a'));
    PointInSpace(space, scene.Point(static_cast<int>(k)), letter);
  }
}

}  // namespace figures
