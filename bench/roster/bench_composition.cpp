// The roster composition into a text document: a week of three meals with a
// patrol of 30 (target: under 2 ms), and the same with 5,000-line snacks and
// drinks memos (target: under 50 ms). Medians of repeated runs.
#include "benchmain.h"
#include "fixedrosterinputs.h"
#include "randomsource.h"
#include "rostercomposition.h"
#include "rosterdocument.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>

namespace {

/// A week of three meals, each with ten candidates, for a patrol of 30, with snacks and
/// drinks memos of \a memoLines lines.
FixedRosterInputs weekInputs(int memoLines)
{
    FixedRosterInputs inputs;
    inputs.titleText = QStringLiteral("The Cool Patrol's Roster");
    std::fill(std::begin(inputs.days), std::end(inputs.days), true);
    std::fill(std::begin(inputs.meals), std::end(inputs.meals), true);
    for (int i = 0; i < 30; ++i)
        inputs.patrol.append(QStringLiteral("Scout Number %1").arg(i));
    for (auto& list : inputs.candidates)
        for (int i = 0; i < 10; ++i)
            list.append(QStringLiteral("Camp Meal %1").arg(i));
    QStringList snacks, drinks;
    for (int i = 0; i < memoLines; ++i) {
        snacks.append(QStringLiteral("Trail mix and apples, bag %1").arg(i));
        drinks.append(QStringLiteral("Cocoa or water, bottle %1").arg(i));
    }
    inputs.snacksText = snacks.join(QLatin1Char('\n'));
    inputs.drinksText = drinks.join(QLatin1Char('\n'));
    return inputs;
}

void compose(benchmark::State& state, int memoLines)
{
    FixedRosterInputs inputs = weekInputs(memoLines);
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
