// A scene header that reaches up into the window: the check must refuse it.
#include "app/UnitQuorvel.h"
