// Every variable of the drawing in one value: saving the drawing is one copy, and
// a variable added here is saved with the rest. The names in LogicalWindow.h,
// Projections.h, Frame.h and TraceDrawing.h refer to these members.
#pragma once

#include <cstdint>

#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"
#include "drawing/Projections.h"

namespace drawing {

struct State {
  LogicalWindow LogicalWindowTable[6];
  std::uint8_t CurrentWindow = 0;
  double WindowWidth = 0.0;
  double WindowHeight = 0.0;
  SurfacePoint SpaceOrigin;
  SurfacePoint FlatOrigin;
  double AbscissaStepX = 0.0;
  double AbscissaStepY = 0.0;
  delgraph::TextStyleRecord SavedTextStyle;
  bool TracesOn = false;
  std::uint64_t FramesDrawn = 0;
  bool VisibilityOn = false;
};

// The variables themselves. Inline in this header, so that they are initialised
// before any variable of a file that includes it, even one set at start-up; only
// this module's files touch them by this name.
namespace internal {
inline State Current;
}  // namespace internal

State SaveState();
void RestoreState(const State& state);

}  // namespace drawing
