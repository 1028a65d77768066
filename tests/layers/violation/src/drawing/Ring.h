// Two headers of one layer that include each other: the check must refuse them.
#include "drawing/Round.h"
