#include "classify/TwoPlanes.h"

#include <algorithm>
#include <cstddef>

#include "classify/Vocabulary.h"
#include "scene/LineKinds.h"
#include "scene/PlaneGeometry.h"

namespace classify {

namespace {

std::string Coordinates(const std::optional<scene::ExactPoint>& p) {
  if (!p) return "null";
  return "[\"" + p->abscissa.Text() + "\", \"" + p->alejamiento.Text() + "\", \"" + p->cota.Text() +
         "\"]";
}

}  // namespace

scene::PlanesMeeting MeetingOf(const SixPoints& p) {
  return scene::TwoPlanes(scene::PlaneThrough(p[0], p[1], p[2]),
                          scene::PlaneThrough(p[3], p[4], p[5]));
}

Naming TwoPlanesRelation(const SixPoints& points) {
  return TwoPlanesRelation(MeetingOf(points));
}

Naming TwoPlanesRelation(const scene::PlanesMeeting& meeting) {
  switch (meeting.relation) {
    case scene::PlanesRelation::kSecant:
      return {kSecantPlanes, "SECANTES"};
    case scene::PlanesRelation::kParallel:
      return {kParallelPlanes, "PARALELOS"};
    case scene::PlanesRelation::kCoincident:
      return {kCoincidentPlanes, "COINCIDENTES"};
    default:
      return {kNoPlanes, "NO DEFINEN UN PLANO"};
  }
}

Naming IntersectionType(const scene::PlanesMeeting& meeting) {
  const std::optional<scene::LineKinds> kinds = scene::KindsOfIntersection(meeting);
  if (!kinds) return {kNoRelation, ""};
  // LineKind follows the line cases one for one.
  const LineCaseWords& words = kLineCases[static_cast<std::size_t>(kinds->shown)];
  return {words.typeCode, std::string("i: ") + words.typeText};
}

std::vector<std::int32_t> IntersectionTrueTypes(const scene::PlanesMeeting& meeting) {
  std::vector<std::int32_t> codes;
  if (const std::optional<scene::LineKinds> kinds = scene::KindsOfIntersection(meeting))
    for (const scene::LineKind k : kinds->all)
      codes.push_back(kLineCases[static_cast<std::size_t>(k)].typeCode);
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
  return codes;
}

const char* RelationWord(scene::PlanesRelation relation) {
  switch (relation) {
    case scene::PlanesRelation::kSecant:
      return "secantes";
    case scene::PlanesRelation::kParallel:
      return "paralelos";
    case scene::PlanesRelation::kCoincident:
      return "coincidentes";
    default:
      return "sin plano";
  }
}

std::string IntersectionJson(const scene::PlanesMeeting& m) {
  if (m.relation != scene::PlanesRelation::kSecant) return "";
  return "{\"direcci\xC3\xB3n\": [" + m.direction.x.ToString() + ", " + m.direction.y.ToString() +
         ", " + m.direction.z.ToString() + "], \"H\": " + Coordinates(m.H) +
         ", \"V\": " + Coordinates(m.V) + "}";
}

bool IntersectionFromTraces(const SixPoints& points) {
  const scene::PlaneEquation a = scene::PlaneThrough(points[0], points[1], points[2]);
  const scene::PlaneEquation b = scene::PlaneThrough(points[3], points[4], points[5]);
  const scene::PlanesMeeting m = scene::TwoPlanes(a, b);
  if (m.relation != scene::PlanesRelation::kSecant || m.H || m.V) return true;
  // i parallel to L.T.: i' is the trace alpha 2 of a plane perpendicular to V, i the
  // alpha 1 of one perpendicular to H; L.T. itself needs neither.
  const bool inGroundLine = m.profile->alejamiento.Sign() == 0 && m.profile->cota.Sign() == 0;
  return inGroundLine || ((a.ny == 0 || b.ny == 0) && (a.nz == 0 || b.nz == 0));
}

}  // namespace classify
