// A test of the scene whose shared helper reaches up into the window.
#include "scene/Low.h"
#include "support/Window.h"
