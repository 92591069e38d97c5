#include "picture.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QtEndian>

struct Picture::Shared {
    QByteArray block;
    QImage image;
};

namespace {

const QByteArray kBitmapClass = QByteArrayLiteral("TBitmap");
// The graphic class of a picture block is a short string of at most 63 bytes of text.
constexpr qsizetype kMaxClassLength = 63;

using SharedPictures = QHash<QByteArray, std::weak_ptr<const Picture::Shared>>;

// Equal blocks share one decoded picture while any picture holds it; the last
// picture of a block takes its entry with it.
SharedPictures& sharedPictures()
{
    // Never destroyed, so a picture that outlives the other statics can still leave.
    static SharedPictures* const pictures = new SharedPictures;
    return *pictures;
}

// The BMP file of a "TBitmap" picture block, or an empty view.
QByteArrayView bmpFileOf(QByteArrayView block)
{
    if (block.isEmpty())
        return {};
    const qsizetype nameLength = static_cast<unsigned char>(block[0]);
    if (nameLength > kMaxClassLength || block.size() < 1 + nameLength + 4)
        return {};
    if (block.sliced(1, nameLength) != QByteArrayView(kBitmapClass))
        return {};
    const qsizetype sizeAt = 1 + nameLength;
    const quint32 size = qFromLittleEndian<quint32>(block.data() + sizeAt);
    if (size != quint64(block.size() - sizeAt - 4))
        return {};
    return block.sliced(sizeAt + 4);
}

// A bitmap file's header may claim any size; a picture is decoded only when
// its pixels are in proportion to its bytes (run-length coding allowed for).
bool isInProportion(QSize size, qsizetype fileSize)
{
    if (size.isEmpty())
        return false;
    const qint64 decodedBytes = 4 * qint64(size.width()) * size.height();
    return decodedBytes <= (qint64(1) << 20) + 64 * qint64(fileSize);
}

QImage decodeBmp(QByteArrayView bmp)
{
    if (!bmp.startsWith("BM"))
        return {};
    QByteArray bytes = QByteArray::fromRawData(bmp.data(), bmp.size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    if (!isInProportion(reader.size(), bmp.size()))
        return {};
    return reader.read();
}

} // namespace

Picture Picture::fromBlock(const QByteArray& block)
{
    return fromBlock(QByteArrayView(block), &block);
}

Picture Picture::fromBlock(QByteArrayView block)
{
    return fromBlock(block, nullptr);
}

Picture Picture::fromBlock(QByteArrayView block, const QByteArray* owner)
{
    auto& pictures = sharedPictures();
    const QByteArray key = QByteArray::fromRawData(block.data(), block.size());
    if (const auto found = pictures.constFind(key); found != pictures.cend()) {
        Picture picture;
        picture.m_shared = found->lock();
        return picture;
    }
    QImage image = decodeBmp(bmpFileOf(block));
    if (image.isNull())
        return {};
    const QByteArray kept = owner ? *owner : block.toByteArray();
    auto* shared = new Shared{kept, std::move(image)};
    std::shared_ptr<const Shared> owned(shared, [](const Shared* gone) {
        sharedPictures().remove(gone->block);
        delete gone;
    });
    pictures.insert(kept, owned);
    Picture picture;
    picture.m_shared = std::move(owned);
    return picture;
}

Picture Picture::fromBmpFile(const QByteArray& bmpFile)
{
    QByteArray block;
    block.append(char(kBitmapClass.size()));
    block.append(kBitmapClass);
    char size[4];
    qToLittleEndian<quint32>(quint32(bmpFile.size()), size);
    block.append(size, 4);
    block.append(bmpFile);
    return fromBlock(block);
}

QByteArray Picture::block() const
{
    return m_shared ? m_shared->block : QByteArray();
}

QImage Picture::image() const
{
    return m_shared ? m_shared->image : QImage();
}

bool operator==(const Picture& a, const Picture& b)
{
    return a.m_shared == b.m_shared || a.block() == b.block();
}
