// The information update of plane mode: the edited point stored in A, B or C, the
// plane's type, the coordinates of its three points and where its traces meet.
#pragma once

#include <string>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace classify {

// What InfoUpdate does in plane mode.
void PlaneInfoUpdate(drawing::Painter& painter);
// Before the scene, the plane's type and the coordinates of the points not being
// edited; after it, those of the edited point and the line about the traces.
void ShowPlaneType(drawing::Painter& painter);
void ShowPlaneCoordinates(drawing::Painter& painter);

// "α1 y α2 cortan a L.T. en x = 12,5", "α1 y α2 paralelas a L.T.", "sin α1 (es H),
// α2 es L.T.", ...; empty for points that define no plane.
std::string PlaneTracesText(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

}  // namespace classify
