// Naming the plane through three points, with the code test mode would compare.
// Pure: the standard library and the scene's point and plane types only.
#pragma once

#include <string>

#include "scene/Scene.h"

namespace classify {

// The type of plane ABC; sets ClassCode (1..10). Decided exactly, in 128 bits.
std::string PlaneType(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

}  // namespace classify
