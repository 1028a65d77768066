#include "app/PlaneExerciseCommands.h"

#include <QAction>

#include "app/CommandTable.h"
#include "quiz/PlaneExercise.h"

namespace app {

PlaneExerciseCommands::PlaneExerciseCommands(TQuorvel& window) : CommandGroup(window) {
  QAction* action = MakeCommand(window, "EjerciciosDePlanos");
  action->setChecked(quiz::PlaneExercisesOn);
  // An exercise already waiting stays as it was set; the choice counts from the next.
  window.AddCommand(action, [action] { quiz::PlaneExercisesOn = action->isChecked(); });
}

}  // namespace app
