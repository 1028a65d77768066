// The print palette: its planes are light, and every line, ring and text colour
// stands apart from every plane it can lie on. (The install check compares the
// shipped file with it.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

#include "Pixels.h"
#include "delgraph/ShippedPalette.h"

using namespace delgraph;

namespace {

double Luminance(ColorValue c) {
  const auto channel = [](unsigned v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) +
         0.0722 * channel((c >> 16) & 0xFF);
}

double Contrast(ColorValue a, ColorValue b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(DelgraphTest, PrintPaletteSavesInkAndKeepsEveryMarkApart) {
  ApplyPrintPalette(g.palette);
  EXPECT_EQ(g.PaletteColor(0), MakeColorValue(255, 255, 255));  // the paper itself
  // The planes: the big ones (2, 4) near paper white, the one that also draws the
  // frame (1) still light.
  EXPECT_GT(Luminance(g.PaletteColor(2)), 0.75);
  EXPECT_GT(Luminance(g.PaletteColor(4)), 0.75);
  EXPECT_GT(Luminance(g.PaletteColor(1)), 0.35);

  // Marks on the planes: a line's labels (3), reference lines and rings (12), texts
  // and a point's labels (13), the scene's lines (black).
  const ColorValue marks[] = {g.PaletteColor(1), g.PaletteColor(3), g.PaletteColor(12),
                              g.PaletteColor(13), g.PaletteColor(GetMaxColor())};
  const ColorValue planes[] = {g.PaletteColor(0), g.PaletteColor(1), g.PaletteColor(2),
                               g.PaletteColor(4)};
  for (std::size_t m = 1; m < std::size(marks); ++m)
    for (const ColorValue plane : planes)
      EXPECT_GT(Contrast(marks[m], plane), 1.8) << std::hex << marks[m] << " on " << plane;
  // The frame and the ground line (1) lie on paper only.
  EXPECT_GT(Contrast(marks[0], g.PaletteColor(0)), 1.8);
  // The marks differ from each other too: rings from texts, labels from lines.
  for (std::size_t i = 0; i < std::size(marks); ++i)
    for (std::size_t j = i + 1; j < std::size(marks); ++j) EXPECT_NE(marks[i], marks[j]);
}

}  // namespace
