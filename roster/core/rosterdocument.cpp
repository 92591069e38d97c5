#include "rosterdocument.h"

#include "failure.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QTextCharFormat formatFor(RosterDocument::Style style)
{
    QTextCharFormat format;
    format.setFontWeight(style.testFlag(RosterDocument::Bold) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.testFlag(RosterDocument::Italic));
    format.setFontUnderline(style.testFlag(RosterDocument::Underline));
    format.setFontStrikeOut(style.testFlag(RosterDocument::StrikeOut));
    return format;
}

QTextCursor endCursor(QTextDocument* document)
{
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    return cursor;
}

} // namespace

RosterDocument::RosterDocument(QTextDocument* document, qsizetype capacity)
    : m_document(document), m_capacity(capacity)
{
}

void RosterDocument::clear()
{
    m_document->clear();
    endCursor(m_document).setBlockCharFormat(formatFor({}));
}

void RosterDocument::appendLine(const QString& text)
{
    // Line breaks of any platform's kind split the text into lines.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    qsizetype added = 0;
    for (const QString& line : lines)
        added += line.size() + 1;
    if (m_document->characterCount() + added > m_capacity)
        throw Failure(QStringLiteral("RichEdit line insertion error"));

    QTextCursor cursor = endCursor(m_document);
    const QTextCharFormat format = cursor.blockCharFormat();
    cursor.beginEditBlock();
    for (const QString& line : lines) {
        cursor.insertText(line, format);
        cursor.insertBlock(QTextBlockFormat(), format);
    }
    cursor.endEditBlock();
}

void RosterDocument::setStyle(Style style)
{
    endCursor(m_document).setBlockCharFormat(formatFor(style));
}

RosterDocument::Style RosterDocument::style() const
{
    const QTextCharFormat format = endCursor(m_document).blockCharFormat();
    Style style;
    if (format.fontWeight() >= QFont::Bold)
        style |= Bold;
    if (format.fontItalic())
        style |= Italic;
    if (format.fontUnderline())
        style |= Underline;
    if (format.fontStrikeOut())
        style |= StrikeOut;
    return style;
}
