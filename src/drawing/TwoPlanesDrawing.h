// Two planes, alpha through A, B and C and beta through D, E and F, drawn over the
// frame: the six points, both triangles and both planes' traces, the line i where the
// planes meet with its traces h-h' and v-v', and on request how i is found and which
// parts of the two triangles, taken as opaque plates, hide each other.
#pragma once

#include "classify/TwoPlanes.h"
#include "drawing/Painter.h"

namespace drawing {

// The profile view instead of the perspective one is the painter's.
struct TwoPlanesFlags {
  bool visibility = false;    // the plates' seen and hidden edges, and where they cross
  bool construction = false;  // where the traces of one name meet; an auxiliary plane
  int edited = 0;             // 0..5, A..F: the point the controls edit, drawn last
  bool meeting = true;        // i-i' with its traces (left out while it is the answer)
};

// Draws the figure in the current 320 x 200 space. Aligned points give their triangle
// (a segment) and no traces; i is drawn for secant planes only. Leaves the pen, the
// line style (solid, 1 wide) and the text style as DrawPlane leaves them.
void DrawTwoPlanes(Painter& painter, const classify::SixPoints& points,
                   const TwoPlanesFlags& flags);

}  // namespace drawing
