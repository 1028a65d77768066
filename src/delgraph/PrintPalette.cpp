#include <cstdint>

#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"

namespace delgraph {

namespace {

// One row per palette entry, by what the exercise picture draws in it.
constexpr RGBEntry kPrintPalette[16] = {
    {255, 255, 255},  // 0  paper: background and the boxes behind texts
    {160, 185, 235},  // 1  frame lines and ground line; lower half of V
    {214, 240, 214},  // 2  upper half of V and the plane H
    {30, 140, 150},   // 3  labels of a line's end points; narrow strips of the planes
    {250, 222, 222},  // 4  small triangle and strip of the planes
    {168, 0, 168},    // 5  magenta
    {200, 90, 0},     // 6  score labels
    {215, 215, 215},  // 7  score panel face
    {100, 100, 100},  // 8  glyph row of the arrow buttons
    {50, 60, 200},    // 9  verdict text
    {40, 150, 40},    // 10 light green, darkened for paper
    {0, 150, 160},    // 11 light cyan, darkened for paper
    {215, 25, 25},    // 12 reference lines and rings
    {140, 0, 140},    // 13 coordinate texts and a point's labels
    {190, 150, 0},    // 14 yellow, darkened for paper
    {255, 255, 255},  // 15 white
};

}  // namespace

void ApplyPrintPalette(Palette& palette) {
  for (int k = 0; k < 16; ++k) {
    const RGBEntry& c = kPrintPalette[k];
    palette.SetEntry(static_cast<std::uint16_t>(k), c.red, c.green, c.blue);
  }
}

RGBEntry PrintPaletteEntry(int k) {
  return k >= 0 && k < 16 ? kPrintPalette[k] : RGBEntry{};
}

}  // namespace delgraph
