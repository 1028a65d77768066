// "Partes vistas y ocultas": a line drawn solid where the observer in the first
// quadrant sees it and dashed elsewhere, split where the projections of its traces
// fall, with the quadrants it crosses named. Off at start; only on request.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/Projections.h"
#include "scene/Scene.h"

namespace drawing {

// The places along a line where a piece may start or end.
enum class LineStation { kA, kB, kH, kV };

// A piece of the line between two stations with no trace inside it.
struct LinePiece {
  EndPointPositions from, to;
  bool seen = true;
};

// The pieces of line AB from one station to another, in that order, split at the
// traces between them; none when either station is a trace the line lacks. Uses
// the current origins.
std::vector<LinePiece> LinePieces(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                                  LineStation from, LineStation to);

// DrawLineScene's line AB at width 3 in space and in its projections, each piece solid
// or dashed, and the text that names its parts. Leaves the pen colour as it was.
void DrawSeenAndHiddenLine(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                           std::int32_t lineColour);

// "Cuadrantes: 3º, 4º, 1º", or the halves of H or V a line in them crosses.
std::string PartsText(const std::vector<std::int32_t>& codes);

// Where that text starts: the top left of the space view, clear of every other text.
constexpr std::int32_t kPartsTextX = 8;
constexpr std::int32_t kPartsTextY = 16;

}  // namespace drawing
