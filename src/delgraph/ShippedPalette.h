// The palette the program ships as "pruebas.pal": the default colours with colour 0
// set to the drawing area's pale background.
#pragma once

namespace delgraph {

// Writes the shipped colours through SetPaletteEntry, so PaletteRGB holds them too.
void ApplyShippedPalette();

}  // namespace delgraph
