#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

/// Writes a rich-text document as Rich Text Format: its text, its line breaks
/// (one paragraph a block), and each run's font, size and bold, italic,
/// underline and strikeout flags. Characters outside ASCII go as Unicode
/// escapes with a Windows-1252 (or "?") fallback for older readers.
///
/// The grammar written:
///   file  := "{\rtf1\ansi\ansicpg1252\deff0\uc1" fonts "\pard\plain" block ("\par" block)* "}"
///   fonts := "{\fonttbl" ("{\f" N "\fnil\fcharset0 " name ";}")+ "}"
///   block := run*
///   run   := "{\f" N "\fs" halfpoints ["\b"] ["\i"] ["\ul"] ["\strike"] " " text "}"
class RtfWriter {
public:
    static QByteArray toRtf(const QTextDocument& document);

    /// Saves \a document under \a fileName exactly as given, replacing an
    /// existing file only once the whole file is written. Throws Failure:
    /// "Cannot create file "<full path>". <reason>" when the file cannot be
    /// made, "Failed to Save Stream" when writing it fails.
    static void save(const QTextDocument& document, const QString& fileName);

    /// \a text as RTF text: control characters escaped, non-ASCII as "\uN" and a fallback.
    static QByteArray escape(const QString& text);
};
