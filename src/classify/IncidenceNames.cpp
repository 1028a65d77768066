#include "classify/IncidenceNames.h"

#include "scene/PlaneGeometry.h"

namespace classify {

Naming PointPlaneRelation(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C,
                          const DihedralPoint& P) {
  switch (scene::PointAndPlane(scene::PlaneThrough(A, B, C), P)) {
    case scene::PointPlane::kBelongs:
      return {kBelongsCode, "PERTENECE AL PLANO"};
    case scene::PointPlane::kOutside:
      return {kOutsideCode, "NO PERTENECE AL PLANO"};
    default:
      return {kNoRelation, ""};
  }
}

Naming LinePlaneRelation(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C,
                         const DihedralPoint& D, const DihedralPoint& E) {
  return LinePlaneRelation(scene::LineAndPlane(scene::PlaneThrough(A, B, C), D, E));
}

Naming LinePlaneRelation(const scene::LinePlaneMeeting& meeting) {
  switch (meeting.relation) {
    case scene::LinePlane::kContained:
      return {kContainedCode, "CONTENIDA EN EL PLANO"};
    case scene::LinePlane::kParallel:
      return {kParallelCode, "PARALELA AL PLANO"};
    case scene::LinePlane::kSecant:
      return {kSecantCode, "SECANTE AL PLANO"};
    case scene::LinePlane::kPointBelongs:
      return {kPointOfLineBelongsCode, "PERTENECE AL PLANO"};
    case scene::LinePlane::kPointOutside:
      return {kPointOfLineOutsideCode, "NO PERTENECE AL PLANO"};
    default:
      return {kNoRelation, ""};
  }
}

std::string TwoDecimals(const scene::WideFraction& f) {
  // The shared rounding drops trailing zeros; the panel keeps both places.
  std::string text = f.DecimalCommaText();
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return text + ",00";
  if (text.size() - comma == 2) text += '0';
  return text;
}

std::string IntersectionText(const scene::ExactPoint& I) {
  return " I=(" + TwoDecimals(I.abscissa) + "; " + TwoDecimals(I.alejamiento) + "; " +
         TwoDecimals(I.cota) + ")";
}

std::array<std::string, 3> ExactCoordinateTexts(const scene::ExactPoint& I) {
  return {I.abscissa.Text(), I.alejamiento.Text(), I.cota.Text()};
}

std::string LinePlaneWord(scene::LinePlane relation) {
  switch (relation) {
    case scene::LinePlane::kContained:
      return "contenida";
    case scene::LinePlane::kParallel:
      return "paralela";
    case scene::LinePlane::kSecant:
      return "secante";
    case scene::LinePlane::kPointBelongs:
      return "pertenece";
    case scene::LinePlane::kPointOutside:
      return "no pertenece";
    default:
      return "sin plano";
  }
}

std::string NotableLackText(const scene::NotableLines& lines) {
  // Both lacks come from the plane's direction: parallel to H takes the horizontal
  // and the line of maximum slope away together, parallel to V the other two.
  switch (lines.horizontal.lack != scene::NotableLack::kNone ? lines.horizontal.lack
                                                             : lines.frontal.lack) {
    case scene::NotableLack::kPlaneParallelToH:
      return "Plano paralelo a H: todas sus rectas son horizontales, sin h ni máxima pendiente.";
    case scene::NotableLack::kPlaneParallelToV:
      return "Plano paralelo a V: todas sus rectas son frontales, sin f ni máxima inclinación.";
    default:
      return "";
  }
}

}  // namespace classify
