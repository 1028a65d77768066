// The plane through A, B and C: the third point and the mode that shows the plane.
// C starts at (-40, 30, 50) and keeps whatever the student gives it for the run.
#pragma once

#include "scene/Scene.h"

namespace scene {

extern DihedralPoint& PointC;
// The scene is the plane ABC; off at start, and PointMode is then ignored.
extern bool& PlaneMode;
// In plane mode, C is the point being edited (SelectedA is then false).
extern bool& SelectedC;

// C at its start value, plane mode off, C not selected. For tests; ResetScene calls it.
void ResetPlaneScene();

}  // namespace scene
