// A shared helper that needs the window.
#include "app/High.h"
