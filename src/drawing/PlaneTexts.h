// The information update of plane mode: the edited point stored in A, B or C, the
// plane's type, the coordinates of its three points and where its traces meet.
#pragma once

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace drawing {

// The edit of a plane drawn: the edited point stored into A, B or C, the texts and
// the projections.
void PlaneInfoUpdate(drawing::Painter& painter, scene::Scene& scene);
// Before the scene, the plane's type and the coordinates of the points not being
// edited; after it, those of the edited point and the line about the traces.
void ShowPlaneType(drawing::Painter& painter, const scene::Scene& scene);
void ShowPlaneCoordinates(drawing::Painter& painter, const scene::Scene& scene);

}  // namespace drawing
