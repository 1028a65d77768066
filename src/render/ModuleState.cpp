#include "render/ModuleState.h"

namespace render {

ModuleState CaptureModuleState() {
  return {scene::SaveState(), delgraph::SaveState(), drawing::SaveState(), quiz::SaveState()};
}

void RestoreModuleState(const ModuleState& state) {
  scene::RestoreState(state.scene);
  delgraph::RestoreState(state.delgraph);
  drawing::RestoreState(state.drawing);
  quiz::RestoreState(state.quiz);
}

}  // namespace render
