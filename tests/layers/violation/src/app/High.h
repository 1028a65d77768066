// The window may include the scene.
#include "scene/Low.h"
