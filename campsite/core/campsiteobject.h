#pragma once

#include "picture.h"

#include <QRect>
#include <QString>

/// An image or a label on the layout area. The layout area owns its objects
/// and keeps them in creation order, which is also the order of drawing,
/// saving and hit-testing (the last one is on top).
struct CampsiteObject {
    enum class Kind { Image, Label };

    Kind kind = Kind::Image;
    QString name;     ///< unique within the window, case ignored
    QRect geometry;   ///< left, top, width, height in layout-area pixels
    QString hint;

    // images
    Picture picture;
    bool stretch = false;
    bool transparent = false;

    // labels
    QString caption;
    bool autoSize = true; ///< takes its caption's size when the caption changes or after loading

    bool isImage() const { return kind == Kind::Image; }
    bool isLabel() const { return kind == Kind::Label; }
    /// "TImage" or "TLabel": the class name that files store.
    QString className() const
    {
        return isImage() ? QStringLiteral("TImage") : QStringLiteral("TLabel");
    }
};
