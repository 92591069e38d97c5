#pragma once

#include "campsiteobject.h"

#include <QFont>
#include <QList>
#include <QString>

/// What the property inspector offers for the selected campsite objects: the
/// rows "Caption", "Height", "Left", "Top", "Width" (in that order) that every
/// selected object has, with the values shown, and the applying of a typed value.
namespace InspectorRows {

struct Row {
    QString property; ///< the property's own name, e.g. "Left"
    QString value;    ///< as shown: decimal integers, a caption unchanged

    friend bool operator==(const Row&, const Row&) = default;
};

/// No rows for no objects; "Caption" only when all are labels. An integer row
/// is blank unless all objects agree; "Caption" shows the first object's caption.
QList<Row> rowsFor(const QList<CampsiteObject*>& objects);

/// \a text converted to a 32-bit integer: an optional sign and decimal digits.
/// Throws Failure "<text> is illegal (<property>)" otherwise.
int integerValue(const QString& text, const QString& property);

/// The coordinates an object's edges may take: far beyond any screen, and far
/// enough inside 32 bits that a rectangle's edges never overflow.
constexpr int kCoordinateLimit = 1 << 30;

/// Applies \a text for \a property to each object in order. "Caption" is set
/// even when empty, and a label with automatic size then takes its caption's
/// size in \a font; an empty integer text changes nothing. A text that is no
/// integer throws at the object where it failed: objects before it keep the
/// new value. So does a value that would put an edge of the object beyond
/// kCoordinateLimit either way.
void apply(const QList<CampsiteObject*>& objects, const QString& property, const QString& text,
           const QFont& font);

} // namespace InspectorRows

/// The size of \a caption on one line in \a font: a self-sizing label's size.
QSize captionSize(const QString& caption, const QFont& font);
/// Gives a label its caption's size in \a font, keeping its top-left corner.
void fitLabelToCaption(CampsiteObject& label, const QFont& font);
