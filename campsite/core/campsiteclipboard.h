#pragma once

#include "campsiteobject.h"
#include "campsitereadtarget.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

/// Campsite objects on the system clipboard: the clipboard block (a 4-byte
/// length L and L bytes of object stream) under the format
/// "Dsn_ClipboardFormat", so objects travel between running windows.
namespace CampsiteClipboard {

/// The clipboard format, used as the MIME type of the clipboard data.
QString format();

/// The clipboard block of \a stream.
QByteArray block(QByteArrayView stream);
/// The stream of a clipboard block; throws ObjectStreamError when the block
/// is shorter than its length says. Bytes after the stream are not part of it.
QByteArrayView streamOf(QByteArrayView block);

/// Puts \a objects, in this order, on the clipboard, replacing what it held.
void copy(const QList<const CampsiteObject*>& objects);
/// Whether the clipboard holds campsite objects.
bool hasObjects();
/// Reads the clipboard's objects into \a target, each brought inside an area
/// of \a targetSize as soon as it is read. Nothing is skipped: any object or
/// value the reader does not take stops the paste with ObjectStreamError,
/// the objects pasted before it staying with \a target.
void paste(CampsiteReadTarget& target, QSize targetSize);

/// \a rect moved inside an area of \a area: a left beyond the area's width
/// becomes the width less the object's width, and a negative left 0; the
/// same for top and height.
QRect broughtInside(QRect rect, QSize area);

} // namespace CampsiteClipboard
