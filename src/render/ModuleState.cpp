#include "render/ModuleState.h"

namespace render {

ModuleState CaptureModuleState() {
  return {scene::SaveState(), quiz::SaveState()};
}

void RestoreModuleState(const ModuleState& state) {
  scene::RestoreState(state.scene);
  quiz::RestoreState(state.quiz);
}

}  // namespace render
