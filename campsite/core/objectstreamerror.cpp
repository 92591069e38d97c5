#include "objectstreamerror.h"

ObjectStreamError ObjectStreamError::endOfStream()
{
    return ObjectStreamError(QStringLiteral("Stream read error"));
}

ObjectStreamError ObjectStreamError::invalidFormat()
{
    return ObjectStreamError(QStringLiteral("Invalid stream format"));
}

ObjectStreamError ObjectStreamError::invalidPropertyValue()
{
    return ObjectStreamError(QStringLiteral("Invalid property value"));
}
