#include "pagelayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace {

/// Font heights given in pixels are screen pixels: turn them into points at the
/// screen's density, so that on a page of any density a font keeps its size.
void keepPointSizes(QTextDocument& document)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi =
        screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0;
    QFont font = document.defaultFont();
    if (font.pixelSize() > 0) {
        font.setPointSizeF(font.pixelSize() * 72.0 / dpi);
        document.setDefaultFont(font);
    }
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(QTextFormat::FontPixelSize))
                continue;
            const int pixels = format.intProperty(QTextFormat::FontPixelSize);
            format.clearProperty(QTextFormat::FontPixelSize);
            if (pixels > 0)
                format.setFontPointSize(pixels * 72.0 / dpi);
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

/// The document laid out for one reference device, at the body's width.
class FlowedDocument {
public:
    FlowedDocument(const QTextDocument& source, const PageMetrics& metrics, double width)
        : m_document(source.clone()), m_device(metrics), m_metrics(metrics), m_width(width)
    {
        m_document->setDocumentMargin(0);
        keepPointSizes(*m_document);
        m_document->documentLayout()->setPaintDevice(&m_device);
        m_document->setTextWidth(width);
        // The layout runs lazily; asking for the size completes it.
        m_document->documentLayout()->documentSize();
    }

    bool fits(const PageMetrics& metrics, double width) const
    {
        return metrics == m_metrics && width == m_width;
    }

    int textLength() const { return m_document->characterCount() - 1; }

    /// Top of the line holding character \a position, in document coordinates.
    double lineTop(int position) const
    {
        const QTextBlock block = m_document->findBlock(position);
        const QTextLayout* layout = block.layout();
        const QTextLine line = layout->lineForTextPosition(position - block.position());
        return layout->position().y() + (line.isValid() ? line.y() : 0);
    }

    /// Where the page that begins at \a start ends: the first character of the
    /// first line that does not fit into \a height (-1 when all the rest fits),
    /// and the height the page's lines take.
    std::pair<int, double> pageEnd(int start, double height) const
    {
        const double top = lineTop(start);
        bool placed = false;
        double used = 0;
        QTextBlock block = m_document->findBlock(start);
        const QTextLine first = block.layout()->lineForTextPosition(start - block.position());
        int from = first.isValid() ? first.lineNumber() : 0;
        for (; block.isValid(); block = block.next(), from = 0) {
            const QTextLayout* layout = block.layout();
            for (int i = from; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const double bottom = layout->position().y() + line.y() + line.height() - top;
                if (placed && bottom > height)
                    return {block.position() + line.textStart(), used};
                placed = true;
                used = bottom;
            }
        }
        return {-1, used};
    }

    /// Draws the lines from \a top to \a top + \a height with their top-left at \a origin.
    void draw(QPainter& painter, const QPointF& origin, double top, double height) const
    {
        painter.save();
        painter.translate(origin.x(), origin.y() - top);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        // Lines touching the page's top or bottom edge belong to the pages around it.
        context.clip = QRectF(0, top + 0.01, m_width, std::max(height - 0.02, 0.01));
        m_document->documentLayout()->draw(&painter, context);
        painter.restore();
    }

private:
    std::unique_ptr<QTextDocument> m_document;
    PageRecording m_device;
    PageMetrics m_metrics;
    double m_width;
};

void placeText(QPainter& painter, PageRecording& sheet, const PageGeometry& geometry,
               const QString& text, const QFont& font, TAlignment align, int y)
{
    if (text.isEmpty())
        return;
    const QFont previous = painter.font();
    const QFontMetricsF measure(font, &sheet);
    painter.setFont(font);
    painter.drawText(
        QPointF(geometry.textX(align, measure.horizontalAdvance(text)), y + measure.ascent()),
        text);
    painter.setFont(previous);
}

} // namespace

void PageLayout::drawPageLines(PageRecording& sheet, const TTextOptions& options, int page)
{
    const PageGeometry geometry(sheet.metrics(), options);
    QPainter painter(&sheet);
    painter.setPen(Qt::black);
    placeText(painter, sheet, geometry, options.Header, options.HeaderFont, options.HeaderAlign,
              geometry.headerY());
    placeText(painter, sheet, geometry, options.Footer, options.FooterFont, options.FooterAlign,
              geometry.footerY());
    if (options.PrintPageNumber != pnNone) {
        const int y = options.PrintPageNumber == pnBottom ? geometry.footerY() : geometry.headerY();
        placeText(painter, sheet, geometry, options.pageNumberLine(page), options.PageNumFont,
                  options.PageNumAlign, y);
    }
}

PageLayout::Result PageLayout::paginate(const QTextDocument& document, const TTextOptions& options,
                                        const MetricsSource& metricsOf)
{
    Result result;
    std::unique_ptr<FlowedDocument> flowed;
    int start = 0;
    for (int page = 1;; ++page) {
        const PageMetrics metrics = metricsOf();
        auto sheet = std::make_unique<PageRecording>(metrics);
        drawPageLines(*sheet, options, page);

        const QRectF body = PageGeometry(metrics, options).bodyDots();
        if (!flowed || !flowed->fits(metrics, body.width()))
            flowed = std::make_unique<FlowedDocument>(document, metrics, body.width());
        const auto [next, used] = flowed->pageEnd(start, body.height());
        {
            QPainter painter(sheet.get());
            flowed->draw(painter, body.topLeft(), flowed->lineTop(start), used);
        }
        result.pages.push_back(std::move(sheet));
        result.pageStarts.append(start);
        if (next < 0 || next >= flowed->textLength() || next <= start)
            break;
        start = next;
    }
    return result;
}
