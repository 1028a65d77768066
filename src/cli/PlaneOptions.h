// A plane of a scene: through three points (--plane) or in the intercept notation
// (--plane-intercepts X,Y,Z).
#pragma once

#include <QString>

#include "scene/Scene.h"

namespace cli {

// Why a coordinate's text is refused: not a whole number, or one outside the
// 32-bit range (the message gives the range).
QString CoordinateFault(const QString& text);

// The three points of a plane given as --plane (option "plane", value
// "X,Y,Z:X,Y,Z:X,Y,Z") or --plane-intercepts, named by the three letters of names
// in the messages; returns an empty string or the fault in Spanish.
QString PlanePoints(const QString& option, const QString& value, const char* names,
                    DihedralPoint points[3]);

}  // namespace cli
