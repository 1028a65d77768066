#include "classify/Planes.h"

#include <cstdint>

#include "classify/Vocabulary.h"
#include "scene/PlaneGeometry.h"

namespace classify {

namespace {

struct PlaneName {
  const char* text;
  std::int32_t code;
};

// The first row that applies names the plane. Code 7 is one answer whatever its
// text: a bisector is a plane through L.T.
PlaneName NameOf(const scene::PlaneEquation& p, const DihedralPoint& A) {
  if (!p.Defined()) return {"NO DEFINEN UN PLANO", 10};
  if (p.nx == 0 && p.ny == 0)
    return A.cota == 0 ? PlaneName{"ES EL PLANO H", 9} : PlaneName{"HORIZONTAL", 1};
  if (p.nx == 0 && p.nz == 0)
    return A.alejamiento == 0 ? PlaneName{"ES EL PLANO V", 9} : PlaneName{"FRONTAL", 2};
  if (p.ny == 0 && p.nz == 0) return {"DE PERFIL", 3};
  if (p.nz == 0) return {"PROYECTANTE HORIZONTAL", 4};
  if (p.ny == 0) return {"PROYECTANTE VERTICAL", 5};
  if (p.nx == 0) {
    if (p.d != 0) return {"PARALELO A L.T.", 6};
    if (p.ny == -p.nz) return {"PRIMER BISECTOR", 7};
    if (p.ny == p.nz) return {"SEGUNDO BISECTOR", 7};
    return {"QUE PASA POR L.T.", 7};
  }
  return {"OBLICUO", 8};
}

}  // namespace

Naming PlaneType(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C) {
  const PlaneName name = NameOf(scene::PlaneThrough(A, B, C), A);
  return {name.code, name.text};
}

std::string PlaneTracesText(const DihedralPoint& A, const DihedralPoint& B,
                            const DihedralPoint& C) {
  const scene::PlaneEquation plane = scene::PlaneThrough(A, B, C);
  if (!plane.Defined()) return "";
  const scene::PlaneTraces t = scene::TracesOf(plane);
  const std::string both = kAlpha1Label + " y " + kAlpha2Label;
  if (t.meetGroundLine)
    return both + " cortan a L.T. en x = " + scene::DecimalText(t.groundLineAbscissa);
  // H has no trace on H (it is H) and meets V in L.T.; V the other way round.
  if (t.throughGroundLine && !t.horizontal.exists)
    return "sin " + kAlpha1Label + " (es H), " + kAlpha2Label + " es L.T.";
  if (t.throughGroundLine && !t.vertical.exists)
    return "sin " + kAlpha2Label + " (es V), " + kAlpha1Label + " es L.T.";
  if (t.throughGroundLine) return both + " en L.T.";
  if (!t.horizontal.exists) return "sin " + kAlpha1Label + ", " + kAlpha2Label + " paralela a L.T.";
  if (!t.vertical.exists) return "sin " + kAlpha2Label + ", " + kAlpha1Label + " paralela a L.T.";
  return both + " paralelas a L.T.";
}

}  // namespace classify
