// Naming the plane through three points, with the code test mode would compare.
// Pure: the standard library and the scene's point and plane types only.
#pragma once

#include <string>

#include "classify/Classification.h"
#include "scene/Scene.h"

namespace classify {

// The type of plane ABC (code 1..10). Decided exactly, in 128 bits.
Naming PlaneType(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

// "α1 y α2 cortan a L.T. en x = 12,5", "α1 y α2 paralelas a L.T.", "sin α1 (es H),
// α2 es L.T.", ...; empty for points that define no plane.
std::string PlaneTracesText(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

// The codes of every true name of plane ABC that the plane list accepts, the
// classification's own first: a plane perpendicular to H is also proyectante
// horizontal (the frontal and the profile plane, V), one perpendicular to V also
// proyectante vertical (the horizontal and the profile plane, H); H is also
// horizontal and through L.T., V frontal and through L.T.
std::vector<std::int32_t> PlaneTrueCodes(const DihedralPoint& A, const DihedralPoint& B,
                                         const DihedralPoint& C);
// Those names as the list writes them, the classification's code first and its finer
// name ("ES EL PLANO H", "PRIMER BISECTOR") right after it when it differs.
std::vector<std::string> PlaneTrueNames(const DihedralPoint& A, const DihedralPoint& B,
                                        const DihedralPoint& C);

}  // namespace classify
