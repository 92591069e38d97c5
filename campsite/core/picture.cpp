#include "picture.h"

#include <QHash>
#include <QtEndian>

struct Picture::Shared {
    QByteArray block;
    QImage image;
};

namespace {

const QByteArray kBitmapClass = QByteArrayLiteral("TBitmap");

// Equal blocks share one decoded picture while any picture holds it.
QHash<QByteArray, std::weak_ptr<const Picture::Shared>>& sharedPictures()
{
    static QHash<QByteArray, std::weak_ptr<const Picture::Shared>> pictures;
    return pictures;
}

// The BMP file of a "TBitmap" picture block, or an empty array.
QByteArray bmpFileOf(const QByteArray& block)
{
    if (block.isEmpty())
        return {};
    const qsizetype nameLength = static_cast<unsigned char>(block[0]);
    if (block.mid(1, nameLength) != kBitmapClass)
        return {};
    const qsizetype sizeAt = 1 + nameLength;
    if (block.size() < sizeAt + 4)
        return {};
    const quint32 size = qFromLittleEndian<quint32>(block.constData() + sizeAt);
    if (size != static_cast<quint64>(block.size() - sizeAt - 4))
        return {};
    return block.mid(sizeAt + 4);
}

} // namespace

Picture Picture::fromBlock(const QByteArray& block)
{
    auto& pictures = sharedPictures();
    auto found = pictures.find(block);
    if (found != pictures.end()) {
        if (auto shared = found->lock()) {
            Picture picture;
            picture.m_shared = std::move(shared);
            return picture;
        }
    }
    const QByteArray bmp = bmpFileOf(block);
    if (!bmp.startsWith("BM"))
        return {};
    QImage image;
    if (!image.loadFromData(bmp, "BMP"))
        return {};
    auto shared = std::make_shared<const Shared>(Shared{block, std::move(image)});
    pictures.insert(block, shared);
    Picture picture;
    picture.m_shared = std::move(shared);
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

QByteArray Picture::block() const { return m_shared ? m_shared->block : QByteArray(); }

QImage Picture::image() const { return m_shared ? m_shared->image : QImage(); }

bool operator==(const Picture& a, const Picture& b)
{
    return a.m_shared == b.m_shared || a.block() == b.block();
}
