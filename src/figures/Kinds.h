// The kinds of figure, each a class in its own file, and the registry (Kinds.cpp)
// that lists them.
#pragma once

#include "figures/Kind.h"

namespace figures {

const Kind& ThePointKind();
const Kind& TheLineKind();
const Kind& ThePlaneKind();
const Kind& ThePointPlaneKind();
const Kind& TheLinePlaneKind();
const Kind& TheTwoPlanesKind();

}  // namespace figures
