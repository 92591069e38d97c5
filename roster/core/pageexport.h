#pragma once

#include "pagerecording.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>
#include <vector>

/// Page images as picture files and clipboard data: JPEG bitmaps of the whole
/// sheet, and Enhanced Metafiles.
class PageExport {
public:
    static constexpr int kJpegQuality = 100;

    /// The page drawn on a white bitmap of its sheet, one pixel a dot.
    static QImage bitmap(const PageRecording& page);
    /// The page as JPEG bytes at quality 100.
    static QByteArray jpeg(const PageRecording& page);

    /// Writes every page, in order, under pageFileName(\a chosen, n, ".JPG") or
    /// (".EMF"); JPEG pages are drawn band by band as the encoder takes their rows. Throws Failure
    /// "Cannot create file ..." or "Failed to Save Stream"; a failed file leaves what stood under
    /// its name.
    static void saveAllJpeg(const std::vector<std::unique_ptr<PageRecording>>& pages,
                            const QString& chosen);
    static void saveAllEmf(const std::vector<std::unique_ptr<PageRecording>>& pages,
                           const QString& chosen);
};
