// The other half of the loop, included as a neighbour.
#include "Ring.h"
