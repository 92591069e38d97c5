#include "campsitestream.h"

#include "objectstreamreader.h"
#include "windows1252.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace {

// Stored coordinates are kept in a range in which a rectangle's edges and
// sizes can be computed without overflow.
constexpr qint32 kCoordinateLimit = 1 << 29;

bool is(QByteArrayView name, const char* property)
{
    return qstrnicmp(name.data(), name.size(), property, qsizetype(std::strlen(property))) == 0;
}

std::optional<CampsiteObject::Kind> kindOfClass(QByteArrayView className)
{
    if (is(className, "TImage"))
        return CampsiteObject::Kind::Image;
    if (is(className, "TLabel"))
        return CampsiteObject::Kind::Label;
    return std::nullopt;
}

// A boolean property: tags 8 and 9, or the identifiers False and True.
bool readBoolean(ObjectStreamReader& reader)
{
    const ObjectStreamTag tag = reader.readTag();
    if (tag == ObjectStreamTag::True)
        return true;
    if (tag == ObjectStreamTag::False)
        return false;
    if (tag == ObjectStreamTag::Identifier) {
        const QByteArrayView identifier = reader.readShortString();
        if (is(identifier, "True"))
            return true;
        if (is(identifier, "False"))
            return false;
    }
    throw ObjectStreamError::invalidPropertyValue();
}

// The rectangle as stored: left, top, width and height.
struct StoredGeometry {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;

    QRect rect() const
    {
        const auto position = [](qint32 v) {
            return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
        };
        const auto size = [](qint32 v) { return std::clamp(v, 0, kCoordinateLimit); };
        return QRect(position(left), position(top), size(width), size(height));
    }
};

class ObjectRecordReader {
public:
    ObjectRecordReader(ObjectStreamReader& reader, CampsiteStream::Mode mode)
        : m_reader(reader), m_mode(mode)
    {
    }

    // One object entry after its signature; nullopt when it was skipped.
    std::optional<CampsiteObject> read(CampsiteReadTarget& target)
    {
        m_reader.readPrefix();
        const QByteArrayView className = m_reader.readShortString();
        const QByteArrayView storedName = m_reader.readShortString();
        const std::optional<CampsiteObject::Kind> kind = kindOfClass(className);
        if (!kind) {
            if (!skipping())
                throw ObjectStreamError(
                    QStringLiteral("Class %1 not found").arg(Windows1252::toUnicode(className)));
            m_reader.skipObjectRecordBody();
            return std::nullopt;
        }
        CampsiteObject object;
        object.kind = *kind;
        object.name = target.nameForReadObject(Windows1252::toUnicode(storedName), *kind);
        if (!CampsiteStream::isValidIdentifier(object.name)) {
            if (!skipping())
                throw ObjectStreamError(
                    QStringLiteral("'%1' is not a valid component name").arg(object.name));
            m_reader.skipObjectRecordBody();
            return std::nullopt;
        }
        StoredGeometry geometry;
        while (!m_reader.atEndOfList())
            readProperty(object, geometry);
        m_reader.readEndOfList();
        object.geometry = geometry.rect();
        // Images and labels hold no children.
        while (!m_reader.atEndOfList()) {
            if (!skipping())
                throw ObjectStreamError::invalidFormat();
            m_reader.skipObjectRecord();
        }
        m_reader.readEndOfList();
        return object;
    }

private:
    bool skipping() const { return m_mode == CampsiteStream::Mode::File; }

    void readProperty(CampsiteObject& object, StoredGeometry& geometry)
    {
        const QByteArrayView name = m_reader.readShortString();
        if (is(name, "Left"))
            geometry.left = m_reader.readInteger();
        else if (is(name, "Top"))
            geometry.top = m_reader.readInteger();
        else if (is(name, "Width"))
            geometry.width = m_reader.readInteger();
        else if (is(name, "Height"))
            geometry.height = m_reader.readInteger();
        else if (is(name, "Hint"))
            object.hint = m_reader.readStringPayload(m_reader.readTag());
        else if (object.isImage() && is(name, "Picture.Data"))
            readPicture(object);
        else if (object.isImage() && is(name, "Stretch"))
            object.stretch = readBoolean(m_reader);
        else if (object.isImage() && is(name, "Transparent"))
            object.transparent = readBoolean(m_reader);
        else if (object.isLabel() && is(name, "Caption"))
            object.caption = m_reader.readStringPayload(m_reader.readTag());
        else if (object.isLabel() && is(name, "AutoSize"))
            object.autoSize = readBoolean(m_reader);
        else if (skipping())
            m_reader.skipValue();
        else
            throw ObjectStreamError(
                QStringLiteral("Error reading %1.%2: Property %2 does not exist")
                    .arg(object.name, Windows1252::toUnicode(name)));
    }

    // Tag 10 only; a block that is no readable bitmap leaves the image without a picture.
    void readPicture(CampsiteObject& object)
    {
        const ObjectStreamTag tag = m_reader.readTag();
        if (tag != ObjectStreamTag::Binary) {
            if (!skipping())
                throw ObjectStreamError::invalidPropertyValue();
            m_reader.skipValuePayload(tag);
            return;
        }
        object.picture = Picture::fromBlock(m_reader.readBinaryPayload());
    }

    ObjectStreamReader& m_reader;
    CampsiteStream::Mode m_mode;
};

} // namespace

namespace CampsiteStream {

void writeObjectEntry(ObjectStreamWriter& writer, const CampsiteObject& object)
{
    writer.writeSignature();
    writer.writeShortString(object.className());
    writer.writeShortString(object.name);
    const auto property = [&writer](const char* name) {
        writer.writePropertyName(QLatin1String(name));
    };
    property("Left");
    writer.writeInteger(object.geometry.x());
    property("Top");
    writer.writeInteger(object.geometry.y());
    property("Width");
    writer.writeInteger(object.geometry.width());
    property("Height");
    writer.writeInteger(object.geometry.height());
    if (!object.hint.isEmpty()) {
        property("Hint");
        writer.writeString(object.hint);
    }
    if (object.isImage()) {
        if (!object.picture.isNull()) {
            property("Picture.Data");
            writer.writeBinary(object.picture.block());
        }
        if (object.stretch) {
            property("Stretch");
            writer.writeBoolean(true);
        }
        if (object.transparent) {
            property("Transparent");
            writer.writeBoolean(true);
        }
    } else {
        if (!object.autoSize) {
            property("AutoSize");
            writer.writeBoolean(false);
        }
        if (!object.caption.isEmpty()) {
            property("Caption");
            writer.writeString(object.caption);
        }
    }
    writer.writeEndOfList(); // properties
    writer.writeEndOfList(); // children
}

QByteArray write(const QList<const CampsiteObject*>& objects)
{
    qsizetype expected = 1;
    for (const CampsiteObject* object : objects)
        expected +=
            128 + object->name.size() + 4 * object->caption.size() + object->picture.block().size();
    ObjectStreamWriter writer(expected);
    write(writer, objects);
    return writer.takeData();
}

void write(ObjectStreamWriter& writer, const QList<const CampsiteObject*>& objects)
{
    for (const CampsiteObject* object : objects)
        writeObjectEntry(writer, *object);
    writer.writeEndOfList();
}

qsizetype read(QByteArrayView stream, CampsiteReadTarget& target, Mode mode)
{
    ObjectStreamReader reader(stream);
    ObjectRecordReader records(reader, mode);
    while (!reader.atEndOfList()) {
        reader.readSignature();
        if (std::optional<CampsiteObject> object = records.read(target))
            target.addReadObject(std::move(*object));
    }
    reader.readEndOfList();
    return reader.position();
}

bool isValidIdentifier(const QString& name)
{
    if (name.isEmpty())
        return false;
    const auto isLetter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
    };
    if (!isLetter(name.front()))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](QChar c) { return isLetter(c) || (c >= u'0' && c <= u'9'); });
}

} // namespace CampsiteStream
