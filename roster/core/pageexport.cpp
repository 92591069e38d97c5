#include "pageexport.h"

#include "emfwriter.h"
#include "failure.h"
#include "jpegencoder.h"
#include "pagefilename.h"
#include "savefile.h"

#include <QIODevice>
#include <QPainter>

namespace {
const QString kWriteFailure = QStringLiteral("Failed to Save Stream");
}

QImage PageExport::bitmap(const PageRecording& page)
{
    const PageMetrics& metrics = page.metrics();
    QImage image(metrics.sheetDots, QImage::Format_RGB32);
    if (image.isNull())
        throw Failure(QStringLiteral("Out of memory"));
    image.setDotsPerMeterX(qRound(metrics.dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(metrics.dpiY / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    page.play(painter);
    return image;
}

QByteArray PageExport::jpeg(const PageRecording& page)
{
    return JpegEncoder::encode(bitmap(page), kJpegQuality, qRound(page.metrics().dpiX));
}

void PageExport::saveAllJpeg(const std::vector<std::unique_ptr<PageRecording>>& pages,
                             const QString& chosen)
{
    // Each page goes to the encoder in bands of rows, drawn as it asks for
    // them: the whole sheet's bitmap never needs to exist at once.
    constexpr int kBandRows = 256;
    QImage band;
    for (size_t i = 0; i < pages.size(); ++i) {
        const PageRecording& page = *pages[i];
        const QSize sheet = page.metrics().sheetDots;
        if (sheet.isEmpty())
            throw Failure(QStringLiteral("Failed to Save Stream"));
        if (band.width() != sheet.width()) {
            band = QImage(sheet.width(), kBandRows, QImage::Format_RGB32);
            if (band.isNull())
                throw Failure(QStringLiteral("Out of memory"));
        }
        int bandTop = -kBandRows;
        const auto row = [&](int y) {
            if (y >= bandTop + kBandRows) {
                bandTop = y - y % kBandRows;
                band.fill(Qt::white);
                QPainter painter(&band);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setRenderHint(QPainter::TextAntialiasing);
                painter.translate(0, -bandTop);
                page.play(painter, QRectF(0, bandTop, sheet.width(), kBandRows));
            }
            return band.constScanLine(y - bandTop);
        };
        const int dpi = qRound(page.metrics().dpiX);
        saveFile(
            pageFileName(chosen, int(i) + 1, QStringLiteral(".JPG")),
            [&](QIODevice& device) {
                return JpegEncoder::writeRows(sheet, row, device, kJpegQuality, dpi, nullptr);
            },
            kWriteFailure);
    }
}

void PageExport::saveAllEmf(const std::vector<std::unique_ptr<PageRecording>>& pages,
                            const QString& chosen)
{
    for (size_t i = 0; i < pages.size(); ++i) {
        const QByteArray emf = EmfWriter::write(*pages[i]);
        saveFile(
            pageFileName(chosen, int(i) + 1, QStringLiteral(".EMF")),
            [&](QIODevice& device) { return device.write(emf) == emf.size(); }, kWriteFailure);
    }
}
