#pragma once

#include "objectstreamtag.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

/// Writes an object stream: object entries of class name, object name and
/// property records, each property a name and a tagged value. Multi-byte
/// integers are little-endian.
///
/// A writer either collects the stream in memory (take it with data()) or
/// writes it through to a device in large pieces, binary values straight from
/// their own bytes, so a file of big pictures is never copied whole.
class ObjectStreamWriter {
public:
    /// Collects the stream in memory, with room reserved for \a expectedSize bytes.
    explicit ObjectStreamWriter(qsizetype expectedSize = 0);
    /// Writes the stream to \a device (not owned); call flush() at the end.
    explicit ObjectStreamWriter(QIODevice* device);

    /// The stream collected in memory.
    const QByteArray& data() const { return m_data; }
    QByteArray takeData() { return std::move(m_data); }
    /// Writes what is buffered to the device. False when any write to the
    /// device has failed so far.
    bool flush();

    /// "TPF0", the signature in front of every object entry.
    void writeSignature();
    /// A 0x00 byte: the end of a property list, of a child list or of the stream.
    void writeEndOfList();
    /// One length byte and up to 255 bytes of \a text in the 8-bit code page;
    /// longer text is cut to 255 bytes.
    void writeShortString(const QString& text);
    /// A property record begins with its name.
    void writePropertyName(const QString& name) { writeShortString(name); }

    /// Tag 2, 3 or 4, the narrowest that holds \a value.
    void writeInteger(qint32 value);
    /// Tag 9 or 8.
    void writeBoolean(bool value);
    /// Tag 10: a 4-byte length and the bytes.
    void writeBinary(QByteArrayView bytes);
    /// The string rule: plain ASCII as tag 6 (up to 255 bytes) or tag 12;
    /// other text as tag 20 (UTF-8) when that is shorter than UTF-16, else
    /// as tag 18 (UTF-16LE).
    void writeString(const QString& text);

    void writeTag(ObjectStreamTag tag) { m_data.append(char(tag)); }
    void writeUInt32(quint32 value);

private:
    void writeInt16(qint16 value);
    void append(const char* bytes, qsizetype size);
    void flushWhenFull();

    QByteArray m_data;
    QIODevice* m_device = nullptr;
    bool m_failed = false;
};
