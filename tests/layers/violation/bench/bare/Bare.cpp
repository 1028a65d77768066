// The bare yardstick must not include the program it is held against.
#include "scene/Low.h"
