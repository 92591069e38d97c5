#include "pagelayout.h"
#include "rosterdocument.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QList<const PageRecording::Text*> textsOf(const PageRecording& page)
{
    QList<const PageRecording::Text*> texts;
    for (const PageRecording::Command& command : page.commands()) {
        if (const auto* text = std::get_if<PageRecording::Text>(&command))
            texts.append(text);
    }
    return texts;
}

/// The body's text of a page, lines joined by "\n" (the credit line left out).
QString bodyText(const PageRecording& page)
{
    QStringList lines;
    double lastY = -1;
    for (const PageRecording::Text* text : textsOf(page)) {
        if (text->text == TTextOptions::creditLine())
            continue;
        if (text->baseline.y() != lastY)
            lines.append(QString());
        lines.last() += text->text;
        lastY = text->baseline.y();
    }
    return lines.join(u'\n');
}

/// A roster of \a lines lines "Line n: ..." in turning styles.
void fillRoster(QTextDocument& document, int lines)
{
    RosterDocument roster(&document);
    roster.clear();
    for (int i = 1; i <= lines; ++i) {
        roster.setStyle(i % 3 == 0 ? RosterDocument::Bold : RosterDocument::Style{});
        roster.appendLine(
            QStringLiteral("Line %1: Saturday dinner, cook Alex, cleanup Sam").arg(i));
    }
}

PageLayout::Result layOut(const QTextDocument& document, const PageMetrics& metrics)
{
    return PageLayout::paginate(document, TTextOptions(), [&] { return metrics; });
}

} // namespace

Q_DECLARE_METATYPE(PageMetrics)
Q_DECLARE_METATYPE(TwipRect)

class TestPageLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A font that every machine of ours has, so line heights are known.
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(12);
        m_font = font;
    }

    void bodyRectangle_data()
    {
        QTest::addColumn<PageMetrics>("metrics");
        QTest::addColumn<TwipRect>("body");
        QTest::addColumn<int>("headerY");
        QTest::addColumn<int>("footerY");
        QTest::newRow("letter, 96 dpi")
            << PageMetrics::letterAt(96) << TwipRect{720, 720, 11520, 15120} << 48 << 984;
        QTest::newRow("letter, 300 dpi")
            << PageMetrics::letterAt(300) << TwipRect{720, 720, 11520, 15120} << 150 << 3075;
        QTest::newRow("A4, 300 dpi") << PageMetrics{300, 300, QSize(2480, 3508)}
                                     << TwipRect{720, 720, 11184, 16118} << 150 << 3283;
        QTest::newRow("unequal densities") << PageMetrics{600, 300, QSize(5100, 3300)}
                                           << TwipRect{720, 720, 11520, 15120} << 150 << 3075;
    }
    void bodyRectangle()
    {
        QFETCH(PageMetrics, metrics);
        QFETCH(TwipRect, body);
        QFETCH(int, headerY);
        QFETCH(int, footerY);
        const TTextOptions options;
        const PageGeometry geometry(metrics, options);
        QCOMPARE(geometry.bodyTwips(), body);
        QCOMPARE(geometry.headerY(), headerY);
        QCOMPARE(geometry.footerY(), footerY);
    }

    void textPlacement_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("x");
        QTest::newRow("left") << int(taLeftJustify) << 100.0 << 150;
        QTest::newRow("right") << int(taRightJustify) << 100.0 << 2300;
        QTest::newRow("centre on the sheet") << int(taCenter) << 100.0 << 1225;
        QTest::newRow("centre, halves rounded toward zero") << int(taCenter) << 101.0 << 1225;
    }
    void textPlacement()
    {
        QFETCH(int, align);
        QFETCH(double, width);
        QFETCH(int, x);
        const TTextOptions options;
        QCOMPARE(PageGeometry(PageMetrics::letterAt(300), options).textX(TAlignment(align), width),
                 x);
    }

    void anEmptyDocumentGivesOnePageWithTheCreditLineOnly()
    {
        QTextDocument document;
        const PageLayout::Result result = layOut(document, PageMetrics::letterAt(300));
        QCOMPARE(result.pages.size(), size_t(1));
        QCOMPARE(result.pageStarts, QList<int>{0});
        const auto texts = textsOf(*result.pages[0]);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0]->text, TTextOptions::creditLine());
    }

    void theCreditLineStandsAtTheFootOfTheSheet()
    {
        // Letter at 300 dpi: top edge 0.75 inch above the bottom, right edge 0.5 inch from the
        // right.
        const PageMetrics metrics = PageMetrics::letterAt(300);
        QTextDocument document;
        fillRoster(document, 5);
        const PageLayout::Result result = layOut(document, metrics);
        const PageRecording& page = *result.pages[0];
        const PageRecording::Text* credit = nullptr;
        for (const PageRecording::Text* text : textsOf(page)) {
            if (text->text == TTextOptions::creditLine())
                credit = text;
        }
        QVERIFY(credit);
        const TTextOptions options;
        QCOMPARE(credit->font.family(), QStringLiteral("Times New Roman"));
        QVERIFY(credit->font.italic());
        QCOMPARE(credit->pixelSize, 10 * 300 / 72.0);
        const QFontMetricsF measure(options.PageNumFont, &page);
        QCOMPARE(qRound(credit->baseline.y() - measure.ascent()), 3300 - 225);
        QCOMPARE(qRound(credit->baseline.x() + measure.horizontalAdvance(credit->text)),
                 2550 - 150);
        // It is drawn before the body.
        QCOMPARE(textsOf(page).constFirst(), credit);
    }

    void pagesStartWhereThePreviousPageStopped_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("dpi");
        QTest::newRow("one page, 96 dpi") << 10 << 96.0;
        QTest::newRow("many pages, 96 dpi") << 300 << 96.0;
        QTest::newRow("many pages, 300 dpi") << 300 << 300.0;
    }
    void pagesStartWhereThePreviousPageStopped()
    {
        QFETCH(int, lines);
        QFETCH(double, dpi);
        QTextDocument document;
        document.setDefaultFont(m_font);
        fillRoster(document, lines);
        const PageMetrics metrics = PageMetrics::letterAt(dpi);
        const PageLayout::Result result = layOut(document, metrics);
        const int pages = int(result.pages.size());
        QCOMPARE(result.pageStarts.size(), pages);

        // Each page holds whole lines, starting with the first one that did not fit before.
        QStringList all;
        for (int i = 0; i < pages; ++i) {
            const QString text = bodyText(*result.pages[size_t(i)]);
            const int start = result.pageStarts[i];
            QCOMPARE(document.findBlock(start).position(), start);
            QVERIFY2(text.startsWith(document.findBlock(start).text()), qPrintable(text.left(60)));
            all.append(text);
            // Every page carries the credit line, the same on all.
            QCOMPARE(textsOf(*result.pages[size_t(i)]).constFirst()->text,
                     TTextOptions::creditLine());
        }
        QCOMPARE(all.join(u'\n') + u'\n', document.toPlainText());

        // The page count follows from the body's height and the line height.
        const double lineHeight = QFontMetricsF(m_font, result.pages[0].get()).height();
        const double bodyHeight = 10 * dpi;
        const int perPage = int(bodyHeight / lineHeight);
        QVERIFY(perPage > 0);
        QVERIFY2(std::abs(pages - (lines + perPage - 1) / perPage) <= 1,
                 qPrintable(QStringLiteral("%1 pages for %2 lines").arg(pages).arg(lines)));
        if (lines > perPage)
            QVERIFY(pages > 1);
        else
            QCOMPARE(pages, 1);
    }

    void aLineTallerThanTheBodyStillMakesProgress()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextCharFormat huge;
        huge.setFontPointSize(900); // 12.5 inches: taller than the 10-inch body
        cursor.insertText(QStringLiteral("A"), huge);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("B"), huge);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("small"), QTextCharFormat());
        const PageLayout::Result result = layOut(document, PageMetrics::letterAt(96));
        QCOMPARE(result.pages.size(), size_t(3));
        QCOMPARE(result.pageStarts, (QList<int>{0, 2, 4}));
    }

    void fontsKeepTheirFamilyAndTheirSizeOnThePage()
    {
        // The editor's own font, its height in screen pixels, and no family in the formats.
        QTextDocument document;
        QFont serif(QStringLiteral("Liberation Serif"));
        serif.setPixelSize(13);
        document.setDefaultFont(serif);
        RosterDocument roster(&document);
        roster.setStyle(RosterDocument::Underline);
        roster.appendLine(QStringLiteral("Meals"));
        const PageLayout::Result result = layOut(document, PageMetrics::letterAt(300));
        const auto texts = textsOf(*result.pages[0]);
        QCOMPARE(texts.size(), 2);
        const PageRecording::Text* meals = texts[1];
        // Played onto a painter with another font, the text keeps its own family.
        QCOMPARE(meals->font.resolve(QFont(QStringLiteral("Liberation Mono"))).family(),
                 QStringLiteral("Liberation Serif"));
        QVERIFY(meals->underline);
        const double screenDpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        QCOMPARE(meals->pixelSize, 13 * 72.0 / screenDpi * 300 / 72.0);
    }

    void longLinesWrapToTheBodyWidth()
    {
        QTextDocument document;
        document.setDefaultFont(m_font);
        RosterDocument(&document).appendLine(QStringLiteral("word ").repeated(200).trimmed());
        const PageMetrics metrics = PageMetrics::letterAt(96);
        const PageLayout::Result result = layOut(document, metrics);
        const PageRecording& page = *result.pages[0];
        const QFontMetricsF measure(m_font, &page);
        int bodyLines = 0;
        for (const PageRecording::Text* text : textsOf(page)) {
            if (text->text == TTextOptions::creditLine())
                continue;
            ++bodyLines;
            QVERIFY(text->baseline.x() >= 48 - 0.5);
            QVERIFY(text->baseline.x() + measure.horizontalAdvance(text->text.trimmed()) <=
                    48 + 7.5 * 96 + 0.5);
        }
        QVERIFY(bodyLines > 5);
    }

private:
    QFont m_font;
};

QTEST_MAIN(TestPageLayout)
#include "tst_pagelayout.moc"
