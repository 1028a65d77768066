// The panel of two planes: how the planes lie, the type of the line i where they meet,
// the coordinates of the six points, and, when i is parallel to L.T. and only the
// profile view finds it, a line that says so.
#pragma once

#include "classify/TwoPlanes.h"
#include "drawing/Painter.h"

namespace drawing {

struct TwoPlanesTextFlags {
  int edited = 0;                  // 0..5, A..F: its coordinates are written last
  bool answerHidden = false;       // an exercise waits: no relation, no type of i
  bool coordinatesHidden = false;  // with answerHidden, no coordinates either
};

// Before the scene: the relation ("SECANTES", ...) and the coordinates of the points
// not being edited, A, B and C in one column and D, E and F in the next.
void ShowTwoPlanesRelation(Painter& painter, const classify::SixPoints& points,
                           const TwoPlanesTextFlags& flags);
// After it: the edited point's coordinates, the type of i ("i: HORIZONTAL") above the
// flat view, and the line on the profile view when the traces alone cannot give i.
void ShowTwoPlanesLine(Painter& painter, const classify::SixPoints& points,
                       const TwoPlanesTextFlags& flags);

// That line: "i no se halla solo con α1-α2 y β1-β2: ver perfil".
extern const char* const kOnlyInProfileText;

}  // namespace drawing
