#pragma once

#include <QFlags>
#include <QString>

class QTextDocument;

/// The roster document: lines of text, each carrying the character style that
/// was current when it was appended. Lines are only ever appended at the end,
/// each followed by a line break. It works on a QTextDocument owned elsewhere
/// (the final page's editor), which shows it and lets the user edit it.
///
/// In the text document every appended line is a block, and one empty block
/// always stands last: the line break after the last line. So the plain text is
/// exactly the appended lines, each followed by "\n".
class RosterDocument {
public:
    enum StyleFlag { Bold = 0x1, Italic = 0x2, Underline = 0x4, StrikeOut = 0x8 };
    Q_DECLARE_FLAGS(Style, StyleFlag)

    /// Most characters the document takes; an append beyond it fails whole.
    static constexpr qsizetype kCapacity = 64 * 1024 * 1024;

    /// Works on \a document, which takes at most \a capacity characters.
    explicit RosterDocument(QTextDocument* document, qsizetype capacity = kCapacity);

    /// Removes all text; the current style becomes plain.
    void clear();
    /// Appends \a text and a line break in the current style. Line breaks inside
    /// \a text give several lines. Throws Failure("RichEdit line insertion error")
    /// when the text does not fit whole.
    void appendLine(const QString& text);
    void setStyle(Style style);
    Style style() const;

    QTextDocument* textDocument() const { return m_document; }

private:
    QTextDocument* m_document;
    qsizetype m_capacity;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RosterDocument::Style)
