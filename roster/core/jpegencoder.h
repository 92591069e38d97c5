#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>

class QImage;
class QIODevice;

/// Compresses bitmaps as baseline JPEG with libjpeg-turbo, straight from the
/// bitmap's own rows (no converted copy for 32-bit and 24-bit RGB bitmaps).
class JpegEncoder {
public:
    /// Writes \a image to \a device at \a quality (1..100), with \a dpi as its
    /// density. Returns false (with \a error set) when encoding or writing fails.
    static bool write(const QImage& image, QIODevice& device, int quality, int dpi, QString* error);
    /// Writes a \a size bitmap whose rows come from \a row (called for each y in
    /// order; it returns that row as 32-bit RGB, the layout of QImage::Format_RGB32).
    static bool writeRows(QSize size, const std::function<const uchar*(int y)>& row,
                          QIODevice& device, int quality, int dpi, QString* error);
    /// The JPEG bytes of \a image.
    static QByteArray encode(const QImage& image, int quality, int dpi = 96);
};
