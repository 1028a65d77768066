// The traces of the scene's line drawn over its projections, on request: off at
// start, only in line mode, never while an exercise waits for its answer.
#pragma once

#include <cstdint>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace drawing {

// Draws the traces of line AB that exist, whatever the scene's TracesOn says: in the flat view
// h, h', v, v' with their reference lines, in the space (or profile) view the trace
// points, and the line and its projections extended dashed, in lineColour, to a
// trace outside AB. Gives the pen back as it found it; leaves the line style solid
// and 1 wide, and the text style as RestoreTextStyle sets it (font 0 at 8 points),
// whatever they were before. With visibility, the extensions are split into seen
// and hidden parts.
void DrawLineTraces(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                    std::int32_t lineColour, bool visibility);

}  // namespace drawing
