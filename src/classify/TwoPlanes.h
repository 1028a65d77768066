// Naming two planes, alpha through A, B and C and beta through D, E and F: how they
// lie to each other, the type of the line i where they meet in the words of the line
// classification, and the pieces of a description for scripts. Pure: the scene's
// exact geometry in, texts and codes out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "classify/Classification.h"
#include "scene/Incidence.h"
#include "scene/Scene.h"

namespace classify {

// The answer list of "¿Cómo son los planos?", in code order. Code 4, three points on a
// line, is named but never asked: it has no row.
struct TwoPlanesWords {
  std::int32_t code;
  const char* listItem;
  const char* resultName;
};

inline constexpr std::array<TwoPlanesWords, 3> kTwoPlanesRelations = {{
    {1, "1. SECANTES", "SECANTES"},
    {2, "2. PARALELOS", "PARALELOS"},
    {3, "3. COINCIDENTES", "COINCIDENTES"},
}};
inline constexpr std::int32_t kSecantPlanes = 1;
inline constexpr std::int32_t kParallelPlanes = 2;
inline constexpr std::int32_t kCoincidentPlanes = 3;
inline constexpr std::int32_t kNoPlanes = 4;  // "NO DEFINEN UN PLANO"

// The second plane's traces, as kAlpha1Label names the first's.
inline const std::string kBeta1Label = "\xCE\xB2" + std::string("1");
inline const std::string kBeta2Label = "\xCE\xB2" + std::string("2");
inline const std::string kBeta3Label = "\xCE\xB2" + std::string("3");

// The six points of the figure: the triangle ABC of alpha, then DEF of beta.
using SixPoints = std::array<DihedralPoint, 6>;

scene::PlanesMeeting MeetingOf(const SixPoints& points);

// "SECANTES", "PARALELOS", "COINCIDENTES" or "NO DEFINEN UN PLANO", with the codes above.
Naming TwoPlanesRelation(const SixPoints& points);
// The same from a meeting already worked out, for a caller that also needs i.
Naming TwoPlanesRelation(const scene::PlanesMeeting& meeting);

// The type of i as the panel writes it, "i: HORIZONTAL", with the code of the line-type
// answer list (kLineTypes); {kNoRelation, ""} for planes that are not secant.
Naming IntersectionType(const scene::PlanesMeeting& meeting);

// The type codes of every kind true of i (a line in H that meets L.T. is both
// "CONTENIDA" and "QUE CORTA A L.T."), sorted, without repeats; empty when not secant.
std::vector<std::int32_t> IntersectionTrueTypes(const scene::PlanesMeeting& meeting);

// For a description: "secantes", "paralelos", "coincidentes" or "sin plano".
const char* RelationWord(scene::PlanesRelation relation);

// The object of i for a description, for secant planes only (empty otherwise):
// {"dirección": [16, 78, -85], "H": ["120/17", "840/17", "0"], "V": null}. The
// direction is primitive with its first non-zero component positive, the traces exact
// fractions in lowest terms; UTF-8.
std::string IntersectionJson(const scene::PlanesMeeting& meeting);

// Whether i can be read from alpha 1-alpha 2 and beta 1-beta 2 alone: false only when
// both planes are parallel to L.T. (or hold it) and neither is perpendicular to H or
// to V, so that only the profile view finds i; true for L.T. itself.
bool IntersectionFromTraces(const SixPoints& points);

}  // namespace classify
