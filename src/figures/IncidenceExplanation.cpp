// Why a point belongs to a plane or not, and how a line lies to it, in one sentence
// from the coordinates: the plane's height over the point read on its horizontal
// line, and for a line how far D and E lie from the plane.
#include <cstdint>
#include <string>

#include "classify/IncidenceNames.h"
#include "figures/Explanations.h"
#include "scene/Incidence.h"
#include "scene/PlaneGeometry.h"
#include "scene/WideInt.h"

namespace figures {

namespace {

using scene::Int256;
using scene::WideFraction;

std::string N(std::int32_t v) {
  return std::to_string(v);
}

// How far X lies from the plane along the first axis that meets it, the cota's if it
// can: n . X - d over that axis's normal component, with the words for either side.
struct Offset {
  WideFraction size;  // signed
  const char* above;
  const char* below;
};

Offset OffsetOf(const scene::PlaneEquation& p, const DihedralPoint& X) {
  const Int256 off = Int256(p.nx) * X.abscissa + Int256(p.ny) * X.alejamiento +
                     Int256(p.nz) * X.cota - Int256(p.d);
  if (p.nz != 0) return {WideFraction::Of(off, p.nz), "por encima", "por debajo"};
  if (p.ny != 0) return {WideFraction::Of(off, p.ny), "delante", "detrás"};
  return {WideFraction::Of(off, p.nx), "a la derecha", "a la izquierda"};
}

// "D está 5 por debajo del plano", "E está en el plano".
std::string Where(const char* name, const Offset& o) {
  if (o.size.Sign() == 0) return std::string(name) + " está en el plano";
  const WideFraction size = WideFraction::Of(o.size.num() * o.size.Sign(), o.size.den());
  return std::string(name) + " está " + size.DecimalCommaText() + " " +
         (o.size.Sign() > 0 ? o.above : o.below) + " del plano";
}

std::string Coordinates(const scene::ExactPoint& I) {
  return "(" + I.abscissa.DecimalCommaText() + "; " + I.alejamiento.DecimalCommaText() + "; " +
         I.cota.DecimalCommaText() + ")";
}

}  // namespace

std::string PointPlaneExplanation(const DihedralPoint& A, const DihedralPoint& B,
                                  const DihedralPoint& C, const DihedralPoint& P,
                                  std::int32_t chosen) {
  if (chosen < 1 || chosen > static_cast<std::int32_t>(classify::kBelongingAnswers.size()))
    return "Falta elegir si P pertenece al plano.";
  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  if (!plane.Defined()) return figures::PlaneFact(A, B, C);
  const bool belongs = scene::PointAndPlane(plane, P) == scene::PointPlane::kBelongs;
  const std::string verdict = belongs ? ": P pertenece al plano." : ": P no pertenece al plano.";
  if (plane.nz != 0) {
    // The horizontal line of the plane over p is at the plane's cota there.
    const WideFraction cota = WideFraction::Of(
        Int256(plane.d) - Int256(plane.nx) * P.abscissa - Int256(plane.ny) * P.alejamiento,
        plane.nz);
    const std::string start =
        "La horizontal del plano por p da p' con cota " + cota.DecimalCommaText();
    return belongs ? start + ", la de P" + verdict
                   : start + ", y P tiene cota " + N(P.cota) + verdict;
  }
  // Perpendicular to H: the plane projects onto alpha 1, and P belongs when p is on it.
  if (plane.ny != 0) {
    const WideFraction y =
        WideFraction::Of(Int256(plane.d) - Int256(plane.nx) * P.abscissa, plane.ny);
    const std::string start =
        "α1 tiene alejamiento " + y.DecimalCommaText() + " en la abscisa de p";
    return belongs ? start + ", el de P" + verdict
                   : start + ", y P tiene alejamiento " + N(P.alejamiento) + verdict;
  }
  const std::string start =
      "El plano de perfil tiene abscisa " + WideFraction::Of(plane.d, plane.nx).DecimalCommaText();
  return belongs ? start + ", la de P" + verdict
                 : start + ", y P tiene abscisa " + N(P.abscissa) + verdict;
}

std::string LinePlaneExplanation(const DihedralPoint& A, const DihedralPoint& B,
                                 const DihedralPoint& C, const DihedralPoint& D,
                                 const DihedralPoint& E, std::int32_t chosen) {
  if (chosen < 1 || chosen > static_cast<std::int32_t>(classify::kLinePlaneAnswers.size()))
    return "Falta elegir cómo es la recta respecto del plano.";
  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  if (!plane.Defined()) return figures::PlaneFact(A, B, C);
  if (D == E) return "D y E coinciden: no definen una recta.";
  const scene::LinePlaneMeeting m = scene::LineAndPlane(plane, D, E);
  const Offset d = OffsetOf(plane, D), e = OffsetOf(plane, E);
  switch (m.relation) {
    case scene::LinePlane::kContained:
      return "D y E están en el plano: la recta está contenida en él.";
    case scene::LinePlane::kParallel:
      return Where("D", d) + ", y E igual: la recta es paralela al plano.";
    default:
      return Where("D", d) + " y " + Where("E", e) + ": la recta lo corta en I" + Coordinates(m.I) +
             ".";
  }
}

}  // namespace figures
