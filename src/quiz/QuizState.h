// Every variable of the quiz in one value: saving the quiz is one copy, and a
// variable added here is saved with the rest. The names in TestMode.h,
// DetailedMode.h and Results.h refer to these members. The random source and its
// generator are not part of it: giving them back would repeat exercises.
#pragma once

#include <vector>

#include "quiz/DetailedMode.h"
#include "quiz/Results.h"

namespace quiz {

struct State {
  bool ExerciseAnswered = false;
  bool DetailedMode = false;
  bool HideCoordinates = false;
  bool PlaneExercisesOn = false;
  Exercise CurrentExercise;
  std::vector<ResultRecord> Results;
};

// The variables themselves. Inline in this header, so that they are initialised
// before any variable of a file that includes it, even one set at start-up; only
// this module's files touch them by this name.
namespace internal {
inline State Current;
}  // namespace internal

State SaveState();
void RestoreState(const State& state);

}  // namespace quiz
