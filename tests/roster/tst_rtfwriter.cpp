#include "failure.h"
#include "rosterdocument.h"
#include "rtfwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

/// A word and the styles it carries: "b" bold, "i" italic, "u" underline, "s" strikeout.
using StyledWord = QPair<QString, QString>;
using Paragraphs = QList<QList<StyledWord>>;

QString styleOf(const QTextCharFormat& format)
{
    QString style;
    if (format.fontWeight() >= QFont::Bold)
        style += u'b';
    if (format.fontItalic())
        style += u'i';
    if (format.fontUnderline())
        style += u'u';
    if (format.fontStrikeOut())
        style += u's';
    return style;
}

/// The document's non-empty lines as styled words (empty lines read back as nothing).
Paragraphs wordsOf(const QTextDocument& document)
{
    Paragraphs paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QList<StyledWord> words;
        QString word, style;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (const QChar c : fragment.text()) {
                if (c == u' ' || c == u'\t') { // pandoc reads a tab as a blank
                    if (!word.isEmpty())
                        words.append({word, style});
                    word.clear();
                    continue;
                }
                const QString here = styleOf(fragment.charFormat());
                style = word.isEmpty() ? here : style;
                word += c;
            }
        }
        if (!word.isEmpty())
            words.append({word, style});
        if (!words.isEmpty())
            paragraphs.append(words);
    }
    return paragraphs;
}

/// Walks pandoc's JSON inlines, collecting words with the styles around them.
void collect(const QJsonValue& node, const QString& style, QList<StyledWord>& words, bool& open)
{
    if (node.isArray()) {
        for (const QJsonValue& child : node.toArray())
            collect(child, style, words, open);
        return;
    }
    const QJsonObject object = node.toObject();
    const QString type = object.value(QStringLiteral("t")).toString();
    const QJsonValue content = object.value(QStringLiteral("c"));
    if (type == QLatin1String("Str")) {
        if (open && !words.isEmpty())
            words.last().first += content.toString();
        else
            words.append({content.toString(), style});
        open = true;
    } else if (type == QLatin1String("Space") || type == QLatin1String("SoftBreak")) {
        open = false;
    } else if (type == QLatin1String("Strong")) {
        collect(content, style + u'b', words, open);
    } else if (type == QLatin1String("Emph")) {
        collect(content, style + u'i', words, open);
    } else if (type == QLatin1String("Underline")) {
        collect(content, style + u'u', words, open);
    } else if (type == QLatin1String("Strikeout")) {
        collect(content, style + u's', words, open);
    } else if (type == QLatin1String("Span")) {
        collect(content.toArray().at(1), style, words, open);
    }
}

QString sorted(QString style)
{
    std::sort(style.begin(), style.end(), [](QChar a, QChar b) {
        return QStringLiteral("bius").indexOf(a) < QStringLiteral("bius").indexOf(b);
    });
    return style;
}

/// What pandoc's RTF reader makes of \a fileName.
Paragraphs readWithPandoc(const QString& fileName)
{
    QProcess pandoc;
    pandoc.start(QStringLiteral("pandoc"),
                 {QStringLiteral("-f"), QStringLiteral("rtf"), QStringLiteral("-t"),
                  QStringLiteral("json"), fileName});
    if (!pandoc.waitForFinished(60000) || pandoc.exitCode() != 0)
        qWarning() << "pandoc failed:" << pandoc.readAllStandardError();
    const QJsonObject root = QJsonDocument::fromJson(pandoc.readAllStandardOutput()).object();
    Paragraphs paragraphs;
    for (const QJsonValue block : root.value(QStringLiteral("blocks")).toArray()) {
        const QJsonObject object = block.toObject();
        if (object.value(QStringLiteral("t")).toString() != QLatin1String("Para") &&
            object.value(QStringLiteral("t")).toString() != QLatin1String("Plain"))
            continue;
        QList<StyledWord> words;
        bool open = false;
        collect(object.value(QStringLiteral("c")), {}, words, open);
        for (StyledWord& word : words)
            word.second = sorted(word.second);
        paragraphs.append(words);
    }
    return paragraphs;
}

/// A composed roster: a title, plain and styled lines, characters beyond ASCII.
void compose(QTextDocument& document)
{
    RosterDocument roster(&document);
    roster.clear();
    roster.setStyle(RosterDocument::Bold | RosterDocument::Underline);
    roster.appendLine(QStringLiteral("Eagle Patrol Roster"));
    roster.setStyle({});
    roster.appendLine(QString());
    roster.setStyle(RosterDocument::Bold);
    roster.appendLine(QStringLiteral("Saturday"));
    roster.setStyle({});
    roster.appendLine(
        QStringLiteral("Breakfast: Zoë cooks, Jörg cleans up (ß, é, “quotes” — dash, €5)"));
    roster.setStyle(RosterDocument::Italic);
    roster.appendLine(QStringLiteral("Lunch: Жора и Ли 李 cook; {braces} and back\\slash"));
    roster.setStyle(RosterDocument::StrikeOut);
    roster.appendLine(QStringLiteral("Dinner: cancelled"));
    roster.setStyle(RosterDocument::Italic | RosterDocument::Underline | RosterDocument::StrikeOut);
    roster.appendLine(QStringLiteral("Snacks:\tapples"));
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT
private slots:
    void composedRosterReadsBackThroughPandoc()
    {
        QTextDocument document;
        compose(document);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("roster.rtf"));
        RtfWriter::save(document, name);
        const Paragraphs expected = wordsOf(document);
        QCOMPARE(expected.size(), 6);
        QCOMPARE(readWithPandoc(name), expected);
    }

    void userEditsAreSaved()
    {
        QTextDocument document;
        compose(document);
        // The user types a bold word into the breakfast line and strikes out a word of the title.
        QTextCursor cursor(document.findBlockByNumber(3));
        cursor.movePosition(QTextCursor::EndOfBlock);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral(" Extra"), bold);
        QTextCursor title(document.findBlockByNumber(0));
        title.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        QTextCharFormat struck;
        struck.setFontStrikeOut(true);
        title.mergeCharFormat(struck);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("edited.rtf"));
        RtfWriter::save(document, name);
        const Paragraphs read = readWithPandoc(name);
        QCOMPARE(read, wordsOf(document));
        QCOMPARE(read[0][0], StyledWord(QStringLiteral("Eagle"), QStringLiteral("bus")));
        QCOMPARE(read[2].last(), StyledWord(QStringLiteral("Extra"), QStringLiteral("b")));
    }

    void fontsAndLineBreaksAreWritten()
    {
        QTextDocument document;
        document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
        QTextCursor cursor(&document);
        QTextCharFormat times;
        times.setFontFamilies({QStringLiteral("Liberation Serif")});
        times.setFontPointSize(12);
        cursor.insertText(QStringLiteral("serif"), times);
        cursor.insertBlock();
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("sans"), QTextCharFormat());
        const QByteArray rtf = RtfWriter::toRtf(document);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains(
            "{\\f0\\fnil\\fcharset0 Liberation Sans;}{\\f1\\fnil\\fcharset0 Liberation Serif;}"));
        QVERIFY(rtf.contains("{\\f1\\fs24 serif}\\par\n\\par\n{\\f0\\fs20 sans}"));
    }

    void escapes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("ascii") << "Cook: Sam" << QByteArray("Cook: Sam");
        QTest::newRow("control words") << "a\\b{c}" << QByteArray("a\\\\b\\{c\\}");
        QTest::newRow("latin-1") << QStringLiteral("ü") << QByteArray("\\u252\\'fc");
        QTest::newRow("windows-1252 only") << QStringLiteral("€") << QByteArray("\\u8364\\'80");
        QTest::newRow("no ansi fallback") << QStringLiteral("李") << QByteArray("\\u26446\\'3f");
        QTest::newRow("beyond 32767 is negative")
            << QStringLiteral("\uFF01") << QByteArray("\\u-255\\'3f");
        QTest::newRow("tab") << "a\tb" << QByteArray("a\\tab b");
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QByteArray("a\\line b");
        QTest::newRow("other controls dropped") << QStringLiteral("a\x01"
                                                                  "b")
                                                << QByteArray("ab");
    }
    void escapes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, rtf);
        QCOMPARE(RtfWriter::escape(text), rtf);
    }

    void savesUnderTheExactNameAndReplacesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("roster"));
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older and much longer file that must be gone entirely afterwards");
        old.close();
        QTextDocument document;
        compose(document);
        RtfWriter::save(document, name);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("roster")});
        QFile saved(name);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), RtfWriter::toRtf(document));
    }

    void aFileThatCannotBeCreatedIsReportedAndNothingIsLost()
    {
        QTemporaryDir dir;
        // A folder stands under the chosen name: it is left as it was.
        const QString name = dir.filePath(QStringLiteral("taken.rtf"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.rtf")));
        QTextDocument document;
        compose(document);
        try {
            RtfWriter::save(document, name);
            QFAIL("saved over a folder");
        } catch (const Failure& failure) {
            QVERIFY2(failure.message().startsWith(
                         QStringLiteral("Cannot create file \"%1\". ").arg(name)),
                     qPrintable(failure.message()));
            QVERIFY(!failure.message().endsWith(u'.'));
        }
        QVERIFY(QFileInfo(name).isDir());

        const QString missing = dir.filePath(QStringLiteral("no/such/folder/roster.rtf"));
        try {
            RtfWriter::save(document, missing);
            QFAIL("saved into a missing folder");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(),
                     QStringLiteral("Cannot create file \"%1\". No such file or directory")
                         .arg(missing));
        }
    }
};

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
