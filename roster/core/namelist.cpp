#include "namelist.h"

Failure listIndexError(int position)
{
    return Failure(QStringLiteral("List index out of bounds (%1)").arg(position));
}
