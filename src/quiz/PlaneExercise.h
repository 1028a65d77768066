// Plane exercises: the type drawn first, then three points of that type, so that
// every type comes up and not only the oblique plane that random points give.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quiz/TestMode.h"

namespace quiz {

// The plane type codes 1..8 equally often, 9 (H or V) and 10 (no plane) rarely.
std::int32_t DrawPlaneTypeCode(const RandomSource& random);

// Three points A, B, C of the plane type `code` (1..10), every coordinate inside
// test mode's bounds.
GeneratedExercise DrawPlaneExercise(const RandomSource& random, ExerciseBounds bounds,
                                    std::int32_t code);

// The type drawn, then its points.
GeneratedExercise DrawPlaneExercise(const RandomSource& random, ExerciseBounds bounds);

}  // namespace quiz
