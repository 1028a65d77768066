// What test mode keeps from one exercise to the next, as one value. The window owns
// one and hands it to every routine of the quiz; a sheet or a test builds its own.
// The random source is deliberately not part of it: a copy given back would repeat
// exercises.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "classify/Construction.h"
#include "quiz/ConstructionRound.h"
#include "quiz/DetailedMode.h"
#include "quiz/Results.h"

namespace quiz {

struct Quiz {
  // True once the current exercise has been judged.
  bool ExerciseAnswered = false;
  // The user's choices. HideCoordinates counts only while DetailedMode is on.
  bool DetailedMode = false;
  bool HideCoordinates = false;
  // Whether TEST may set a plane exercise (about one in three).
  bool PlaneExercisesOn = false;
  // Whether TEST may set a construction exercise (about one in three), and how
  // many units off a marker may lie and still be right.
  bool ConstructionExercisesOn = false;
  int Tolerance = static_cast<int>(classify::kDefaultTolerance);
  // The construction exercise set last; none while a naming exercise is set.
  std::optional<ConstructionRound> Construction;
  Exercise CurrentExercise;
  std::vector<ResultRecord> Results;
  // The score since the start or the last reset; counts never wrap.
  std::int32_t TestHits = 0, TestMisses = 0;
};

}  // namespace quiz
