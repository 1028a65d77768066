// The hidden palette editor: the chart of the sixteen colours, setting one entry
// from red, green and blue, and saving the palette file.
#include "app/Controls.h"
#include "app/UnitQuorvel.h"
#include "delgraph/delgraph.h"
#include "drawing/Painter.h"

namespace {

constexpr int PaletteSize = 16;

// One square per colour, stacked in a column, in the current logical window.
delgraph::PointList ChartSquare(const drawing::Painter& painter, int colour) {
  // Colour 0 starts at 1 rather than 0; the others share edges with their neighbours.
  const int top = colour == 0 ? 1 : 20 * colour;
  const int bottom = colour == 0 ? 20 : 20 * colour + 20;
  const int corners[4][2] = {{1, top}, {20, top}, {20, bottom}, {1, bottom}};
  delgraph::PointList points;
  for (int k = 0; k < 4; ++k) {
    points.xy[2 * k] = painter.ScaleX(corners[k][0]);
    points.xy[2 * k + 1] = painter.ScaleY(corners[k][1]);
  }
  return points;
}

}  // namespace

void TQuorvel::Button2Click() {
  Guarded([this] {
    for (int i = 0; i < PaletteSize; ++i) {
      painter_.SetFillStyle(1, i);
      painter_.SetDrawColor(i);
      painter_.FillPolygon(4, ChartSquare(painter_, i));
    }
  });
}

void TQuorvel::Button3Click() {
  const std::int32_t index = app::SpinValue(SpinEdit1);
  // The palette has sixteen entries; any other index is ignored.
  if (index < 0 || index >= PaletteSize) return;
  painter_.palette.SetEntry(static_cast<std::uint16_t>(index), app::SpinValue(R), app::SpinValue(G),
                            app::SpinValue(B));
}

void TQuorvel::Button4Click() {
  Guarded([this] {
    delgraph::SavePaletteFile(painter_.palette, "pruebas.pal");
    delgraph::LoadPaletteFile(painter_.palette, "pruebas.pal");
    Button2Click();
  });
}
