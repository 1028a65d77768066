// Why a wrong answer is wrong: the first claim of the chosen names that the
// coordinates of the exercise contradict, in one short sentence; each kind of
// figure gives its own (Kind::Explanation).
#pragma once

#include <cstdint>
#include <string>

#include "figures/Exercise.h"
#include "scene/Scene.h"

namespace figures {

// A point's location and a line's type and relation; empty when the detailed
// judgement finds the answer right.
std::string PointExplanation(const Exercise& e, const Answer& a);
std::string LineExplanation(const Exercise& e, const Answer& a);

// One Spanish sentence, from the coordinates, on why plane ABC is of its type:
// "A, B y C tienen la misma cota (30): el plano es horizontal.".
std::string PlaneFact(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C);

// One Spanish sentence on the fact that rules out `chosen` (a plane list code, 0
// when none was chosen) for plane ABC; meaningful only when it is not a true name.
std::string PlaneExplanation(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C,
                             std::int32_t chosen);

}  // namespace figures
