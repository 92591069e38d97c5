#pragma once

#include "failure.h"

/// A stream that cannot be read: cut short, of an unknown shape, or holding
/// what the reader may not take. The message says which.
class ObjectStreamError : public Failure {
public:
    using Failure::Failure;

    /// "Stream read error": the stream ends before the value it announced.
    static ObjectStreamError endOfStream();
    /// "Invalid stream format": bytes that are no part of an object stream.
    static ObjectStreamError invalidFormat();
    /// "Invalid property value": a value the property does not take.
    static ObjectStreamError invalidPropertyValue();
};
