#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>

class PageRecording;

/// The preview's page view: the page on view on a white sheet, its size the
/// sheet in inches x the screen's pixels per inch x the zoom factor, centred
/// when it is smaller than the view and 10 pixels from the top and left edges
/// otherwise, with an optional inch grid. The mouse acts by the tool chosen.
class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    /// The tools: zoom (left click x1.5, right click /1.5), the hand (drag
    /// to pan) and the rectangle zoom (drag a rectangle; right click fits the page).
    enum class Tool { Zoom, Hand, RectangleZoom };

    static constexpr double kMinZoom = 0.15;
    static constexpr double kMaxZoom = 20.0;
    static constexpr int kMargin = 10;

    explicit PageView(QWidget* parent = nullptr);

    void setPage(const PageRecording* page);
    double zoom() const { return m_zoom; }
    /// Sets the zoom factor, held between 0.15 and 20.
    void setZoom(double zoom);
    bool showsGrid() const { return m_grid; }
    void setGrid(bool on);
    Tool tool() const { return m_tool; }
    void setTool(Tool tool);

    /// The zoom factor at which the sheet's height (width) fills the view less 20 pixels.
    double fitToPageZoom() const;
    double fitToWidthZoom() const;
    /// The sheet's rectangle in viewport pixels.
    QRect sheetRect() const;
    /// Scrolls so that the sheet point at \a sheetFraction (fractions of the
    /// sheet's width and height) comes to the view's centre.
    void centreOn(QPointF sheetFraction);
    /// The point of the sheet under viewport point \a at, as fractions of the sheet.
    QPointF sheetFractionAt(QPoint at) const;

signals:
    /// The zoom tool or the rectangle zoom changed the factor.
    void zoomedByTool();
    /// The rectangle zoom's right click: back to "Fit To Page".
    void fitPageRequested();
    /// The view's size changed.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSizeF sheetSize() const;
    void updateScrollBars();
    void updateCursor();

    const PageRecording* m_page = nullptr;
    double m_zoom = 1.0;
    bool m_grid = false;
    Tool m_tool = Tool::Zoom;
    QPoint m_pressAt;
    QPoint m_scrollAtPress;
    QRect m_band;
    bool m_dragging = false;
};
