#include "rtfwriter.h"

#include "savefile.h"

#include <QIODevice>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace {

/// The Windows-1252 byte for \a unit, or 0 when it has none.
unsigned char windows1252(char16_t unit)
{
    if (unit >= 0xA0 && unit <= 0xFF)
        return static_cast<unsigned char>(unit);
    static constexpr char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i) {
        if (high[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    }
    return 0;
}

QFont resolvedFont(const QTextCharFormat& format, const QTextDocument& document)
{
    return format.font().resolve(document.defaultFont());
}

int halfPoints(const QFont& font)
{
    // Pixel sizes are taken at 96 pixels per inch, as the editor shows them.
    const double points =
        font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    return std::max(1, int(std::lround(points * 2)));
}

} // namespace

QByteArray RtfWriter::escape(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        switch (unit) {
        case u'\\':
            out += "\\\\";
            continue;
        case u'{':
            out += "\\{";
            continue;
        case u'}':
            out += "\\}";
            continue;
        case u'\t':
            out += "\\tab ";
            continue;
        case QChar::LineSeparator:
        case u'\n':
            out += "\\line ";
            continue;
        default:
            break;
        }
        if (unit < 0x20)
            continue;
        if (unit < 0x80) {
            out += char(unit);
            continue;
        }
        // \uN takes a signed 16-bit number; one fallback character follows (\uc1).
        out += "\\u" + QByteArray::number(int(static_cast<int16_t>(unit)));
        const unsigned char fallback = windows1252(unit);
        // A bare "?" would do, but some readers then drop a blank that follows it.
        out += "\\'" + QByteArray::number(fallback ? fallback : '?', 16).rightJustified(2, '0');
    }
    return out;
}

QByteArray RtfWriter::toRtf(const QTextDocument& document)
{
    QStringList fonts{document.defaultFont().family()};
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            body += "\\par\n";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.text().isEmpty())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QFont font = resolvedFont(format, document);
            qsizetype index = fonts.indexOf(font.family());
            if (index < 0) {
                index = fonts.size();
                fonts.append(font.family());
            }
            body +=
                "{\\f" + QByteArray::number(index) + "\\fs" + QByteArray::number(halfPoints(font));
            if (font.bold())
                body += "\\b";
            if (font.italic())
                body += "\\i";
            if (font.underline())
                body += "\\ul";
            if (font.strikeOut())
                body += "\\strike";
            body += ' ' + escape(fragment.text()) + '}';
        }
    }

    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i)
        rtf += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + escape(fonts[i]) + ";}";
    rtf += "}\n\\pard\\plain\n" + body + "\n}\n";
    return rtf;
}

void RtfWriter::save(const QTextDocument& document, const QString& fileName)
{
    const QByteArray rtf = toRtf(document);
    saveFile(
        fileName, [&](QIODevice& device) { return device.write(rtf) == rtf.size(); },
        QStringLiteral("Failed to Save Stream"));
}
