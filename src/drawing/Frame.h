// The fixed background picture: perspective view of the planes, glyph row, panel
// outlines, flat-view frame, the profile frame and cross, and the redraw entries.
#pragma once

#include "drawing/Painter.h"

namespace drawing {

// Each counts a frame in the painter's FramesDrawn.
void RedrawFrame(Painter& painter, bool profile);
void DrawDihedralFrame(Painter& painter);
void DrawPlanesView(Painter& painter);
void DrawPanels(Painter& painter);
void DrawProfileFrame(Painter& painter);
void DrawProfileCross(Painter& painter);
void FullRedraw(Painter& painter, bool profile);

}  // namespace drawing
