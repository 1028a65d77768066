// Plane exercises: the type drawn first, then three points of that type, so that
// every type comes up and not only the oblique plane that random points give.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quiz/TestMode.h"

namespace quiz {

// Whether TEST may set a plane exercise (about one in three); off at program start.
extern bool& PlaneExercisesOn;

// The plane type codes 1..8 equally often, 9 (H or V) and 10 (no plane) rarely.
std::int32_t DrawPlaneTypeCode(const RandomSource& random);

// Three points A, B, C of the plane type `code` (1..10), every coordinate inside
// test mode's bounds. Leaves ClassCode as it was.
GeneratedExercise DrawPlaneExercise(const RandomSource& random, ExerciseBounds bounds,
                                    std::int32_t code);

// The type drawn, then its points.
GeneratedExercise DrawPlaneExercise(const RandomSource& random, ExerciseBounds bounds);

// Every true name of plane ABC, the classification's own first: a bisector is also
// a plane through L.T.; plane H is also horizontal and through L.T., plane V
// frontal and through L.T. Leaves ClassCode as it was.
std::vector<std::string> PlaneTrueNames(const DihedralPoint& A, const DihedralPoint& B,
                                        const DihedralPoint& C);
// The codes of those names that the plane list accepts.
std::vector<std::int32_t> PlaneTrueCodes(const DihedralPoint& A, const DihedralPoint& B,
                                         const DihedralPoint& C);

// One Spanish sentence, from the coordinates, on why plane ABC is of its type:
// "A, B y C tienen la misma cota (30): el plano es horizontal.".
std::string PlaneFact(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

}  // namespace quiz
