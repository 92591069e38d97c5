#pragma once

#include "failure.h"

/// The failure of reading a name list at a position outside it.
Failure listIndexError(int position);
