#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/// The 8-bit code page of campsite files: Windows-1252. Short strings (class
/// and object names) and the 8-bit string values are text in this code page.
namespace Windows1252 {

/// The text of \a bytes. The five bytes the code page leaves unassigned
/// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
/// number, as Windows itself reads them.
QString toUnicode(QByteArrayView bytes);

/// The bytes of \a text; a character the code page lacks becomes '?'.
QByteArray fromUnicode(const QString& text);

/// Whether every character of \a text is plain ASCII, so that its bytes are
/// the same in the code page as in UTF-8.
bool isAscii(const QString& text);

} // namespace Windows1252
