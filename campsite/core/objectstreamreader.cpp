#include "objectstreamreader.h"

#include "windows1252.h"

#include <QtEndian>

namespace {

// The payload size of the tags whose payload has a fixed size.
qsizetype fixedPayloadSize(ObjectStreamTag tag)
{
    switch (tag) {
    case ObjectStreamTag::EndOfList:
    case ObjectStreamTag::False:
    case ObjectStreamTag::True:
    case ObjectStreamTag::Nil:
        return 0;
    case ObjectStreamTag::Int8:
        return 1;
    case ObjectStreamTag::Int16:
        return 2;
    case ObjectStreamTag::Int32:
    case ObjectStreamTag::Single:
        return 4;
    case ObjectStreamTag::Currency:
    case ObjectStreamTag::Date:
    case ObjectStreamTag::Int64:
        return 8;
    case ObjectStreamTag::Extended:
        return 10;
    default:
        return -1;
    }
}

} // namespace

void ObjectStreamReader::need(qsizetype count) const
{
    if (count < 0 || count > bytesLeft())
        throw ObjectStreamError::endOfStream();
}

void ObjectStreamReader::enter()
{
    if (++m_depth > kMaxDepth)
        throw ObjectStreamError::invalidFormat();
}

quint8 ObjectStreamReader::peekByte() const
{
    need(1);
    return static_cast<quint8>(m_stream[m_position]);
}

quint8 ObjectStreamReader::readByte()
{
    const quint8 byte = peekByte();
    ++m_position;
    return byte;
}

QByteArrayView ObjectStreamReader::readBytes(qsizetype count)
{
    need(count);
    const QByteArrayView bytes = m_stream.sliced(m_position, count);
    m_position += count;
    return bytes;
}

quint32 ObjectStreamReader::readUInt32()
{
    return qFromLittleEndian<quint32>(readBytes(4).data());
}

void ObjectStreamReader::readEndOfList()
{
    if (readByte() != 0)
        throw ObjectStreamError::invalidFormat();
}

void ObjectStreamReader::readSignature()
{
    if (readBytes(4) != QByteArrayView("TPF0", 4))
        throw ObjectStreamError::invalidFormat();
}

std::optional<ObjectStreamReader::Prefix> ObjectStreamReader::readPrefix()
{
    if ((peekByte() & 0xF0) != 0xF0)
        return std::nullopt;
    Prefix prefix;
    prefix.flags = readByte() & 0x0F;
    if (prefix.flags & kChildPositionFlag)
        prefix.childPosition = readInteger();
    return prefix;
}

QByteArrayView ObjectStreamReader::readShortString()
{
    return readBytes(readByte());
}

ObjectStreamTag ObjectStreamReader::peekTag() const
{
    const quint8 tag = peekByte();
    if (tag > kLastObjectStreamTag)
        throw ObjectStreamError::invalidFormat();
    return ObjectStreamTag(tag);
}

ObjectStreamTag ObjectStreamReader::readTag()
{
    const ObjectStreamTag tag = peekTag();
    ++m_position;
    return tag;
}

qint32 ObjectStreamReader::readIntegerPayload(ObjectStreamTag tag)
{
    switch (tag) {
    case ObjectStreamTag::Int8:
        return qint8(readByte());
    case ObjectStreamTag::Int16:
        return qFromLittleEndian<qint16>(readBytes(2).data());
    case ObjectStreamTag::Int32:
        return qFromLittleEndian<qint32>(readBytes(4).data());
    default:
        throw ObjectStreamError::invalidPropertyValue();
    }
}

qint32 ObjectStreamReader::readInteger()
{
    return readIntegerPayload(readTag());
}

QByteArrayView ObjectStreamReader::readBinaryPayload()
{
    return readBytes(readUInt32());
}

QString ObjectStreamReader::readStringPayload(ObjectStreamTag tag)
{
    switch (tag) {
    case ObjectStreamTag::String:
        return Windows1252::toUnicode(readShortString());
    case ObjectStreamTag::LongString:
        return Windows1252::toUnicode(readBytes(readUInt32()));
    case ObjectStreamTag::Utf8String:
        return QString::fromUtf8(readBytes(readUInt32()));
    case ObjectStreamTag::WideString: {
        const qsizetype units = readUInt32();
        const QByteArrayView bytes = readBytes(2 * units);
        QString text(units, Qt::Uninitialized);
        qFromLittleEndian<char16_t>(bytes.data(), units, text.data());
        return text;
    }
    default:
        throw ObjectStreamError::invalidPropertyValue();
    }
}

void ObjectStreamReader::skipValuePayload(ObjectStreamTag tag)
{
    const qsizetype fixed = fixedPayloadSize(tag);
    if (fixed >= 0) {
        readBytes(fixed);
        return;
    }
    switch (tag) {
    case ObjectStreamTag::String:
    case ObjectStreamTag::Identifier:
        readShortString();
        return;
    case ObjectStreamTag::Binary:
    case ObjectStreamTag::LongString:
    case ObjectStreamTag::Utf8String:
        readBytes(readUInt32());
        return;
    case ObjectStreamTag::WideString:
        readBytes(2 * qsizetype(readUInt32()));
        return;
    case ObjectStreamTag::List:
        enter();
        while (!atEndOfList())
            skipValue();
        readEndOfList();
        leave();
        return;
    case ObjectStreamTag::Set:
        while (!readShortString().isEmpty()) {
        }
        return;
    case ObjectStreamTag::Collection:
        enter();
        while (!atEndOfList()) {
            const ObjectStreamTag itemTag = readTag();
            if (itemTag == ObjectStreamTag::Int8 || itemTag == ObjectStreamTag::Int16 ||
                itemTag == ObjectStreamTag::Int32) {
                readIntegerPayload(itemTag);
                if (readTag() != ObjectStreamTag::List)
                    throw ObjectStreamError::invalidFormat();
            } else if (itemTag != ObjectStreamTag::List) {
                throw ObjectStreamError::invalidFormat();
            }
            skipProperties();
        }
        readEndOfList();
        leave();
        return;
    default:
        throw ObjectStreamError::invalidFormat();
    }
}

void ObjectStreamReader::skipValue()
{
    skipValuePayload(readTag());
}

void ObjectStreamReader::skipProperties()
{
    while (!atEndOfList()) {
        readShortString();
        skipValue();
    }
    readEndOfList();
}

void ObjectStreamReader::skipObjectRecordBody()
{
    enter();
    skipProperties();
    while (!atEndOfList())
        skipObjectRecord();
    readEndOfList();
    leave();
}

void ObjectStreamReader::skipObjectRecord()
{
    readPrefix();
    readShortString();
    readShortString();
    skipObjectRecordBody();
}
