// Everything a drawing may change in the modules below the window, copied out and
// put back, so a picture drawn elsewhere leaves the window's picture and scene alone.
// Each module saves its own variables; a variable added to a module is saved here
// with no edit. Pointers are kept as pointers: the window (scene::Quorvel) and the
// canvas drawn on (delgraph::SurfaceCanvas) are given back, not copied.
#pragma once

#include "classify/Classification.h"
#include "delgraph/delgraph.h"
#include "drawing/DrawingState.h"
#include "scene/Scene.h"

namespace render {

struct ModuleState {
  ::scene::State scene;
  ::delgraph::State delgraph;
  ::drawing::State drawing;
  ::classify::State classify;
};

ModuleState CaptureModuleState();
void RestoreModuleState(const ModuleState& state);

}  // namespace render
