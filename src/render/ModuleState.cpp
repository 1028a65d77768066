#include "render/ModuleState.h"

namespace render {

ModuleState CaptureModuleState() {
  return {scene::SaveState()};
}

void RestoreModuleState(const ModuleState& state) {
  scene::RestoreState(state.scene);
}

}  // namespace render
