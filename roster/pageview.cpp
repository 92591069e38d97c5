#include "pageview.h"

#include "pagerecording.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

// The page image is drawn into this box from the sheet's top-left corner (inches).
constexpr double kBoxWidth = 8.15;
constexpr double kBoxHeight = 10.75;

} // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    updateCursor();
}

void PageView::setPage(const PageRecording* page)
{
    m_page = page;
    updateScrollBars();
    viewport()->update();
}

void PageView::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    updateScrollBars();
    viewport()->update();
}

void PageView::setGrid(bool on)
{
    m_grid = on;
    viewport()->update();
}

void PageView::setTool(Tool tool)
{
    m_tool = tool;
    updateCursor();
}

void PageView::updateCursor()
{
    switch (m_tool) {
    case Tool::Zoom:
        viewport()->setCursor(Qt::PointingHandCursor);
        break;
    case Tool::Hand:
        viewport()->setCursor(Qt::OpenHandCursor);
        break;
    case Tool::RectangleZoom:
        viewport()->setCursor(Qt::CrossCursor);
        break;
    }
}

QSizeF PageView::sheetSize() const
{
    // Without a page the sheet is the screen's letter sheet.
    const double inchesWide = m_page ? m_page->metrics().widthInches() : 8.5;
    const double inchesHigh = m_page ? m_page->metrics().heightInches() : 11.0;
    return QSizeF(inchesWide * logicalDpiX() * m_zoom, inchesHigh * logicalDpiY() * m_zoom);
}

double PageView::fitToPageZoom() const
{
    const double inchesHigh = m_page ? m_page->metrics().heightInches() : 11.0;
    return std::clamp((viewport()->height() - 2 * kMargin) / (inchesHigh * logicalDpiY()), kMinZoom,
                      kMaxZoom);
}

double PageView::fitToWidthZoom() const
{
    const double inchesWide = m_page ? m_page->metrics().widthInches() : 8.5;
    return std::clamp((viewport()->width() - 2 * kMargin) / (inchesWide * logicalDpiX()), kMinZoom,
                      kMaxZoom);
}

void PageView::updateScrollBars()
{
    const QSize sheet = sheetSize().toSize();
    const QSize view = viewport()->size();
    const int wide = sheet.width() + 2 * kMargin - view.width();
    const int high = sheet.height() + 2 * kMargin - view.height();
    horizontalScrollBar()->setRange(0, std::max(0, wide));
    verticalScrollBar()->setRange(0, std::max(0, high));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

QRect PageView::sheetRect() const
{
    const QSize sheet = sheetSize().toSize();
    const QSize view = viewport()->size();
    const int x = sheet.width() < view.width() ? (view.width() - sheet.width()) / 2
                                               : kMargin - horizontalScrollBar()->value();
    const int y = sheet.height() < view.height() ? (view.height() - sheet.height()) / 2
                                                 : kMargin - verticalScrollBar()->value();
    return QRect(QPoint(x, y), sheet);
}

QPointF PageView::sheetFractionAt(QPoint at) const
{
    const QRect sheet = sheetRect();
    return QPointF(double(at.x() - sheet.x()) / std::max(1, sheet.width()),
                   double(at.y() - sheet.y()) / std::max(1, sheet.height()));
}

void PageView::centreOn(QPointF fraction)
{
    const QSize sheet = sheetSize().toSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setValue(
        int(std::lround(kMargin + fraction.x() * sheet.width() - view.width() / 2.0)));
    verticalScrollBar()->setValue(
        int(std::lround(kMargin + fraction.y() * sheet.height() - view.height() / 2.0)));
    viewport()->update();
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QRect sheet = sheetRect();
    painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 90));
    painter.fillRect(sheet, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double pixelsPerInchX = logicalDpiX() * m_zoom;
    const double pixelsPerInchY = logicalDpiY() * m_zoom;
    if (m_page) {
        painter.save();
        painter.setClipRect(sheet);
        m_page->playInto(painter, QRectF(sheet.topLeft(), QSizeF(kBoxWidth * pixelsPerInchX,
                                                                 kBoxHeight * pixelsPerInchY)));
        painter.restore();
    }
    if (m_grid) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor(192, 192, 192));
        for (double x = sheet.left() + pixelsPerInchX; x < sheet.right(); x += pixelsPerInchX)
            painter.drawLine(QPointF(x, sheet.top()), QPointF(x, sheet.bottom()));
        for (double y = sheet.top() + pixelsPerInchY; y < sheet.bottom(); y += pixelsPerInchY)
            painter.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }
    if (!m_band.isNull()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_band.normalized());
    }
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    emit resized();
}

void PageView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void PageView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    switch (m_tool) {
    case Tool::Zoom: {
        if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
            return;
        const QPointF fraction = sheetFractionAt(at);
        setZoom(event->button() == Qt::LeftButton ? m_zoom * 1.5 : m_zoom / 1.5);
        centreOn(fraction);
        emit zoomedByTool();
        return;
    }
    case Tool::Hand:
        if (event->button() == Qt::LeftButton) {
            m_dragging = true;
            m_pressAt = at;
            m_scrollAtPress = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
            viewport()->setCursor(Qt::ClosedHandCursor);
        }
        return;
    case Tool::RectangleZoom:
        if (event->button() == Qt::RightButton) {
            emit fitPageRequested();
        } else if (event->button() == Qt::LeftButton) {
            m_dragging = true;
            m_pressAt = at;
            m_band = QRect(at, at);
        }
        return;
    }
}

void PageView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const QPoint at = event->position().toPoint();
    if (m_tool == Tool::Hand) {
        const QPoint moved = at - m_pressAt;
        horizontalScrollBar()->setValue(m_scrollAtPress.x() - moved.x());
        verticalScrollBar()->setValue(m_scrollAtPress.y() - moved.y());
    } else if (m_tool == Tool::RectangleZoom) {
        m_band = QRect(m_pressAt, at);
        viewport()->update();
    }
}

void PageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    if (m_tool == Tool::Hand) {
        updateCursor();
        return;
    }
    const QRect band = m_band.normalized();
    m_band = QRect();
    viewport()->update();
    if (band.width() < 4 || band.height() < 4)
        return;
    // The dragged rectangle fills the view.
    const QPointF centre = sheetFractionAt(band.center());
    const double factor = std::min(double(viewport()->width()) / band.width(),
                                   double(viewport()->height()) / band.height());
    setZoom(m_zoom * factor);
    centreOn(centre);
    emit zoomedByTool();
}
