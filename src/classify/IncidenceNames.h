// Naming a point or a line with the plane ABC: belonging, and a line contained in the
// plane, parallel to it or secant, with where it meets the plane. Decided exactly in
// scene/Incidence.h; here only the words, the answer lists' codes and the numbers as
// the panel and scripts write them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "classify/Classification.h"
#include "classify/Vocabulary.h"
#include "scene/Incidence.h"
#include "scene/Scene.h"

namespace classify {

// "¿Pertenece P al plano?": 1 SÍ, 2 NO.
inline constexpr std::int32_t kBelongsCode = 1;
inline constexpr std::int32_t kOutsideCode = 2;
inline constexpr std::array<ListWords, 2> kBelongingAnswers = {{
    {kBelongsCode, "1. SÍ", "SÍ"},
    {kOutsideCode, "2. NO", "NO"},
}};

// "¿Cómo es la recta respecto del plano?": 1 CONTENIDA, 2 PARALELA, 3 SECANTE.
inline constexpr std::int32_t kContainedCode = 1;
inline constexpr std::int32_t kParallelCode = 2;
inline constexpr std::int32_t kSecantCode = 3;
inline constexpr std::array<ListWords, 3> kLinePlaneAnswers = {{
    {kContainedCode, "1. CONTENIDA", "CONTENIDA"},
    {kParallelCode, "2. PARALELA", "PARALELA"},
    {kSecantCode, "3. SECANTE", "SECANTE"},
}};

// A line DE with D = E is the point D: its naming is the point's, with these codes,
// which no answer list holds (no exercise draws such a line).
inline constexpr std::int32_t kPointOfLineBelongsCode = 4;
inline constexpr std::int32_t kPointOfLineOutsideCode = 5;

// P and plane ABC: {1, "PERTENECE AL PLANO"} or {2, "NO PERTENECE AL PLANO"}; without
// a plane {kNoRelation, ""}: the plane's own naming says why.
Naming PointPlaneRelation(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C,
                          const DihedralPoint& P);

// The line DE and plane ABC: {1, "CONTENIDA EN EL PLANO"}, {2, "PARALELA AL PLANO"} or
// {3, "SECANTE AL PLANO"}; D = E gives D's words with codes 4 and 5; no plane as above.
Naming LinePlaneRelation(const DihedralPoint& A, const DihedralPoint& B, const DihedralPoint& C,
                         const DihedralPoint& D, const DihedralPoint& E);

// The same from a meeting already worked out, for a caller that also needs I.
Naming LinePlaneRelation(const scene::LinePlaneMeeting& meeting);

// Exactly two decimals and a decimal comma, rounded half away from zero on the exact
// value, whatever its size: "12,50", "-0,13", "3,00", "0,00".
std::string TwoDecimals(const scene::WideFraction& f);

// I's coordinates for the panel: " I=(12,50; -3,00; 0,00)".
std::string IntersectionText(const scene::ExactPoint& I);

// Each coordinate in lowest terms, for scripts: {"25/2", "-3", "0"}.
std::array<std::string, 3> ExactCoordinateTexts(const scene::ExactPoint& I);

// The relation's word for scripts: "contenida", "paralela", "secante" or "sin plano";
// a line of one point, "pertenece" or "no pertenece".
std::string LinePlaneWord(scene::LinePlane relation);

// Why the plane has not all four notable lines, one sentence; empty when it has them
// all or is no plane.
std::string NotableLackText(const scene::NotableLines& lines);

}  // namespace classify
