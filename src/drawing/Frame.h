// The fixed background picture: perspective view of the planes, glyph row, panel
// outlines, flat-view frame, the profile frame and cross, and the redraw entries.
#pragma once

namespace drawing {

void RedrawFrame(bool profile);
void DrawDihedralFrame();
void DrawPlanesView();
void DrawPanels();
void DrawProfileFrame();
void DrawProfileCross();
void FullRedraw();

}  // namespace drawing
