#include "render/ModuleState.h"

namespace render {

ModuleState CaptureModuleState() {
  return {scene::SaveState(), classify::SaveState(), quiz::SaveState()};
}

void RestoreModuleState(const ModuleState& state) {
  scene::RestoreState(state.scene);
  classify::RestoreState(state.classify);
  quiz::RestoreState(state.quiz);
}

}  // namespace render
