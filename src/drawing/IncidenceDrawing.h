// A point or a line with the plane ABC: the plane as plane mode draws it, p-p' or
// d-d', e-e' with r-r', and for a secant line i-i'; on request the construction that
// decides the relation, the plane's notable lines through A, and the parts of r that
// the plate ABC or the planes of projection hide.
#pragma once

#include <cstdint>
#include <string>

#include "drawing/Painter.h"
#include "scene/Scene.h"

namespace drawing {

// What the user asked to see; the profile view is the painter's.
struct IncidenceView {
  bool visibility = false;    // "Partes vistas y ocultas": ABC an opaque plate
  bool construction = false;  // the horizontal through P, or the projecting plane of r
  bool notable = false;       // h-h', f-f' and the lines of maximum slope and inclination
  // An exercise waiting for its answer: no i-i', no construction, no notable lines, no
  // hidden parts and no traces of the plane, which would all tell the answer.
  bool answerHidden = false;
  int edited = 0;  // 0, 1, 2 for A, B, C: drawn last, as DrawPlane takes it
};

// Colours on screen: the construction's lines and the notable lines each in their own.
constexpr std::int32_t kConstructionColour = 10;  // light green
constexpr std::int32_t kNotableColour = 6;        // orange

// Both draw in the current 320 x 200 space and return, with the notable lines on, why
// the plane lacks some of them (empty otherwise). They leave the pen as they found it,
// the line style solid and 1 wide and the text style as RestoreTextStyle sets it.
std::string DrawPointAndPlane(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                              const DihedralPoint& C, const DihedralPoint& P,
                              const IncidenceView& view);
// A line of one point (D = E) is drawn as the point D.
std::string DrawLineAndPlane(Painter& painter, const DihedralPoint& A, const DihedralPoint& B,
                             const DihedralPoint& C, const DihedralPoint& D, const DihedralPoint& E,
                             const IncidenceView& view);

}  // namespace drawing
