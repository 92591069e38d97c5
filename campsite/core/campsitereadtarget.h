#pragma once

#include "campsiteobject.h"

#include <QString>

/// Where objects read from a campsite file or the clipboard go: the layout
/// area, which names them by its naming rule and takes them in stream order.
class CampsiteReadTarget {
public:
    virtual ~CampsiteReadTarget() = default;

    /// The naming rule for read-in objects: \a storedName if no named part of
    /// the window bears it (case ignored), else the word of \a kind ("Image",
    /// "Label") and the smallest free number from 1.
    virtual QString nameForReadObject(const QString& storedName, CampsiteObject::Kind kind) = 0;
    /// Takes an object whose record was read to its end.
    virtual void addReadObject(CampsiteObject object) = 0;
};
