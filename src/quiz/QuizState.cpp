#include "quiz/QuizState.h"

#include "quiz/PlaneExercise.h"
#include "quiz/TestMode.h"

namespace quiz {

using internal::Current;

bool& ExerciseAnswered = Current.ExerciseAnswered;
bool& DetailedMode = Current.DetailedMode;
bool& HideCoordinates = Current.HideCoordinates;
bool& PlaneExercisesOn = Current.PlaneExercisesOn;
Exercise& CurrentExercise = Current.CurrentExercise;
std::vector<ResultRecord>& Results = Current.Results;

State SaveState() {
  return Current;
}

void RestoreState(const State& state) {
  Current = state;
}

}  // namespace quiz
