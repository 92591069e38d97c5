#pragma once

#include "pagegeometry.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QTransform>

#include <memory>
#include <variant>
#include <vector>

class QPainter;

/// One page image: a vector recording of everything drawn on one sheet, in the
/// reference device's dots. It is a paint device with the reference device's
/// densities and sheet, so text laid out for it keeps its point sizes; the
/// recording can be played onto any painter, scaled, and read back command by
/// command (for the metafile export).
class PageRecording : public QPaintDevice {
public:
    /// A run of text in one font, its baseline starting at \a baseline.
    struct Text {
        QPointF baseline;
        QString text;
        QFont font;             ///< family and style; no decorations (they are drawn as Fill)
        double pixelSize = 0;   ///< character height in dots
        bool underline = false; ///< what the font carried: for readers of the recording
        bool strikeOut = false;
        QColor color;
    };
    /// An area filled with a brush (rectangles, underlines, shapes).
    struct Fill {
        QPainterPath path;
        QBrush brush;
    };
    /// A line or outline drawn with a pen.
    struct Stroke {
        QPainterPath path;
        QPen pen;
    };
    /// A bitmap drawn into a rectangle.
    struct Bitmap {
        QRectF target;
        QImage image;
    };
    using Command = std::variant<Text, Fill, Stroke, Bitmap>;

    explicit PageRecording(const PageMetrics& metrics);
    ~PageRecording() override;
    PageRecording(const PageRecording&) = delete;
    PageRecording& operator=(const PageRecording&) = delete;

    const PageMetrics& metrics() const { return m_metrics; }
    /// The recorded commands, in sheet dots, in drawing order.
    const std::vector<Command>& commands() const { return m_commands; }
    bool isEmpty() const { return m_commands.empty(); }

    /// Draws the recording onto \a painter, one sheet dot onto one unit of the
    /// painter's current coordinates.
    void play(QPainter& painter) const;
    /// The same, leaving out commands that lie wholly outside \a visible (sheet dots).
    void play(QPainter& painter, const QRectF& visible) const;
    /// Draws the recording scaled into \a box (painter units), keeping its
    /// proportions, from the box's top-left corner.
    void playInto(QPainter& painter, const QRectF& box) const;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    friend class Engine;
    PageMetrics m_metrics;
    std::vector<Command> m_commands;
    std::unique_ptr<Engine> m_engine;
};
