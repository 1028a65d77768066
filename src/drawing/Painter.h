// The painter of one picture: its graphics (palette, canvas, pen, fill, fonts) and
// the drawing's own values, the logical spaces and the positions worked out from
// them. Every drawing routine takes the painter it draws with.
#pragma once

#include <cstdint>

#include "delgraph/delgraph.h"

namespace drawing {

struct LogicalWindow {
  double x1 = 0.0;  // left
  double y1 = 0.0;  // bottom
  double x2 = 0.0;  // right
  double y2 = 0.0;  // top
};

struct SurfacePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

inline bool operator==(const SurfacePoint& a, const SurfacePoint& b) {
  return a.x == b.x && a.y == b.y;
}

struct Painter : delgraph::Graphics {
  // Logical drawing spaces (LogicalWindow.cpp). Slots 1..5; index 0 is not a slot
  // and stays zero.
  LogicalWindow LogicalWindowTable[6];
  std::uint8_t CurrentWindow = 0;  // 0: none selected
  double WindowWidth = 0.0;
  double WindowHeight = 0.0;

  // Working values, recomputed from the current mapping at each DrawScene.
  SurfacePoint SpaceOrigin;
  SurfacePoint FlatOrigin;
  double AbscissaStepX = 0.0;
  double AbscissaStepY = 0.0;

  // The main unit's saved text style; never filled, so restoring it selects font 0
  // at 8 points.
  delgraph::TextStyleRecord SavedTextStyle;

  // Grows by one with every RedrawFrame, the step that clears the picture: a caller
  // that kept the value knows whether what it drew since is still on the surface.
  std::uint64_t FramesDrawn = 0;

  void SetLogicalWindow(std::uint8_t slot, double x1, double y1, double x2, double y2);
  void SelectLogicalWindow(std::uint8_t slot);
  std::int32_t ScaleX(double x) const;
  std::int32_t ScaleY(double y) const;
  void DrawLogicalLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

  // The store-and-select pair on slot 2 for each space in use.
  void Select320x200();
  void Select640x480();
  void Select640x481();
};

}  // namespace drawing
