// "Partes vistas y ocultas" (Ctrl+Shift+V): the context-menu entry that splits the
// line into its seen and hidden parts and names the quadrants it crosses.
#pragma once

#include <cstdint>

#include "app/UnitQuorvel.h"

namespace app {

class VisibilityCommands : public CommandGroup {
 public:
  explicit VisibilityCommands(TQuorvel& window);
  // A verdict on the surface stays until the next edit.
  void AnswerChecked() override;

 private:
  void Toggled(bool on);
  // The frame on which "comprobar" last showed a verdict: redrawing would wipe it.
  bool verdictShown_ = false;
  std::uint64_t verdictFrame_ = 0;
};

}  // namespace app
