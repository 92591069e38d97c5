#pragma once

#include "campsiteobject.h"
#include "campsitereadtarget.h"

#include <QByteArray>
#include <QList>
#include <QString>

/// Campsite files (".gnd"): the object stream of the layout area's objects.
/// Failures are thrown as Failure with the text the error box shows.
namespace CampsiteFile {

/// The file filter of the open and save dialogs.
QString dialogFilter();
/// The suffix the dialogs add to a name typed without one.
QString defaultSuffix();

/// Writes \a objects, in their order, to \a fileName. The save is atomic: the
/// file is replaced only once all of it is written, so a failed save leaves
/// an existing file as it was. Fails with "Cannot create file "<name>".
/// <reason>" or with "Stream write error".
void save(const QString& fileName, const QList<const CampsiteObject*>& objects);

/// The whole content of \a fileName; fails with "<full path> can not be read"
/// when the file cannot be opened or read.
QByteArray readContents(const QString& fileName);

/// Reads the objects of \a contents, the content of \a fileName, into
/// \a target, skipping what a file may hold beyond images and labels. Bytes
/// after the closing 0x00 are ignored. Any failure of the stream fails with
/// "<full path> can not be read"; the objects read before it stay with \a target.
void readObjects(const QString& fileName, QByteArrayView contents, CampsiteReadTarget& target);

/// The failure text for a file that cannot be read: its full path and " can not be read".
QString cannotReadMessage(const QString& fileName);

} // namespace CampsiteFile
