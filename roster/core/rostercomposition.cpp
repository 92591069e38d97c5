#include "rostercomposition.h"

#include "randomsource.h"
#include "rosterdocument.h"
#include "rosterinputs.h"

const char* const RosterComposition::kDayNames[kDays] = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const RosterComposition::kMealHeaders[kMeals] = {"[Breakfast]", "[Lunch]", "[Dinner]"};

RosterComposition::RosterComposition(RandomSource& random) : m_random(random) {}

int RosterComposition::drawScout(const RosterInputs& inputs, int rememberedCleanup)
{
    const int count = inputs.scoutCount();
    m_random.reseed();
    int position = m_random.draw(count);
    // The scout who cleaned up last is drawn once more, without a reseed;
    // whatever the second draw gives is kept.
    if (position == rememberedCleanup)
        position = m_random.draw(count);
    return position;
}

void RosterComposition::compose(RosterInputs& inputs, RosterDocument& document)
{
    using Style = RosterDocument::Style;
    const auto dayLine = [&](int day) {
        document.setStyle(RosterDocument::Bold);
        document.appendLine(QLatin1String(kDayNames[day]));
        document.setStyle(Style());
    };
    // One block for each ticked meal of a day: its header, what \a body writes, a blank line.
    const auto mealBlocks = [&](const auto& body) {
        for (int meal = 0; meal < kMeals; ++meal) {
            if (!inputs.isMealTicked(meal))
                continue;
            document.appendLine(QLatin1String(kMealHeaders[meal]));
            body(meal);
            document.appendLine(QString());
        }
    };

    document.clear();
    inputs.turnPage();

    document.setStyle(document.style() | RosterDocument::Bold);
    document.appendLine(inputs.title());
    document.appendLine(QString());

    // Duty section.
    int rememberedCleanup = 0;
    for (int day = 0; day < kDays; ++day) {
        if (!inputs.isDayTicked(day))
            continue;
        document.appendLine(QString());
        dayLine(day);
        mealBlocks([&](int) {
            const int cook = drawScout(inputs, rememberedCleanup);
            document.appendLine(QStringLiteral("Cook: ") + inputs.scout(cook));
            const int cleanup = drawScout(inputs, rememberedCleanup);
            document.appendLine(QStringLiteral("Cleanup: ") + inputs.scout(cleanup));
            rememberedCleanup = cleanup;
        });
    }

    // Meals section: only Sunday's block opens with a blank line.
    document.setStyle(RosterDocument::Underline);
    document.appendLine(QStringLiteral("Meals"));
    for (int day = 0; day < kDays; ++day) {
        if (!inputs.isDayTicked(day))
            continue;
        if (day == 0)
            document.appendLine(QString());
        dayLine(day);
        mealBlocks([&](int meal) {
            m_random.reseed();
            const int drawn = m_random.draw(inputs.candidateCount(meal));
            document.appendLine(inputs.candidate(meal, drawn));
        });
    }
    document.appendLine(QString());

    document.setStyle(RosterDocument::Underline);
    document.appendLine(QStringLiteral("Snacks"));
    document.setStyle(Style());
    document.appendLine(inputs.snacks());
    document.appendLine(QString());

    document.setStyle(RosterDocument::Underline);
    document.appendLine(QStringLiteral("Drinks"));
    document.setStyle(Style());
    document.appendLine(inputs.drinks());
}
