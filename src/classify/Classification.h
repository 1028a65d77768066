// Naming where a point lies and what kind of line AB is, with the codes that test
// mode compares, in the words of Vocabulary.h.
#pragma once

#include <cstdint>
#include <string>

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

// Program-start codes (0, 0). For tests.
void ResetClassify();

}  // namespace classify
