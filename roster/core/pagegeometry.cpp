#include "pagegeometry.h"

#include <cmath>

PageMetrics PageMetrics::letterAt(double dpi)
{
    return {dpi, dpi, QSize(qRound(8.5 * dpi), qRound(11 * dpi))};
}

PageGeometry::PageGeometry(const PageMetrics& metrics, const TTextOptions& options)
    : m_metrics(metrics), m_options(options)
{
}

TwipRect PageGeometry::bodyTwips() const
{
    const int left = qRound(m_options.MarginLeft * 1440);
    const int top = qRound(m_options.MarginTop * 1440);
    const int right = qRound((m_metrics.widthInches() - m_options.MarginRight) * 1440);
    const int bottom = qRound((m_metrics.heightInches() - m_options.MarginBottom) * 1440);
    return {left, top, right, bottom};
}

QRectF PageGeometry::bodyDots() const
{
    const TwipRect twips = bodyTwips();
    const double x = m_metrics.dpiX / 1440.0;
    const double y = m_metrics.dpiY / 1440.0;
    return QRectF(QPointF(twips.left * x, twips.top * y),
                  QPointF(twips.right * x, twips.bottom * y));
}

int PageGeometry::headerY() const
{
    return qRound(m_options.HeaderMargin * m_metrics.dpiY);
}

int PageGeometry::footerY() const
{
    return qRound(m_metrics.sheetDots.height() - m_options.FooterMargin * m_metrics.dpiY);
}

int PageGeometry::textX(TAlignment align, double textWidth) const
{
    const int sheetWidth = m_metrics.sheetDots.width();
    switch (align) {
    case taLeftJustify:
        return qRound(m_options.MarginLeft * m_metrics.dpiX);
    case taRightJustify:
        return qRound(sheetWidth - m_options.MarginRight * m_metrics.dpiX - textWidth);
    case taCenter:
        break;
    }
    // Centred on the sheet, not on the body; each half rounded toward zero.
    return int(std::trunc(sheetWidth / 2.0)) - int(std::trunc(textWidth / 2.0));
}
