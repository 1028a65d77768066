// The plane of an export: through three points (--plane) or in the intercept
// notation (--plane-intercepts X,Y,Z).
#pragma once

#include <QString>

#include "render/Render.h"

class QCommandLineParser;

namespace cli {

// Whether the run asks for a plane.
bool PlaneAsked(const QCommandLineParser& parser);

// Puts the plane asked for in picture; returns an empty string or the fault in Spanish.
QString PlaneFromOptions(const QCommandLineParser& parser, render::SceneSpec& picture);

}  // namespace cli
