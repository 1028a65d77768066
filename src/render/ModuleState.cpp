#include "render/ModuleState.h"

namespace render {

ModuleState CaptureModuleState() {
  return {scene::SaveState(), delgraph::SaveState(), drawing::SaveState(), classify::SaveState()};
}

void RestoreModuleState(const ModuleState& state) {
  scene::RestoreState(state.scene);
  delgraph::RestoreState(state.delgraph);
  drawing::RestoreState(state.drawing);
  classify::RestoreState(state.classify);
}

}  // namespace render
