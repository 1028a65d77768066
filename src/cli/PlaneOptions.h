// The plane of an export: through three points (--plane) or in the intercept
// notation (--plane-intercepts X,Y,Z).
#pragma once

#include <QString>

#include "render/Render.h"

class QCommandLineParser;

namespace cli {

// Why a coordinate's text is refused: not a whole number, or one outside the
// 32-bit range (the message gives the range).
QString CoordinateFault(const QString& text);

// Whether the run asks for a plane.
bool PlaneAsked(const QCommandLineParser& parser);

// Puts the plane asked for in picture; returns an empty string or the fault in Spanish.
QString PlaneFromOptions(const QCommandLineParser& parser, render::SceneSpec& picture);

}  // namespace cli
