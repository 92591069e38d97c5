#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

#include <memory>

/// An image object's picture, as campsite files and the clipboard store it: the
/// picture block (graphic class as a short string, "TBitmap"; a 4-byte size S;
/// a complete BMP file of S bytes). The block is kept byte for byte, so it is
/// written back exactly as it was read or copied.
///
/// Decoding is shared: pictures made from equal blocks share one QByteArray and
/// one decoded QImage, so a layout of a thousand tents decodes the tent once.
class Picture {
public:
    /// No picture.
    Picture() = default;

    /// The picture of a picture block; a null picture when the block is not a
    /// readable "TBitmap" block.
    static Picture fromBlock(const QByteArray& block);
    /// The same for a block that lies in a larger buffer (a file being read):
    /// the bytes are copied only when no living picture has them already.
    static Picture fromBlock(QByteArrayView block);
    /// The picture of a complete BMP file (wrapped in a "TBitmap" block).
    static Picture fromBmpFile(const QByteArray& bmpFile);

    bool isNull() const { return !m_shared; }
    /// The picture block exactly as read or made; empty for no picture.
    QByteArray block() const;
    /// The decoded picture; a null image for no picture.
    QImage image() const;

    friend bool operator==(const Picture& a, const Picture& b);

    struct Shared; ///< the block and its decoded image, shared by equal pictures

private:
    static Picture fromBlock(QByteArrayView block, const QByteArray* owner);

    std::shared_ptr<const Shared> m_shared;
};
