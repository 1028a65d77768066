// The 13 x 13 glyphs of the six arrow buttons: a yellow shape with a black outline
// on a transparent background.
#pragma once

#include <QImage>

enum class ArrowGlyph {
  Up,     // BitBtn1, "cota +"
  Down,   // BitBtn2, "cota -"
  Left,   // BitBtn3, "abscisa -"
  Right,  // BitBtn4, "abscisa +"
  Away,   // BitBtn5, "alejamiento -": upward, widening into a trapezoid below
  Toward  // BitBtn6, "alejamiento +": broad head pointing down at the viewer
};

constexpr int GlyphSize = 13;

// ARGB32 image, GlyphSize square.
QImage MakeArrowGlyph(ArrowGlyph kind);
