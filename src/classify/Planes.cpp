#include "classify/Planes.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "classify/Vocabulary.h"
#include "scene/PlaneGeometry.h"

namespace classify {

namespace {

// Plane type codes, as the plane list numbers them.
constexpr std::int32_t kProjectingHCode = 4;
constexpr std::int32_t kProjectingVCode = 5;
constexpr std::int32_t kThroughGroundLineCode = 7;
constexpr std::int32_t kPlaneHOrVCode = 9;
constexpr std::int32_t kNoPlaneCode = 10;

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

std::vector<std::int32_t> PlaneTrueCodes(const DihedralPoint& A, const DihedralPoint& B,
                                         const DihedralPoint& C) {
  const std::int32_t code = PlaneType(A, B, C).code;
  std::vector<std::int32_t> codes{code};
  if (code == kNoPlaneCode) return codes;
  const scene::PlaneEquation p = scene::PlaneThrough(A, B, C);
  // The plane H is the horizontal plane of cota 0 and holds L.T.; V the frontal one.
  if (code == kPlaneHOrVCode)
    codes.insert(codes.end(), {p.nz != 0 ? 1 : 2, kThroughGroundLineCode});
  // Perpendicular to H (no cota in its normal) is proyectante horizontal, whatever
  // finer name it has (frontal, de perfil, V); perpendicular to V, proyectante vertical.
  if (p.nz == 0 && code != kProjectingHCode) codes.push_back(kProjectingHCode);
  if (p.ny == 0 && code != kProjectingVCode) codes.push_back(kProjectingVCode);
  std::sort(codes.begin() + 1, codes.end());
  return codes;
}

std::vector<std::string> PlaneTrueNames(const DihedralPoint& A, const DihedralPoint& B,
                                        const DihedralPoint& C) {
  const std::string own = PlaneType(A, B, C).text;
  std::vector<std::string> names;
  for (const std::int32_t code : PlaneTrueCodes(A, B, C)) {
    const char* name = ResultNameOf(kPlaneTypes, code);
    if (name == nullptr) continue;
    names.push_back(name);
    // The classification's finer name ("ES EL PLANO H", "PRIMER BISECTOR") after the
    // list's name of its code.
    if (names.size() == 1 && own != names[0]) names.push_back(own);
  }
  return names;
}

}  // namespace classify
