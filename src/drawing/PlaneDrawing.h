// The plane through A, B and C drawn over the frame: the three points with their
// projections, the triangle, and the traces alpha 1 and alpha 2 in the flat view,
// on the drawn planes H and V, and (profile view) the trace on the profile plane.
#pragma once

#include <cstdint>
#include <string>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace drawing {

// The labels of the traces, UTF-8 (the canvas draws UTF-8; alpha has no code in
// the old 8-bit code pages).
extern const std::string kAlpha1Label;
extern const std::string kAlpha2Label;
extern const std::string kAlpha3Label;  // the trace on the profile plane

// Draws plane ABC in the current 320 x 200 space; leaves pen, line style and text
// style as an end point's drawing leaves them. Aligned points get no traces.
void DrawPlane(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
               const DihedralPoint& C);

}  // namespace drawing
