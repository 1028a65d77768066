// A construction exercise in the flat view: its data, the steps of its solution up
// to one of them, the markers a student placed and the exact answers. The window,
// the pictures out and the sheets all draw it here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "classify/Construction.h"
#include "drawing/Painter.h"

namespace drawing {

struct ConstructionLook {
  // How many steps are drawn: 0 the data alone, steps.size() the whole construction.
  std::size_t steps = 0;
  // Paper: black, the data and the answer thick, auxiliary lines thin, each step's
  // number beside its first label. On screen each step has a colour of its own.
  bool paper = false;
  bool numbered = false;
  // The exact answers as rings (after a check, or in a key).
  bool answers = false;
  // The data's strokes and labels; off over a scene's own drawing of its figure.
  bool data = true;
  // Surface pixels per unit, and where L.T. meets abscissa 0; the window's flat view
  // when origin is none (1 pixel a unit there).
  double unit = 1.0;
  std::optional<SurfacePoint> origin;
  // The thin and the thick pen in surface pixels (paper only).
  std::uint16_t thin = 1;
  std::uint16_t thick = 2;
};

// A marker a student placed, or the one being placed.
struct PlacedMarker {
  std::string label;
  std::optional<classify::FlatPoint> at;
  bool current = false;  // the one the next click places: drawn thicker
};

// The colour of step n (from 1) on screen; data and markers have their own.
std::int32_t StepColour(std::size_t n);
constexpr std::int32_t kMarkerColour = 5;  // magenta: the student's
constexpr std::int32_t kAnswerColour = 4;  // red: the exact answer

// The window's flat view in units, inside its frame: what a construction of the scene
// is cut at.
classify::FlatBox FlatViewBox(const Painter& painter);

// Where a flat-view place lands on the surface, and back (to the nearest whole unit).
SurfacePoint SurfaceOf(const Painter& painter, const ConstructionLook& look,
                       const classify::FlatPoint& p);
classify::FlatPoint NearestUnit(const Painter& painter, const ConstructionLook& look,
                                std::int32_t x, std::int32_t y);

// Draws on what is there (the caller clears or redraws the frame first). Leaves the
// pen solid and 1 wide and the text style as RestoreTextStyle sets it.
void DrawConstruction(Painter& painter, const classify::Construction& construction,
                      const ConstructionLook& look, const std::vector<PlacedMarker>& placed);

}  // namespace drawing
