#include "failure.h"
#include "fixedrosterinputs.h"
#include "randomsource.h"
#include "rostercomposition.h"
#include "rosterdocument.h"

#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <deque>
#include <set>

namespace {

/// Draws given in advance; counts the reseeds.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<int> draws;
    int reseeds = 0;
    QList<int> counts; ///< the count of every draw, in order

    void reseed() override { ++reseeds; }
    int draw(int count) override
    {
        counts.append(count);
        if (draws.empty())
            throw Failure(QStringLiteral("no scripted draw left"));
        const int position = draws.front();
        draws.pop_front();
        if (count > 0 && (position < 0 || position >= count))
            throw Failure(
                QStringLiteral("scripted draw %1 outside 0..%2").arg(position).arg(count - 1));
        return position;
    }
};

enum Style { P, B, U };

QString styleName(const QTextCharFormat& format)
{
    QString name;
    if (format.fontWeight() >= QFont::Bold)
        name += QLatin1Char('B');
    if (format.fontUnderline())
        name += QLatin1Char('U');
    if (format.fontItalic())
        name += QLatin1Char('I');
    if (format.fontStrikeOut())
        name += QLatin1Char('S');
    return name.isEmpty() ? QStringLiteral("P") : name;
}

/// The document as "style|text" lines; the last (empty) block is the line break after the last
/// line.
QStringList linesOf(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.next().isValid()) {
            if (!block.text().isEmpty())
                lines.append(QStringLiteral("unterminated|") + block.text());
            break;
        }
        const QTextCharFormat format =
            block.text().isEmpty() ? block.charFormat() : block.begin().fragment().charFormat();
        // every fragment of a line carries the same style
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (styleName(it.fragment().charFormat()) != styleName(format))
                lines.append(QStringLiteral("mixed styles in ") + block.text());
        lines.append(styleName(format) + QLatin1Char('|') + block.text());
    }
    return lines;
}

QString line(Style style, const QString& text)
{
    return QLatin1String(style == B ? "B" : style == U ? "U" : "P") + QLatin1Char('|') + text;
}

FixedRosterInputs workedExample()
{
    FixedRosterInputs in;
    in.days[0] = in.days[1] = true;
    in.meals[0] = in.meals[2] = true;
    in.patrol = {QStringLiteral("Alex"), QStringLiteral("Jordan")};
    in.candidates[0] = {QStringLiteral("Pancakes")};
    in.candidates[2] = {QStringLiteral("Chili"), QStringLiteral("Tacos")};
    in.snacksText = QStringLiteral("Trail mix");
    in.drinksText = QStringLiteral("Water\nCocoa");
    return in;
}

} // namespace

class TestRosterComposition : public QObject {
    Q_OBJECT
private slots:
    void workedExampleLineByLineAndStyleByStyle()
    {
        FixedRosterInputs in = workedExample();
        ScriptedRandom random;
        // cook 1; cleanup 0 = remembered 0, redraw 0; cook 1; cleanup 1; cook 1 = remembered 1,
        // redraw 0; cleanup 0; cook 1; cleanup 1; then the meals: 0, 1, 0, 0.
        random.draws = {1, 0, 0, 1, 1, 1, 0, 0, 1, 1, 0, 1, 0, 0};
        QTextDocument text;
        RosterDocument document(&text);
        document.appendLine(QStringLiteral("an old roster the composition replaces"));
        RosterComposition(random).compose(in, document);

        const QStringList expected = {line(B, "Trail Patrol Roster"),
                                      line(B, ""),
                                      line(B, ""),
                                      line(B, "Sunday"),
                                      line(P, "[Breakfast]"),
                                      line(P, "Cook: Jordan"),
                                      line(P, "Cleanup: Alex"),
                                      line(P, ""),
                                      line(P, "[Dinner]"),
                                      line(P, "Cook: Jordan"),
                                      line(P, "Cleanup: Jordan"),
                                      line(P, ""),
                                      line(P, ""),
                                      line(B, "Monday"),
                                      line(P, "[Breakfast]"),
                                      line(P, "Cook: Alex"),
                                      line(P, "Cleanup: Alex"),
                                      line(P, ""),
                                      line(P, "[Dinner]"),
                                      line(P, "Cook: Jordan"),
                                      line(P, "Cleanup: Jordan"),
                                      line(P, ""),
                                      line(U, "Meals"),
                                      line(U, ""),
                                      line(B, "Sunday"),
                                      line(P, "[Breakfast]"),
                                      line(P, "Pancakes"),
                                      line(P, ""),
                                      line(P, "[Dinner]"),
                                      line(P, "Tacos"),
                                      line(P, ""),
                                      line(B, "Monday"),
                                      line(P, "[Breakfast]"),
                                      line(P, "Pancakes"),
                                      line(P, ""),
                                      line(P, "[Dinner]"),
                                      line(P, "Chili"),
                                      line(P, ""),
                                      line(P, ""),
                                      line(U, "Snacks"),
                                      line(P, "Trail mix"),
                                      line(P, ""),
                                      line(U, "Drinks"),
                                      line(P, "Water"),
                                      line(P, "Cocoa")};
        const QStringList actual = linesOf(text);
        QCOMPARE(actual.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(QStringLiteral("%1: %2").arg(i + 1).arg(actual[i]),
                     QStringLiteral("%1: %2").arg(i + 1).arg(expected[i]));
        QVERIFY(text.toPlainText().endsWith(QStringLiteral("Cocoa\n")));

        QVERIFY(random.draws.empty());
        QCOMPARE(random.reseeds, 12); // every cook, cleanup and meal draw; never the redraws
        QCOMPARE(random.counts, QList<int>({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 2, 1, 2}));
        QCOMPARE(in.pageTurns, 1);
    }

    void shapesWithoutDraws_data()
    {
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<QList<int>>("meals");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("snacks");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no day ticked: no draw, empty lists are fine")
            << QList<int>{} << QList<int>{0, 1, 2} << "T"
            << "" << QStringList{line(B, "T"), line(B, ""),       line(U, "Meals"),
                                 line(U, ""),  line(U, "Snacks"), line(P, ""),
                                 line(P, ""),  line(U, "Drinks"), line(P, "")};
        QTest::newRow("days but no meal")
            << QList<int>{0, 2} << QList<int>{} << "T"
            << "Chips" << QStringList{line(B, "T"),       line(B, ""), line(B, ""),
                                      line(B, "Sunday"),  line(P, ""), line(B, "Tuesday"),
                                      line(U, "Meals"),   line(U, ""), line(B, "Sunday"),
                                      line(B, "Tuesday"), line(P, ""), line(U, "Snacks"),
                                      line(P, "Chips"),   line(P, ""), line(U, "Drinks"),
                                      line(P, "")};
        QTest::newRow("Monday without Sunday follows Meals directly")
            << QList<int>{1} << QList<int>{} << ""
            << "a\n"
            << QStringList{line(B, ""),      line(B, ""),       line(B, ""), line(B, "Monday"),
                           line(U, "Meals"), line(B, "Monday"), line(P, ""), line(U, "Snacks"),
                           line(P, "a"),     line(P, ""),       line(P, ""), line(U, "Drinks"),
                           line(P, "")};
    }
    void shapesWithoutDraws()
    {
        QFETCH(QList<int>, days);
        QFETCH(QList<int>, meals);
        QFETCH(QString, title);
        QFETCH(QString, snacks);
        QFETCH(QStringList, expected);
        FixedRosterInputs in;
        for (int day : days)
            in.days[day] = true;
        for (int meal : meals)
            in.meals[meal] = true;
        in.titleText = title;
        in.snacksText = snacks;
        ScriptedRandom random;
        QTextDocument text;
        RosterDocument document(&text);
        RosterComposition(random).compose(in, document);
        QCOMPARE(linesOf(text), expected);
        QCOMPARE(random.counts.size(), 0);
    }

    void oneScoutDoesEveryJob()
    {
        FixedRosterInputs in;
        in.days[6] = true;
        in.meals[1] = true;
        in.patrol = {QStringLiteral("Sam")};
        in.candidates[1] = {QStringLiteral("Soup")};
        ReseedingRandom random;
        QTextDocument text;
        RosterDocument document(&text);
        RosterComposition(random).compose(in, document);
        const QStringList lines = linesOf(text);
        QVERIFY(lines.contains(line(P, "Cook: Sam")));
        QVERIFY(lines.contains(line(P, "Cleanup: Sam")));
        QVERIFY(lines.contains(line(P, "Soup")));
    }

    void failureStopsWhereTheListIsEmpty_data()
    {
        QTest::addColumn<bool>("emptyPatrol");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("empty patrol") << true << line(P, "[Breakfast]") << 5;
        // title, blank, (blank, Tuesday, [Breakfast] cook cleanup blank [Dinner] cook cleanup
        // blank), (blank, Wednesday, the same eight), Meals, Tuesday, [Breakfast] Eggs blank,
        // [Dinner]
        QTest::newRow("empty dinner list") << false << line(P, "[Dinner]") << 28;
    }
    void failureStopsWhereTheListIsEmpty()
    {
        QFETCH(bool, emptyPatrol);
        QFETCH(QString, lastLine);
        QFETCH(int, lineCount);
        FixedRosterInputs in;
        in.days[2] = in.days[3] = true;
        in.meals[0] = in.meals[2] = true;
        if (!emptyPatrol)
            in.patrol = {QStringLiteral("Alex")};
        in.candidates[0] = {QStringLiteral("Eggs")};
        ReseedingRandom random;
        QTextDocument text;
        RosterDocument document(&text);
        try {
            RosterComposition(random).compose(in, document);
            QFAIL("the composition did not fail");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(), QStringLiteral("List index out of bounds (0)"));
        }
        const QStringList lines = linesOf(text);
        QCOMPARE(lines.size(), lineCount);
        QCOMPARE(lines.last(), lastLine);
        QCOMPARE(in.pageTurns, 1); // the page turned before anything was composed
    }

    void remembersCleanupPositionsNotNames()
    {
        // The same name twice: two positions. Cleanup at position 1 ("Kim"); next cook draws
        // position 0 ("Kim" too), which is not the remembered position, so no redraw.
        FixedRosterInputs in;
        in.days[0] = true;
        in.meals[0] = in.meals[1] = true;
        in.patrol = {QStringLiteral("Kim"), QStringLiteral("Kim")};
        in.candidates[0] = {QStringLiteral("Eggs")};
        in.candidates[1] = {QStringLiteral("Soup")};
        ScriptedRandom random;
        random.draws = {1, 1, 0, 0, 0, 0};
        QTextDocument text;
        RosterDocument document(&text);
        RosterComposition(random).compose(in, document);
        QCOMPARE(random.reseeds, 6);
        QVERIFY(random.draws.empty());
    }

    void rememberedScoutIsDrawnOneTimeInNSquared_data()
    {
        QTest::addColumn<int>("scouts");
        QTest::newRow("two scouts: 1/4") << 2;
        QTest::newRow("three scouts: 1/9") << 3;
    }
    void rememberedScoutIsDrawnOneTimeInNSquared()
    {
        QFETCH(int, scouts);
        FixedRosterInputs in;
        in.days[0] = true;
        in.meals[0] = true;
        for (int i = 0; i < scouts; ++i)
            in.patrol.append(QStringLiteral("Scout %1").arg(i));
        in.candidates[0] = {QStringLiteral("Eggs")};
        std::uint64_t seed = 20260611;
        ReseedingRandom random([&seed] { return seed += 7919; });
        const int runs = 4000;
        int firstScoutCooks = 0;
        QTextDocument text;
        RosterDocument document(&text);
        for (int run = 0; run < runs; ++run) {
            RosterComposition(random).compose(in, document);
            if (text.findBlockByNumber(5).text() == QStringLiteral("Cook: Scout 0"))
                ++firstScoutCooks;
        }
        // Binomial with p = 1/n^2 over 4000 runs: a standard deviation below 0.7 points;
        // the tolerance of 2.5 points is about four of them, and far from the 1/n of a fair draw.
        const double share = double(firstScoutCooks) / runs;
        const double expected = 1.0 / (scouts * scouts);
        QVERIFY2(qAbs(share - expected) < 0.025,
                 qPrintable(QStringLiteral("share %1, expected %2").arg(share).arg(expected)));
    }

    void clockSeedsAreNeverEqual()
    {
        ReseedingRandom random;
        std::set<std::uint64_t> seeds;
        std::uint64_t previous = random.lastSeed();
        for (int i = 0; i < 10000; ++i) {
            random.reseed();
            QVERIFY(random.lastSeed() > previous);
            previous = random.lastSeed();
        }
        // A stuck clock still gives a new seed every time.
        ReseedingRandom stuck([] { return std::uint64_t(42); });
        const std::uint64_t first = stuck.lastSeed();
        stuck.reseed();
        QCOMPARE(stuck.lastSeed(), first + 1);
    }

    void drawsStayInRange()
    {
        ReseedingRandom random;
        QCOMPARE(random.draw(0), 0);
        QCOMPARE(random.draw(1), 0);
        bool seen[5] = {};
        for (int i = 0; i < 500; ++i) {
            const int position = random.draw(5);
            QVERIFY(position >= 0 && position < 5);
            seen[position] = true;
        }
        for (bool s : seen)
            QVERIFY(s);
    }

    void appendBeyondCapacityFailsWhole()
    {
        QTextDocument text;
        RosterDocument document(&text, 16);
        document.appendLine(QStringLiteral("kept"));
        document.appendLine(
            QStringLiteral("1234\n123")); // 5 + 5 + 4 + the end: 15 of 16 characters
        try {
            document.appendLine(QStringLiteral("x"));
            QFAIL("no failure");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(), QStringLiteral("RichEdit line insertion error"));
        }
        QCOMPARE(text.toPlainText(), QStringLiteral("kept\n1234\n123\n"));
    }
};

QTEST_MAIN(TestRosterComposition)
#include "tst_rostercomposition.moc"
