// Construction exercises drawn at random: each one's answer, its data and its whole
// construction fit kExerciseBox, so it is set in the window and printed at 1:1 alike.
#pragma once

#include <optional>

#include "classify/Construction.h"
#include "quiz/TestMode.h"

namespace quiz {

struct ConstructionExercise {
  classify::ConstructionKind kind = classify::ConstructionKind::kLineTraces;
  classify::ConstructionPoints points{};
};

// One exercise of the kind given, or of a kind drawn first, each about equally often.
// About one line in six is parallel to H or V, so "No existe" is sometimes the answer.
ConstructionExercise DrawConstructionExercise(
    const RandomSource& random, std::optional<classify::ConstructionKind> kind = std::nullopt);

// The exercise's construction in kExerciseBox.
classify::Construction ConstructionOf(const ConstructionExercise& exercise);

}  // namespace quiz
