// Naming where a point lies and what kind of line AB is, with the codes that test
// mode compares. Pure: depends on nothing but the standard library and the point type.
#pragma once

#include <cstdint>
#include <string>

#include "scene/Scene.h"

namespace classify {

// Code of the most recent classification, point (1..9) or line type (1..10).
extern std::int32_t ClassCode;
// Code of the most recent line relation (1..11, or -1 for a single point).
extern std::int32_t RelationCode;

std::string PointLocation(std::int32_t alejamiento, std::int32_t cota);
std::string LineType(const DihedralPoint& A, const DihedralPoint& B);
std::string LineCoordinateText(const std::string& letter, const DihedralPoint& P);
std::string LineRelation(const DihedralPoint& A, const DihedralPoint& B);

// Program-start codes (0, 0). For tests.
void ResetClassify();

}  // namespace classify
