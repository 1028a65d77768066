#include "drawing/DrawingState.h"

#include "drawing/Frame.h"
#include "drawing/TraceDrawing.h"

namespace drawing {

using internal::Current;

LogicalWindow (&LogicalWindowTable)[6] = Current.LogicalWindowTable;
std::uint8_t& CurrentWindow = Current.CurrentWindow;
double& WindowWidth = Current.WindowWidth;
double& WindowHeight = Current.WindowHeight;
SurfacePoint& SpaceOrigin = Current.SpaceOrigin;
SurfacePoint& FlatOrigin = Current.FlatOrigin;
double& AbscissaStepX = Current.AbscissaStepX;
double& AbscissaStepY = Current.AbscissaStepY;
delgraph::TextStyleRecord& SavedTextStyle = Current.SavedTextStyle;
bool& TracesOn = Current.TracesOn;
std::uint64_t& FramesDrawn = Current.FramesDrawn;

State SaveState() {
  return Current;
}

void RestoreState(const State& state) {
  Current = state;
}

}  // namespace drawing
