// A test of the scene that reaches up into the window.
#include "app/High.h"
