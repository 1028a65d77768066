// Why a wrong answer is wrong: the first claim of the chosen names that the
// coordinates of the exercise contradict, in one short sentence; each kind of
// figure gives its own (Kind::Explanation).
#pragma once

#include <cstdint>
#include <string>

#include "classify/TwoPlanes.h"
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

// One Spanish sentence, from the coordinates, on why P does or does not belong to
// plane ABC: "La horizontal del plano por p da p' con cota 42, y P tiene cota 30: P
// no pertenece al plano.". chosen is the code answered (0 for none).
std::string PointPlaneExplanation(const DihedralPoint& A, const DihedralPoint& B,
                                  const DihedralPoint& C, const DihedralPoint& P,
                                  std::int32_t chosen);
// The same for the line DE: where D and E lie from the plane, and where r meets it.
std::string LinePlaneExplanation(const DihedralPoint& A, const DihedralPoint& B,
                                 const DihedralPoint& C, const DihedralPoint& D,
                                 const DihedralPoint& E, std::int32_t chosen);

// One Spanish sentence on why the planes are as they are:
// "α1 y β1 se cortan en h: los planos son secantes.".
std::string TwoPlanesExplanation(const classify::SixPoints& points);

// One Spanish sentence on why i is of its type, from its points:
// "Todos los puntos de i tienen cota 20: i es horizontal."; empty when not secant.
std::string IntersectionExplanation(const classify::SixPoints& points);

}  // namespace figures
