// Naming where a point lies and what kind of line AB is, with the codes that test
// mode compares, in the words of Vocabulary.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/Scene.h"

namespace classify {

// Every variable of the classification, in one value; the names below refer to
// its members.
struct State {
  std::int32_t ClassCode = 0;
  std::int32_t RelationCode = 0;
  bool CoordinatesHidden = false;  // see InfoUpdate.h
};

// Code of the most recent classification, point (1..9) or line type (1..10).
extern std::int32_t& ClassCode;
// Code of the most recent line relation (1..11, or -1 for a single point).
extern std::int32_t& RelationCode;

// The variables themselves. Inline in this header, so that they are initialised
// before any variable of a file that includes it, even one set at start-up; only
// this module's files touch them by this name.
namespace internal {
inline State Current;
}  // namespace internal

State SaveState();
void RestoreState(const State& state);

std::string PointLocation(std::int32_t alejamiento, std::int32_t cota);
std::string LineType(const DihedralPoint& A, const DihedralPoint& B);
std::string LineCoordinateText(const std::string& letter, const DihedralPoint& P);
std::string LineRelation(const DihedralPoint& A, const DihedralPoint& B);

// The location codes of the open parts into which its traces cut the infinite line
// through A and B, by increasing t along A + t (B - A), equal neighbours merged:
// PointLocation's codes without the bisector mark (1..4 quadrants, 5/6 H anterior
// and posterior, 7/8 V upper and lower, 9 L.T.). A = B gives the point's code.
// Exact for any 32-bit coordinates. Sets no ClassCode.
std::vector<std::int32_t> QuadrantsCrossed(const DihedralPoint& A, const DihedralPoint& B);

// Program-start codes (0, 0). For tests.
void ResetClassify();

}  // namespace classify
