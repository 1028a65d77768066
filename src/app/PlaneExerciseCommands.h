// "Ejercicios de planos": with it ticked, TEST sets a plane exercise about one time
// in three, answered in SelPlano. Off at start, and test mode is then as it was.
#pragma once

#include "app/UnitQuorvel.h"

namespace app {

class PlaneExerciseCommands : public CommandGroup {
 public:
  explicit PlaneExerciseCommands(TQuorvel& window);
};

}  // namespace app
