// The palettes the program ships: "pruebas.pal", the default colours with colour 0
// set to the drawing area's pale background, and "impresion.pal", light tints for
// printed sheets.
#pragma once

#include "delgraph/delgraph.h"

namespace delgraph {

// Writes the shipped colours through SetEntry, so the RGB records hold them too.
void ApplyShippedPalette(Palette& palette);

// The same for the print palette: planes in light tints on white paper, lines, rings
// and texts dark enough to stay apart on every plane.
void ApplyPrintPalette(Palette& palette);
// Entry k (0..15) of the print palette; black outside.
RGBEntry PrintPaletteEntry(int k);

}  // namespace delgraph
