// What a drawing may change in the modules below the window that still keep state
// of their own, copied out and put back, so a picture drawn elsewhere leaves the
// window's scene alone (each picture has its own painter). A variable added to such
// a module is saved here with no edit. The window (scene::Quorvel) is given back as
// the same pointer, not copied.
#pragma once

#include "scene/Scene.h"

namespace render {

struct ModuleState {
  ::scene::State scene;
};

ModuleState CaptureModuleState();
void RestoreModuleState(const ModuleState& state);

}  // namespace render
