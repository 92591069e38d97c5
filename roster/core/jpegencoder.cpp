#include "jpegencoder.h"

#include <QBuffer>
#include <QIODevice>
#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace {

constexpr size_t kChunk = 64 * 1024;

/// libjpeg's output goes to a QIODevice in chunks.
struct DeviceDestination {
    jpeg_destination_mgr manager;
    QIODevice* device;
    bool failed = false;
    JOCTET buffer[kChunk];
};

void initDestination(j_compress_ptr info)
{
    auto* destination = reinterpret_cast<DeviceDestination*>(info->dest);
    destination->manager.next_output_byte = destination->buffer;
    destination->manager.free_in_buffer = kChunk;
}

boolean emptyBuffer(j_compress_ptr info)
{
    auto* destination = reinterpret_cast<DeviceDestination*>(info->dest);
    if (destination->device->write(reinterpret_cast<const char*>(destination->buffer), kChunk) !=
        qint64(kChunk))
        destination->failed = true;
    destination->manager.next_output_byte = destination->buffer;
    destination->manager.free_in_buffer = kChunk;
    return TRUE;
}

void termDestination(j_compress_ptr info)
{
    auto* destination = reinterpret_cast<DeviceDestination*>(info->dest);
    const qint64 left = qint64(kChunk - destination->manager.free_in_buffer);
    if (left > 0 && destination->device->write(reinterpret_cast<const char*>(destination->buffer),
                                               left) != left)
        destination->failed = true;
}

struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

} // namespace

bool JpegEncoder::write(const QImage& source, QIODevice& device, int quality, int dpi,
                        QString* error)
{
    const QImage image =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    return writeRows(
        image.size(), [&](int y) { return image.constScanLine(y); }, device, quality, dpi, error);
}

bool JpegEncoder::writeRows(QSize size, const std::function<const uchar*(int y)>& row,
                            QIODevice& device, int quality, int dpi, QString* error)
{
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = errorExit;
    auto destination = std::make_unique<DeviceDestination>();
    destination->device = &device;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        if (error)
            *error = QString::fromLocal8Bit(errors.message);
        return false;
    }
    jpeg_create_compress(&info);
    destination->manager.init_destination = initDestination;
    destination->manager.empty_output_buffer = emptyBuffer;
    destination->manager.term_destination = termDestination;
    info.dest = &destination->manager;

    info.image_width = JDIMENSION(size.width());
    info.image_height = JDIMENSION(size.height());
    // 32-bit RGB as Qt stores it: B, G, R, X in memory on little-endian machines.
    info.input_components = 4;
    info.in_color_space =
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.density_unit = 1; // dots per inch
    info.X_density = UINT16(qBound(1, dpi, 65535));
    info.Y_density = info.X_density;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = const_cast<JSAMPROW>(row(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (destination->failed) {
        if (error)
            *error = device.errorString();
        return false;
    }
    return true;
}

QByteArray JpegEncoder::encode(const QImage& image, int quality, int dpi)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!write(image, buffer, quality, dpi, &error))
        return {};
    return bytes;
}
