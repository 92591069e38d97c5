#include "pagerecording.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QTextItem>

#include <algorithm>

/// Records the painter's drawing as commands in sheet dots, with the painter's
/// transformation already applied.
class PageRecording::Engine final : public QPaintEngine {
public:
    explicit Engine(PageRecording& page) : QPaintEngine(AllFeatures), m_page(page) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }

    void drawPath(const QPainterPath& path) override
    {
        const QPainterPath mapped = transform().map(path);
        const QBrush brush = painter()->brush();
        const QPen pen = painter()->pen();
        if (brush.style() != Qt::NoBrush)
            m_page.m_commands.push_back(Fill{mapped, brush});
        if (pen.style() != Qt::NoPen)
            m_page.m_commands.push_back(Stroke{mapped, pen});
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode == PolylineMode) {
            const QPen pen = painter()->pen();
            if (pen.style() != Qt::NoPen)
                m_page.m_commands.push_back(Stroke{transform().map(path), pen});
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        drawPath(path);
    }

    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override
    {
        drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
    }

    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override
    {
        m_page.m_commands.push_back(
            Bitmap{transform().mapRect(target), image.copy(source.toAlignedRect())});
    }

    void drawTextItem(const QPointF& position, const QTextItem& item) override
    {
        const QFont font = item.font();
        Text text;
        text.baseline = transform().map(position);
        text.text = item.text();
        text.underline = font.underline();
        text.strikeOut = font.strikeOut();
        // The painter draws decorations itself, after the text.
        text.font = font;
        // Mark what the text was drawn in as set, so no painter's default
        // font fills it in on playback (formats leave the family unset).
        text.font.setFamily(font.family());
        text.font.setFamilies(font.families());
        text.font.setWeight(font.weight());
        text.font.setItalic(font.italic());
        text.font.setUnderline(false);
        text.font.setStrikeOut(false);
        text.font.setOverline(false);
        const double size = font.pixelSize() > 0 ? font.pixelSize()
                                                 : font.pointSizeF() * m_page.m_metrics.dpiY / 72.0;
        text.pixelSize = size * std::abs(transform().m22());
        text.color = painter()->pen().color();
        m_page.m_commands.push_back(std::move(text));
    }

private:
    QTransform transform() const { return painter()->combinedTransform(); }

    PageRecording& m_page;
};

PageRecording::PageRecording(const PageMetrics& metrics)
    : m_metrics(metrics), m_engine(std::make_unique<Engine>(*this))
{
}

PageRecording::~PageRecording() = default;

QPaintEngine* PageRecording::paintEngine() const
{
    return m_engine.get();
}

int PageRecording::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_metrics.sheetDots.width();
    case PdmHeight:
        return m_metrics.sheetDots.height();
    case PdmWidthMM:
        return qRound(m_metrics.widthInches() * 25.4);
    case PdmHeightMM:
        return qRound(m_metrics.heightInches() * 25.4);
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return qRound(m_metrics.dpiX);
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return qRound(m_metrics.dpiY);
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

void PageRecording::play(QPainter& painter) const
{
    play(painter, QRectF());
}

namespace {

/// Where a command may leave ink, generously.
QRectF reach(const PageRecording::Command& command, double sheetWidth)
{
    if (const auto* text = std::get_if<PageRecording::Text>(&command)) {
        // Ascent and descent stay within 1.5 and 0.75 character heights; the width is not measured.
        const double height = text->pixelSize;
        return QRectF(0, text->baseline.y() - 1.5 * height, sheetWidth + 1, 2.25 * height);
    }
    if (const auto* fill = std::get_if<PageRecording::Fill>(&command))
        return fill->path.boundingRect().adjusted(-1, -1, 1, 1);
    if (const auto* stroke = std::get_if<PageRecording::Stroke>(&command)) {
        const double pen = std::max(stroke->pen.widthF(), 1.0) * 4;
        return stroke->path.boundingRect().adjusted(-pen, -pen, pen, pen);
    }
    return std::get<PageRecording::Bitmap>(command).target.adjusted(-1, -1, 1, 1);
}

} // namespace

void PageRecording::play(QPainter& painter, const QRectF& visible) const
{
    // Fonts are set by their size in this recording's dots: translate that into
    // the target device's points, so the painter's scale alone decides the size.
    const double targetDpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    for (const Command& command : m_commands) {
        if (!visible.isNull() && !reach(command, m_metrics.sheetDots.width()).intersects(visible))
            continue;
        if (const auto* text = std::get_if<Text>(&command)) {
            QFont font = text->font;
            font.setPointSizeF(std::max(text->pixelSize, 0.01) * 72.0 / targetDpi);
            painter.setFont(font);
            painter.setPen(text->color);
            painter.drawText(text->baseline, text->text);
        } else if (const auto* fill = std::get_if<Fill>(&command)) {
            painter.fillPath(fill->path, fill->brush);
        } else if (const auto* stroke = std::get_if<Stroke>(&command)) {
            painter.strokePath(stroke->path, stroke->pen);
        } else if (const auto* bitmap = std::get_if<Bitmap>(&command)) {
            painter.drawImage(bitmap->target, bitmap->image);
        }
    }
}

void PageRecording::playInto(QPainter& painter, const QRectF& box) const
{
    const QSize sheet = m_metrics.sheetDots;
    if (sheet.isEmpty())
        return;
    const double scale = std::min(box.width() / sheet.width(), box.height() / sheet.height());
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    play(painter);
    painter.restore();
}
