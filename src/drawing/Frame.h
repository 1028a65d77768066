// The fixed background picture: perspective view of the planes, glyph row, panel
// outlines, flat-view frame, the profile frame and cross, and the redraw entries.
#pragma once

#include <cstdint>

namespace drawing {

// Grows by one with every RedrawFrame, the step that clears the picture: a caller
// that kept the value knows whether what it drew since is still on the surface.
// Only ever compared with a kept value, so tests need no reset of it.
extern std::uint64_t& FramesDrawn;

void RedrawFrame(bool profile);
void DrawDihedralFrame();
void DrawPlanesView();
void DrawPanels();
void DrawProfileFrame();
void DrawProfileCross();
void FullRedraw();

}  // namespace drawing
