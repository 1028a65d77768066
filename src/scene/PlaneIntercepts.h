// The intercept notation of a plane, alpha(x, y, z): where its traces meet L.T.,
// the alejamiento of alpha 1 and the cota of alpha 2 on the perpendicular to L.T.
// through the origin; "inf" where the plane runs parallel to that axis.
#pragma once

#include <string>

#include "scene/Scene.h"

namespace scene {

// How far from the first finite intercept the point for an "inf" lies.
constexpr std::int32_t kAlongInfiniteIntercept = 50;

// Three points of the plane "x,y,z" (each a whole number or "inf"): each finite
// intercept gives its point on its axis, in the order x, y, z; each "inf" then adds
// the first of those moved kAlongInfiniteIntercept along its axis. False, with the
// fault in Spanish, for a malformed text or intercepts that define no plane (a 0,
// or all three "inf").
bool PointsOfIntercepts(const std::string& text, DihedralPoint points[3], std::string* fault);

}  // namespace scene
