// The scene of a run: --point, --line and up to two planes (--plane or
// --plane-intercepts, in the order typed), read as the figure kind whose command
// line they match.
#pragma once

#include <QString>

#include "figures/Kind.h"
#include "render/Render.h"

class QCommandLineParser;

namespace cli {

// Puts the scene asked for in picture and returns its kind; otherwise null, with
// the fault in Spanish in *fault.
const figures::Kind* ReadScene(const QCommandLineParser& parser, render::SceneSpec& picture,
                               QString* fault);

// The points of a scene read, A to F.
figures::FigurePoints PointsOf(const render::SceneSpec& picture);

}  // namespace cli
