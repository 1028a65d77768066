#include "app/PlaneExerciseCommands.h"

#include <QAction>

#include "app/CommandTable.h"
#include "app/UnitQuorvel.h"

namespace app {

PlaneExerciseCommands::PlaneExerciseCommands(TQuorvel& window) : CommandGroup(window) {
  QAction* action = MakeCommand(window, "EjerciciosDePlanos");
  action->setChecked(window.Quiz().PlaneExercisesOn);
  // An exercise already waiting stays as it was set; the choice counts from the next.
  window.AddCommand(action,
                    [&window, action] { window.Quiz().PlaneExercisesOn = action->isChecked(); });
}

}  // namespace app
