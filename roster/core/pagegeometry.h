#pragma once

#include "textoptions.h"

#include <QRect>
#include <QRectF>
#include <QSize>

/// What a page is laid out against: the reference device's densities and the
/// whole sheet in its dots.
struct PageMetrics {
    double dpiX = 96;
    double dpiY = 96;
    QSize sheetDots; ///< the whole sheet, width x height in dots

    double widthInches() const { return sheetDots.width() / dpiX; }
    double heightInches() const { return sheetDots.height() / dpiY; }
    /// An 8.5 x 11 inch sheet at \a dpi: the screen's page when there is no printer.
    static PageMetrics letterAt(double dpi);
    bool operator==(const PageMetrics&) const = default;
};

/// A rectangle in twips (1/1440 inch) by its four edges.
struct TwipRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const TwipRect&) const = default;
};

/// The measures of one page: the body rectangle and the places of the header,
/// footer and page-number lines, from the sheet and the margins (inches).
class PageGeometry {
public:
    PageGeometry(const PageMetrics& metrics, const TTextOptions& options);

    /// The body rectangle in twips (1/1440 inch) from the sheet's corner.
    TwipRect bodyTwips() const;
    /// The same rectangle in the sheet's dots.
    QRectF bodyDots() const;
    /// Top of the header line, in dots from the sheet's top edge.
    int headerY() const;
    /// Top of the footer line, in dots from the sheet's top edge.
    int footerY() const;
    /// Left edge of a text \a textWidth dots wide placed with \a align.
    int textX(TAlignment align, double textWidth) const;

    const PageMetrics& metrics() const { return m_metrics; }

private:
    PageMetrics m_metrics;
    const TTextOptions& m_options;
};
