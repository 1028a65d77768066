// The plane through A, B and C drawn over the frame: the three points with their
// projections, the triangle, and the traces alpha 1 and alpha 2 in the flat view,
// on the drawn planes H and V, and (profile view) the trace on the profile plane.
#pragma once

#include <cstdint>
#include <string>

#include "drawing/Painter.h"
#include "scene/PlaneGeometry.h"
#include "scene/Scene.h"

namespace drawing {

// Draws plane ABC in the current 320 x 200 space; leaves pen, line style and text
// style as an end point's drawing leaves them. Aligned points get no traces, and
// nor does a plane whose answer is hidden (the traces give its type away). The
// point edited (0, 1, 2 for A, B, C) is drawn last.
void DrawPlane(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
               const DihedralPoint& C, int edited, bool answerHidden);

// The names of one plane's traces: on H, on V and on the profile plane.
struct TraceLabels {
  std::string onH, onV, onProfile;
};

// The traces of a plane as DrawPlane draws them, under the names given: a second
// plane draws its own. The third trace in the profile view when profile is true, else
// the first two in the perspective view too. Nothing for no plane; leaves the pen as
// it found it.
void DrawPlaneTraces(Painter& painter, const scene::PlaneEquation& plane, const TraceLabels& labels,
                     bool profile);

}  // namespace drawing
