#pragma once

#include "campsiteobject.h"
#include "campsitereadtarget.h"
#include "objectstreamwriter.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

/// Campsite objects as an object stream: one entry per object ("TPF0", class
/// and object name, the properties that differ from their defaults, two end
/// bytes), then a closing 0x00. Campsite files and the clipboard hold it.
namespace CampsiteStream {

/// How reading treats what it does not know.
enum class Mode {
    /// Files: unknown kinds of objects, unknown properties, a picture of
    /// another tag and objects with a name that is no identifier are skipped.
    File,
    /// The clipboard: nothing is skipped; any of these stops the reading.
    Clipboard,
};

/// Appends the object entry of \a object.
void writeObjectEntry(ObjectStreamWriter& writer, const CampsiteObject& object);
/// The stream of \a objects in their order: their entries and the closing 0x00.
QByteArray write(const QList<const CampsiteObject*>& objects);
/// The same, written by \a writer.
void write(ObjectStreamWriter& writer, const QList<const CampsiteObject*>& objects);

/// Reads object entries until the closing 0x00 and hands each object to
/// \a target as soon as its record is read. Returns the number of bytes read,
/// the closing byte included; whatever follows it is not looked at.
/// Throws ObjectStreamError; the objects read before the failure stay with
/// \a target.
qsizetype read(QByteArrayView stream, CampsiteReadTarget& target, Mode mode);

/// Whether \a name may name an object: a letter or '_', then letters, digits
/// or '_', all ASCII.
bool isValidIdentifier(const QString& name);

} // namespace CampsiteStream
