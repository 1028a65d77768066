// The panel of a point or a line with the plane ABC: the relation in capitals on the
// type's line, the points' coordinates in two columns (A, B, C as plane mode writes
// them, then P, or D, E and I), and why some notable lines are missing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace drawing {

struct IncidencePanel {
  // "SECANTE AL PLANO", ...; the plane's own naming ("NO DEFINEN UN PLANO") without one.
  std::string relation;
  std::string intersection;         // " I=(12,50; -3,00; 0,00)": a secant line only
  std::vector<std::string> points;  // " A=(...)" for A, B, C, then P or D, E
  std::string notableLack;          // set by the caller from the drawing's answer
};

IncidencePanel PointPlaneTexts(const DihedralPoint& A, const DihedralPoint& B,
                               const DihedralPoint& C, const DihedralPoint& P);
IncidencePanel LinePlaneTexts(const DihedralPoint& A, const DihedralPoint& B,
                              const DihedralPoint& C, const DihedralPoint& D,
                              const DihedralPoint& E);

// Where the texts go, in surface pixels: the relation where a figure's type goes, A,
// B and C where plane mode writes them, the rest in a second column beside them,
// and the notable lines' sentence under both, inside the panel's frame.
constexpr std::int32_t kIncidenceColumnX = 800;
constexpr std::int32_t kIncidenceRowsY[3] = {382, 403, 424};
constexpr std::int32_t kNotableLackY = 443;

// Draws the panel as plane mode draws its texts. answerHidden leaves the relation, I
// and the notable sentence out; with coordinatesHidden too, the coordinates. A text
// too wide for its room is set smaller, down to 8 points. Restores pen and text style.
void DrawIncidencePanel(Painter& painter, const IncidencePanel& panel, bool answerHidden,
                        bool coordinatesHidden);

}  // namespace drawing
