#pragma once

#include "objectstreamerror.h"
#include "objectstreamtag.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

/// Reads an object stream in place: the reader never copies the stream, and
/// strings and binary values come back as views into it, valid as long as
/// the stream's bytes are.
///
/// Every read checks the bytes that are left first, so a stream cut short or
/// a length beyond its end throws ObjectStreamError instead of reading past
/// the end or allocating. Skipping walks any value of tags 0..20, nested lists,
/// sets, collections and whole object records with their children, to a
/// bounded depth, so every read ends.
class ObjectStreamReader {
public:
    /// The flags of an object record's prefix byte (0xF0..0xFF).
    struct Prefix {
        quint8 flags = 0;                    ///< the low four bits
        std::optional<qint32> childPosition; ///< present when flag 2 is set
    };
    static constexpr quint8 kChildPositionFlag = 2;

    explicit ObjectStreamReader(QByteArrayView stream) : m_stream(stream) {}

    qsizetype position() const { return m_position; }
    qsizetype bytesLeft() const { return m_stream.size() - m_position; }
    bool atEnd() const { return m_position == m_stream.size(); }

    quint8 peekByte() const;
    quint8 readByte();
    QByteArrayView readBytes(qsizetype count);
    quint32 readUInt32();

    /// Whether the next byte is 0x00, the end of a list.
    bool atEndOfList() const { return peekByte() == 0; }
    /// Reads the 0x00 that ends a list; anything else is an invalid format.
    void readEndOfList();
    /// Reads "TPF0"; anything else is an invalid format.
    void readSignature();

    /// Reads an object record's prefix byte if the next byte is 0xF0 or higher,
    /// with the integer that follows when its child-position flag is set.
    std::optional<Prefix> readPrefix();
    /// A length byte and that many bytes.
    QByteArrayView readShortString();

    ObjectStreamTag readTag();
    ObjectStreamTag peekTag() const;

    /// The payload of a tag 2, 3 or 4 (signed).
    qint32 readIntegerPayload(ObjectStreamTag tag);
    /// A tag 2, 3 or 4 with its payload; any other tag is an invalid property value.
    qint32 readInteger();
    /// The payload of a tag 10: the bytes, by their 4-byte length.
    QByteArrayView readBinaryPayload();
    /// The payload of a tag 6, 12, 18 or 20 as text (8-bit text in the code
    /// page); any other tag is an invalid property value.
    QString readStringPayload(ObjectStreamTag tag);

    /// Skips the payload of a value whose tag was read.
    void skipValuePayload(ObjectStreamTag tag);
    /// Skips one value, tag and payload.
    void skipValue();
    /// Skips property records up to and including their closing 0x00.
    void skipProperties();
    /// Skips an object record after its class and object name: its
    /// properties, its children (object records themselves) and both ends.
    void skipObjectRecordBody();
    /// Skips a whole object record (prefix, names, body), as in a child list.
    void skipObjectRecord();

private:
    /// Nested lists, collections and children deeper than this are refused:
    /// real streams nest a few levels, and skipping recurses.
    static constexpr int kMaxDepth = 512;

    void need(qsizetype count) const;
    void enter();
    void leave() { --m_depth; }

    QByteArrayView m_stream;
    qsizetype m_position = 0;
    int m_depth = 0;
};
