#include "app/PlaneExerciseCommands.h"

#include <QAction>

#include "quiz/PlaneExercise.h"

namespace app {

PlaneExerciseCommands::PlaneExerciseCommands(TQuorvel& window) : CommandGroup(window) {
  // No key: the plain letters are taken or typed into the answer lists, and
  // Ctrl+Shift+P lies one slip away from printing.
  auto* action = new QAction(QStringLiteral("Ejercicios de planos"), &window);
  action->setObjectName(QStringLiteral("EjerciciosDePlanos"));
  action->setCheckable(true);
  action->setChecked(quiz::PlaneExercisesOn);
  action->setStatusTip(
      QStringLiteral("TEST pone también ejercicios de planos, más o menos uno de cada tres"));
  // An exercise already waiting stays as it was set; the choice counts from the next.
  window.AddCommand(action, [action] { quiz::PlaneExercisesOn = action->isChecked(); });
}

}  // namespace app
