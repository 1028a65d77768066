// The painter of one picture: its graphics (palette, canvas, pen, fill, fonts) and
// the drawing's own values, the logical spaces and the positions worked out from
// them. Every drawing routine takes the painter it draws with.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

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

// What a drawing asks of the window that shows it: the debugging labels 1 to 6 and
// whether the splash text goes. The window applies it after each of its handlers;
// a picture drawn elsewhere leaves it unread.
struct WindowTexts {
  std::array<std::optional<std::string>, 7> labels{};  // 1..6; 0 unused
  bool hideSplash = false;
};

struct Painter : delgraph::Graphics {
  // Logical drawing spaces (LogicalWindow.cpp). Slots 1..5; index 0 is not a slot
  // and stays zero.
  LogicalWindow LogicalWindowTable[6];
  std::uint8_t CurrentWindow = 0;  // 0: none selected
  double WindowWidth = 0.0;
  double WindowHeight = 0.0;
  // The surface's largest x and y, and the factors that map the selected logical
  // space onto it.
  std::int32_t SurfaceWidth = 0, SurfaceHeight = 0;
  double ScaleFactorX = 0.0, ScaleFactorY = 0.0;

  // Working values, recomputed from the current mapping at each scene drawn.
  SurfacePoint SpaceOrigin;
  SurfacePoint FlatOrigin;
  double AbscissaStepX = 0.0;
  double AbscissaStepY = 0.0;
  // Whether the scene being drawn has the profile view: where its projections go.
  bool Profile = false;

  // The main unit's saved text style; never filled, so restoring it selects font 0
  // at 8 points.
  delgraph::TextStyleRecord SavedTextStyle;

  // Grows by one with every RedrawFrame, the step that clears the picture: a caller
  // that kept the value knows whether what it drew since is still on the surface.
  std::uint64_t FramesDrawn = 0;
  WindowTexts ForWindow;

  // The activation mapping: factors 1.0 and the surface extent given (the layer's
  // largest x and y).
  void ActivateMapping(std::int32_t surfaceWidth, std::int32_t surfaceHeight);

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
