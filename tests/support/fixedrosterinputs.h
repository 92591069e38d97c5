#pragma once

#include "namelist.h"
#include "rosterinputs.h"

#include <QString>
#include <QStringList>

/// Roster inputs held in plain fields, as a test or benchmark sets them; a
/// position outside a list fails as the wizard's lists do.
struct FixedRosterInputs final : RosterInputs {
    QString titleText = QStringLiteral("Trail Patrol Roster");
    bool days[7] = {};
    bool meals[3] = {};
    QStringList patrol;
    QStringList candidates[3];
    QString snacksText, drinksText;
    int pageTurns = 0;

    static QString read(const QStringList& list, int position)
    {
        if (position < 0 || position >= list.size())
            throw listIndexError(position);
        return list[position];
    }
    QString title() const override { return titleText; }
    bool isDayTicked(int day) const override { return days[day]; }
    bool isMealTicked(int meal) const override { return meals[meal]; }
    int scoutCount() const override { return int(patrol.size()); }
    QString scout(int position) const override { return read(patrol, position); }
    int candidateCount(int meal) const override { return int(candidates[meal].size()); }
    QString candidate(int meal, int position) const override
    {
        return read(candidates[meal], position);
    }
    QString snacks() const override { return snacksText; }
    QString drinks() const override { return drinksText; }
    void turnPage() override { ++pageTurns; }
};
