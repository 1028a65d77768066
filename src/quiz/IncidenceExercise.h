// Exercises on a point or a line with a plane: "¿Pertenece P al plano?" (SÍ / NO)
// and "¿Cómo es la recta respecto del plano?" (CONTENIDA / PARALELA / SECANTE), with
// the answer drawn first so that each comes up about equally often, and the sentence
// that explains a wrong answer from the coordinates.
#pragma once

#include <cstdint>
#include <string>

#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace quiz {

// The plane ABC, a point P and its answer in classify::kBelongingAnswers' codes.
struct PointPlaneExercise {
  DihedralPoint a, b, c, p;
  std::int32_t answer = 0;
};

// The plane ABC, the line DE and its answer in classify::kLinePlaneAnswers' codes.
struct LinePlaneExercise {
  DihedralPoint a, b, c, d, e;
  std::int32_t answer = 0;
};

// How far a point that does not belong lies from the plane, at least, along the
// axis that reaches the plane soonest: nothing looks as if it belonged.
constexpr std::int32_t kOffPlaneUnits = 5;

// A plane of any type but "no plane", every point inside the bounds the plane
// exercises use (each coordinate below its bound in size); bounds of 20 or more.
// P, when it belongs, lies near the triangle's centre; otherwise it is that point
// moved off the plane. A secant line crosses the triangle ABC; a contained one joins
// two points of the triangle, and a parallel one is such a line moved off the plane.
PointPlaneExercise DrawPointPlaneExercise(const RandomSource& random, ExerciseBounds bounds);
LinePlaneExercise DrawLinePlaneExercise(const RandomSource& random, ExerciseBounds bounds);

}  // namespace quiz
