#pragma once

#include "rosterdocument.h"

#include <QTextDocument>

/// A roster long enough for \a pages pages of about 65 lines (in the default font): a title, the
/// duty lines, and long snack and drink lists.
inline void fillLongRoster(QTextDocument& document, int pages)
{
    RosterDocument roster(&document);
    roster.clear();
    roster.setStyle(RosterDocument::Bold | RosterDocument::Underline);
    roster.appendLine(QStringLiteral("Eagle Patrol: Spring Campout"));
    const int lines = pages * 65;
    for (int i = 0; i < lines; ++i) {
        if (i % 25 == 0) {
            roster.setStyle(RosterDocument::Bold);
            roster.appendLine(i < lines / 2 ? QStringLiteral("Snacks") : QStringLiteral("Drinks"));
        }
        roster.setStyle(i % 7 == 0 ? RosterDocument::Italic : RosterDocument::Style{});
        roster.appendLine(
            QStringLiteral("%1 %2: trail mix, apples, granola bars, cheese crackers")
                .arg(i)
                .arg(i < lines / 2 ? QStringLiteral("snack") : QStringLiteral("drink")));
    }
}
