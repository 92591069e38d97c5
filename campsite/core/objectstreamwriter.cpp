#include "objectstreamwriter.h"

#include "windows1252.h"

#include <QIODevice>
#include <QtEndian>

#include <limits>

namespace {
// Bytes a device writer gathers before writing them; binary values at least
// this long go to the device directly.
constexpr qsizetype kDevicePiece = 64 * 1024;
} // namespace

ObjectStreamWriter::ObjectStreamWriter(qsizetype expectedSize)
{
    m_data.reserve(expectedSize);
}

ObjectStreamWriter::ObjectStreamWriter(QIODevice* device) : m_device(device)
{
    m_data.reserve(2 * kDevicePiece);
}

bool ObjectStreamWriter::flush()
{
    if (m_device && !m_data.isEmpty()) {
        if (m_device->write(m_data) != m_data.size())
            m_failed = true;
        m_data.resize(0);
    }
    return !m_failed;
}

void ObjectStreamWriter::flushWhenFull()
{
    if (m_device && m_data.size() >= kDevicePiece)
        flush();
}

void ObjectStreamWriter::append(const char* bytes, qsizetype size)
{
    if (m_device && size >= kDevicePiece) {
        flush();
        if (m_device->write(bytes, size) != size)
            m_failed = true;
        return;
    }
    m_data.append(bytes, size);
    flushWhenFull();
}

void ObjectStreamWriter::writeSignature()
{
    m_data.append("TPF0", 4);
}

void ObjectStreamWriter::writeEndOfList()
{
    m_data.append('\0');
}

void ObjectStreamWriter::writeShortString(const QString& text)
{
    const QByteArray bytes = Windows1252::fromUnicode(text).left(255);
    m_data.append(char(bytes.size()));
    append(bytes.constData(), bytes.size());
}

void ObjectStreamWriter::writeInteger(qint32 value)
{
    if (value >= std::numeric_limits<qint8>::min() && value <= std::numeric_limits<qint8>::max()) {
        writeTag(ObjectStreamTag::Int8);
        m_data.append(char(qint8(value)));
    } else if (value >= std::numeric_limits<qint16>::min() &&
               value <= std::numeric_limits<qint16>::max()) {
        writeTag(ObjectStreamTag::Int16);
        writeInt16(qint16(value));
    } else {
        writeTag(ObjectStreamTag::Int32);
        writeUInt32(quint32(value));
    }
}

void ObjectStreamWriter::writeBoolean(bool value)
{
    writeTag(value ? ObjectStreamTag::True : ObjectStreamTag::False);
}

void ObjectStreamWriter::writeBinary(QByteArrayView bytes)
{
    writeTag(ObjectStreamTag::Binary);
    writeUInt32(quint32(bytes.size()));
    append(bytes.data(), bytes.size());
}

void ObjectStreamWriter::writeString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() < 2 * text.size()) {
        if (Windows1252::isAscii(text)) {
            if (utf8.size() <= 255) {
                writeTag(ObjectStreamTag::String);
                m_data.append(char(utf8.size()));
            } else {
                writeTag(ObjectStreamTag::LongString);
                writeUInt32(quint32(utf8.size()));
            }
        } else {
            writeTag(ObjectStreamTag::Utf8String);
            writeUInt32(quint32(utf8.size()));
        }
        append(utf8.constData(), utf8.size());
        return;
    }
    writeTag(ObjectStreamTag::WideString);
    writeUInt32(quint32(text.size()));
    for (const QChar c : text)
        writeInt16(qint16(c.unicode()));
    flushWhenFull();
}

void ObjectStreamWriter::writeUInt32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_data.append(bytes, 4);
}

void ObjectStreamWriter::writeInt16(qint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    m_data.append(bytes, 2);
}
