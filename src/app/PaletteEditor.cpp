// The hidden palette editor: the chart of the sixteen colours, setting one entry
// from red, green and blue, and saving the palette file.
#include "app/Controls.h"
#include "app/UnitQuorvel.h"
#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"

namespace {

constexpr int PaletteSize = 16;

// One square per colour, stacked in a column, in the current logical window.
delgraph::PointList ChartSquare(int colour) {
  // Colour 0 starts at 1 rather than 0; the others share edges with their neighbours.
  const int top = colour == 0 ? 1 : 20 * colour;
  const int bottom = colour == 0 ? 20 : 20 * colour + 20;
  const int corners[4][2] = {{1, top}, {20, top}, {20, bottom}, {1, bottom}};
  delgraph::PointList points;
  for (int k = 0; k < 4; ++k) {
    points.xy[2 * k] = drawing::ScaleX(corners[k][0]);
    points.xy[2 * k + 1] = drawing::ScaleY(corners[k][1]);
  }
  return points;
}

}  // namespace

void TQuorvel::Button2Click() {
  Guarded([] {
    for (int i = 0; i < PaletteSize; ++i) {
      delgraph::SetFillStyle(1, i);
      delgraph::SetDrawColor(i);
      delgraph::FillPolygon(4, ChartSquare(i));
    }
  });
}

void TQuorvel::Button3Click() {
  const std::int32_t index = app::SpinValue(SpinEdit1);
  // The palette has sixteen entries; any other index is ignored.
  if (index < 0 || index >= PaletteSize) return;
  delgraph::SetPaletteEntry(static_cast<std::uint16_t>(index), app::SpinValue(R), app::SpinValue(G),
                            app::SpinValue(B));
}

void TQuorvel::Button4Click() {
  Guarded([this] {
    delgraph::SavePaletteFile("pruebas.pal");
    delgraph::LoadPaletteFile("pruebas.pal");
    Button2Click();
  });
}
