#include "gridrules.h"

static_assert(snapToGrid(100, 8) == 96);
static_assert(snapToGrid(37, 8) == 32);
static_assert(snapToGrid(-5, 8) == 0, "truncates toward zero");
