// Naming where a point lies and what kind of line AB is, with the codes that test
// mode compares, in the words of Vocabulary.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/Scene.h"

namespace classify {

// What the classification says of a figure: the code test mode compares and the
// text the window shows.
struct Naming {
  std::int32_t code = 0;
  std::string text;
};

// Where the point lies (code 1..9).
Naming PointLocation(std::int32_t alejamiento, std::int32_t cota);
// The type of line AB (code 1..10).
Naming LineType(const DihedralPoint& A, const DihedralPoint& B);
std::string LineCoordinateText(const std::string& letter, const DihedralPoint& P);
// How AB lies with respect to H, V and L.T. (code 1..11, or -1 for a single point).
Naming LineRelation(const DihedralPoint& A, const DihedralPoint& B);

// The location codes of the open parts into which its traces cut the infinite line
// through A and B, by increasing t along A + t (B - A), equal neighbours merged:
// PointLocation's codes without the bisector mark (1..4 quadrants, 5/6 H anterior
// and posterior, 7/8 V upper and lower, 9 L.T.). A = B gives the point's code.
// Exact for any 32-bit coordinates.
std::vector<std::int32_t> QuadrantsCrossed(const DihedralPoint& A, const DihedralPoint& B);

}  // namespace classify
