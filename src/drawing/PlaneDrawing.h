// The plane through A, B and C drawn over the frame: the three points with their
// projections, the triangle, and the traces alpha 1 and alpha 2 in the flat view,
// on the drawn planes H and V, and (profile view) the trace on the profile plane.
#pragma once

#include <cstdint>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace drawing {

// Draws plane ABC in the current 320 x 200 space; leaves pen, line style and text
// style as an end point's drawing leaves them. Aligned points get no traces, and
// nor does a plane whose answer is hidden (the traces give its type away). The
// point edited (0, 1, 2 for A, B, C) is drawn last.
void DrawPlane(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
               const DihedralPoint& C, int edited, bool answerHidden);

// Which of A, B and C the scene edits.
int PlaneEditedIndex(const scene::Scene& scene);

}  // namespace drawing
