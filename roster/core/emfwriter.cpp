#include "emfwriter.h"

#include "pagerecording.h"

#include <QFontMetricsF>
#include <QRect>

#include <cmath>
#include <cstring>
#include <utility>

namespace {

constexpr quint32 kNullPen = 0x80000008;
constexpr quint32 kNullBrush = 0x80000005;
constexpr quint32 kSystemFont = 0x8000000D;
constexpr quint32 kFontHandle = 1;
constexpr quint32 kBrushHandle = 2;
constexpr quint32 kPenHandle = 3;

/// One record being written: little-endian fields, its size patched in at the end.
class Record {
public:
    explicit Record(quint32 type)
    {
        put32(type);
        put32(0);
    }
    void put32(quint32 value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes += char((value >> (8 * i)) & 0xff);
    }
    void putByte(quint8 value) { m_bytes += char(value); }
    void putSigned(qint32 value) { put32(static_cast<quint32>(value)); }
    void put16(quint16 value)
    {
        m_bytes += char(value & 0xff);
        m_bytes += char(value >> 8);
    }
    void putFloat(float value)
    {
        quint32 bits;
        std::memcpy(&bits, &value, 4);
        put32(bits);
    }
    void putRect(const QRect& r)
    {
        putSigned(r.left());
        putSigned(r.top());
        putSigned(r.right());
        putSigned(r.bottom());
    }
    void putText(const QString& text)
    {
        for (const QChar c : text)
            put16(c.unicode());
    }
    void pad()
    {
        while (m_bytes.size() % 4)
            m_bytes += '\0';
    }
    qsizetype size() const { return m_bytes.size(); }
    QByteArray finish()
    {
        pad();
        const auto size = quint32(m_bytes.size());
        for (int i = 0; i < 4; ++i)
            m_bytes[4 + i] = char((size >> (8 * i)) & 0xff);
        return m_bytes;
    }

private:
    QByteArray m_bytes;
};

quint32 colorRef(const QColor& color)
{
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

class Writer {
public:
    /// The size of one sheet dot across and down, in hundredths of a millimetre.
    Writer(double hundredthsX, double hundredthsY)
        : m_hundredthsX(hundredthsX), m_hundredthsY(hundredthsY)
    {
    }

    void add(Record record)
    {
        m_body += record.finish();
        ++m_count;
    }

    void simple(quint32 type, quint32 value)
    {
        Record record(type);
        record.put32(value);
        add(std::move(record));
    }

    void text(const PageRecording::Text& run)
    {
        const QString& text = run.text;
        if (text.isEmpty())
            return;
        const int height = std::max(1, int(std::lround(run.pixelSize)));

        Record font(EmfWriter::EMR_EXTCREATEFONTINDIRECTW);
        font.put32(kFontHandle);
        font.putSigned(-height); // lfHeight: character height
        font.putSigned(0);       // lfWidth
        font.putSigned(0);       // lfEscapement
        font.putSigned(0);       // lfOrientation
        font.putSigned(run.font.weight() >= QFont::Bold ? 700 : 400);
        font.putByte(run.font.italic() ? 1 : 0);
        // No underline or strikeout in the font: the page recorded those
        // lines itself, where its layout put them, and they are written as
        // lines below. A font flag as well would draw each one twice.
        font.putByte(0);
        font.putByte(0);
        font.putByte(1); // DEFAULT_CHARSET
        font.put32(0);   // precisions, quality, pitch and family
        font.putText(run.font.family().left(31).leftJustified(32, QChar(0)));
        add(std::move(font));
        simple(EmfWriter::EMR_SELECTOBJECT, kFontHandle);
        simple(EmfWriter::EMR_SETTEXTCOLOR, colorRef(run.color));

        // Advances of each UTF-16 unit at the run's size; the second unit of a pair takes none.
        QFont measured = run.font;
        measured.setPixelSize(height);
        const QFontMetricsF metrics(measured);
        QList<qint32> advances;
        double x = 0;
        int placed = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size()) {
                x += metrics.horizontalAdvance(text.mid(i, 2));
                const int next = int(std::lround(x));
                advances << next - placed << 0;
                placed = next;
                ++i;
                continue;
            }
            x += metrics.horizontalAdvance(text[i]);
            const int next = int(std::lround(x));
            advances << next - placed;
            placed = next;
        }

        const QPoint origin = run.baseline.toPoint();
        const QRect bounds(origin.x(), origin.y() - height, std::max(placed, 1), height * 2);
        Record out(EmfWriter::EMR_EXTTEXTOUTW);
        out.putRect(bounds);
        out.put32(1);                       // iGraphicsMode: GM_COMPATIBLE
        out.putFloat(float(m_hundredthsX)); // exScale and eyScale: dots to 0.01 mm
        out.putFloat(float(m_hundredthsY));
        // EMRTEXT
        const quint32 stringOffset = 8 + 16 + 12 + 40;
        const quint32 textBytes = quint32((text.size() * 2 + 3) / 4 * 4);
        out.putSigned(origin.x());
        out.putSigned(origin.y());
        out.put32(quint32(text.size()));
        out.put32(stringOffset);
        out.put32(0); // options
        for (int edge = 0; edge < 4; ++edge)
            out.put32(0); // no clipping or opaque rectangle
        out.put32(stringOffset + textBytes);
        out.putText(text);
        out.pad();
        for (const qint32 advance : advances)
            out.putSigned(advance);
        add(std::move(out));
        simple(EmfWriter::EMR_SELECTOBJECT, kSystemFont);
        simple(EmfWriter::EMR_DELETEOBJECT, kFontHandle);
    }

    void polygons(const QList<QPolygonF>& polygons, quint32 type, const QRect& bounds)
    {
        Record record(type);
        record.putRect(bounds);
        quint32 points = 0;
        for (const QPolygonF& polygon : polygons)
            points += quint32(polygon.size());
        record.put32(quint32(polygons.size()));
        record.put32(points);
        for (const QPolygonF& polygon : polygons)
            record.put32(quint32(polygon.size()));
        for (const QPolygonF& polygon : polygons) {
            for (const QPointF& point : polygon) {
                record.putSigned(int(std::lround(point.x())));
                record.putSigned(int(std::lround(point.y())));
            }
        }
        add(std::move(record));
    }

    void fill(const PageRecording::Fill& fill)
    {
        const QList<QPolygonF> shapes = fill.path.toFillPolygons();
        if (shapes.isEmpty())
            return;
        Record brush(EmfWriter::EMR_CREATEBRUSHINDIRECT);
        brush.put32(kBrushHandle);
        brush.put32(0); // BS_SOLID
        brush.put32(colorRef(fill.brush.color()));
        brush.put32(0);
        add(std::move(brush));
        simple(EmfWriter::EMR_SELECTOBJECT, kBrushHandle);
        simple(EmfWriter::EMR_SELECTOBJECT, kNullPen);
        polygons(shapes, EmfWriter::EMR_POLYPOLYGON, fill.path.boundingRect().toAlignedRect());
        simple(EmfWriter::EMR_SELECTOBJECT, kNullBrush);
        simple(EmfWriter::EMR_DELETEOBJECT, kBrushHandle);
    }

    void stroke(const PageRecording::Stroke& stroke)
    {
        const QList<QPolygonF> lines = stroke.path.toSubpathPolygons();
        if (lines.isEmpty())
            return;
        Record pen(EmfWriter::EMR_CREATEPEN);
        pen.put32(kPenHandle);
        pen.put32(0); // PS_SOLID
        pen.putSigned(std::max(1, int(std::lround(stroke.pen.widthF()))));
        pen.putSigned(0);
        pen.put32(colorRef(stroke.pen.color()));
        add(std::move(pen));
        simple(EmfWriter::EMR_SELECTOBJECT, kPenHandle);
        simple(EmfWriter::EMR_SELECTOBJECT, kNullBrush);
        polygons(lines, EmfWriter::EMR_POLYPOLYLINE, stroke.path.boundingRect().toAlignedRect());
        simple(EmfWriter::EMR_SELECTOBJECT, kNullPen);
        simple(EmfWriter::EMR_DELETEOBJECT, kPenHandle);
    }

    QByteArray finish(const PageMetrics& metrics)
    {
        Record eof(EmfWriter::EMR_EOF);
        eof.put32(0);
        eof.put32(16);
        eof.put32(20);
        add(std::move(eof));

        const QSize dots = metrics.sheetDots;
        // Readers place logical units by the reference device's size in pixels
        // against its size in whole millimetres. A sheet is rarely a whole number
        // of millimetres (Letter is 215.9 x 279.4), so the reference device is the
        // sheet grown to whole multiples of 5 inches (127 mm): its dots per
        // millimetre are then exactly the sheet's.
        const auto reference = [](double inches, double dpi) {
            const int fives = std::max(1, int(std::ceil(inches / 5 - 1e-9)));
            return std::pair(quint32(std::lround(fives * 5 * dpi)), quint32(fives * 127));
        };
        const auto [deviceWidth, millimetresWide] = reference(metrics.widthInches(), metrics.dpiX);
        const auto [deviceHeight, millimetresHigh] =
            reference(metrics.heightInches(), metrics.dpiY);
        const QString description = QStringLiteral("Patrolia") + QChar(0) +
                                    QStringLiteral("Roster page") + QChar(0) + QChar(0);
        Record header(EmfWriter::EMR_HEADER);
        header.putRect(QRect(QPoint(0, 0), dots));
        // The frame in hundredths of a millimetre, inclusive.
        header.putRect(
            QRect(QPoint(0, 0), QPoint(int(std::lround(metrics.widthInches() * 2540)),
                                       int(std::lround(metrics.heightInches() * 2540)))));
        header.put32(0x464D4520); // " EMF"
        header.put32(0x00010000);
        const qsizetype bytesAt = header.size();
        header.put32(0); // nBytes, below
        header.put32(quint32(m_count + 1));
        header.put16(4); // handles: the table's slot 0 and our three
        header.put16(0);
        header.put32(quint32(description.size()));
        header.put32(108);
        header.put32(0); // palette entries
        header.put32(deviceWidth);
        header.put32(deviceHeight);
        header.put32(millimetresWide);
        header.put32(millimetresHigh);
        header.put32(0); // no pixel format
        header.put32(0);
        header.put32(0); // not OpenGL
        header.put32(millimetresWide * 1000);
        header.put32(millimetresHigh * 1000);
        header.putText(description);
        QByteArray bytes = header.finish() + m_body;
        const auto total = quint32(bytes.size());
        for (int i = 0; i < 4; ++i)
            bytes[bytesAt + i] = char((total >> (8 * i)) & 0xff);
        return bytes;
    }

private:
    double m_hundredthsX;
    double m_hundredthsY;
    QByteArray m_body;
    qsizetype m_count = 0;
};

} // namespace

QByteArray EmfWriter::write(const PageRecording& page)
{
    const PageMetrics& metrics = page.metrics();
    Writer writer(2540 / metrics.dpiX, 2540 / metrics.dpiY);
    writer.simple(EMR_SETBKMODE, 1);       // TRANSPARENT
    writer.simple(EMR_SETTEXTALIGN, 24);   // TA_BASELINE | TA_LEFT | TA_NOUPDATECP
    writer.simple(EMR_SETPOLYFILLMODE, 2); // WINDING
    for (const PageRecording::Command& command : page.commands()) {
        if (const auto* text = std::get_if<PageRecording::Text>(&command))
            writer.text(*text);
        else if (const auto* fill = std::get_if<PageRecording::Fill>(&command))
            writer.fill(*fill);
        else if (const auto* stroke = std::get_if<PageRecording::Stroke>(&command))
            writer.stroke(*stroke);
    }
    return writer.finish(metrics);
}
