// Exercises on two planes: "¿Cómo son los planos?" and, for secant planes, "¿De qué
// tipo es su intersección?", each with one sentence that says why; the six points an
// exercise draws, and the second triangle the figure starts with.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "classify/TwoPlanes.h"
#include "quiz/TestMode.h"

namespace quiz {

// The relation drawn: secant, parallel or coincident (classify's codes 1..3), each a
// third of the time.
std::int32_t DrawTwoPlanesRelation(const RandomSource& random);

// A, B, C and D, E, F of planes in that relation, every coordinate inside the bounds
// (as DrawPlaneExercise's), neither triple aligned; a coincident exercise never
// repeats the first triangle.
classify::SixPoints DrawTwoPlanesExercise(const RandomSource& random, ExerciseBounds bounds,
                                          std::int32_t relation);
// The relation drawn, then its points.
classify::SixPoints DrawTwoPlanesExercise(const RandomSource& random, ExerciseBounds bounds);

// D, E and F of a triangle that crosses ABC where both projections show it: ABC turned
// half a turn about its centre in its plane, then 50 degrees out of it about the line
// through the centre parallel to CA. A fixed triangle for aligned points.
std::array<DihedralPoint, 3> CrossingTriangle(const DihedralPoint& A, const DihedralPoint& B,
                                              const DihedralPoint& C);

}  // namespace quiz
