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

}  // namespace classify
