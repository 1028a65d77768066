// Every name that is true of a line AB, not only the one the override order of
// LineType and LineRelation picks. Codes as Vocabulary.h names them.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/Scene.h"

namespace classify {

// Type codes (as LineType gives them) that describe AB, sorted, without repeats.
std::vector<std::int32_t> TrueTypes(const DihedralPoint& A, const DihedralPoint& B);
// Relation codes (as LineRelation gives them) that describe AB, sorted, without repeats.
std::vector<std::int32_t> TrueRelations(const DihedralPoint& A, const DihedralPoint& B);

// True when P lies on the ground line.
bool OnGroundLine(const DihedralPoint& P);

// True when the infinite line through A and B has a point with alejamiento 0 and
// cota 0. A single point meets it only when it lies on it. Exact for any 32-bit
// coordinates.
bool MeetsGroundLine(const DihedralPoint& A, const DihedralPoint& B);

}  // namespace classify
