// The roster composition into a text document: a week of three meals with a
// patrol of 30 (target: under 2 ms), and the same with 5,000-line snacks and
// drinks memos (target: under 50 ms). Medians of repeated runs.
#include "benchmain.h"
#include "namelist.h"
#include "randomsource.h"
#include "rostercomposition.h"
#include "rosterdocument.h"
#include "rosterinputs.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

struct WeekInputs final : RosterInputs {
    QStringList patrol, candidates[3];
    QString snacksText, drinksText;

    explicit WeekInputs(int memoLines)
    {
        for (int i = 0; i < 30; ++i)
            patrol.append(QStringLiteral("Scout Number %1").arg(i));
        for (auto& list : candidates)
            for (int i = 0; i < 10; ++i)
                list.append(QStringLiteral("Camp Meal %1").arg(i));
        QStringList snacks, drinks;
        for (int i = 0; i < memoLines; ++i) {
            snacks.append(QStringLiteral("Trail mix and apples, bag %1").arg(i));
            drinks.append(QStringLiteral("Cocoa or water, bottle %1").arg(i));
        }
        snacksText = snacks.join(QLatin1Char('\n'));
        drinksText = drinks.join(QLatin1Char('\n'));
    }
    static QString read(const QStringList& list, int position)
    {
        if (position < 0 || position >= list.size())
            throw listIndexError(position);
        return list[position];
    }
    QString title() const override { return QStringLiteral("The Cool Patrol's Roster"); }
    bool isDayTicked(int) const override { return true; }
    bool isMealTicked(int) const override { return true; }
    int scoutCount() const override { return int(patrol.size()); }
    QString scout(int position) const override { return read(patrol, position); }
    int candidateCount(int meal) const override { return int(candidates[meal].size()); }
    QString candidate(int meal, int position) const override
    {
        return read(candidates[meal], position);
    }
    QString snacks() const override { return snacksText; }
    QString drinks() const override { return drinksText; }
    void turnPage() override {}
};

void compose(benchmark::State& state, int memoLines)
{
    WeekInputs inputs(memoLines);
    QTextDocument text;
    RosterDocument document(&text);
    RosterComposition composition(processRandom());
    for (auto _ : state) {
        composition.compose(inputs, document);
        benchmark::DoNotOptimize(text.blockCount());
    }
}

void BM_ComposeWeekOf30Scouts(benchmark::State& state)
{
    compose(state, 1);
}
void BM_ComposeWeekWith5000LineMemos(benchmark::State& state)
{
    compose(state, 5000);
}

} // namespace

BENCHMARK(BM_ComposeWeekOf30Scouts)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ComposeWeekWith5000LineMemos)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
