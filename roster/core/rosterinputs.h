#pragma once

#include <QString>

/// What the roster composition reads from the wizard, at the moment it needs it.
/// Days run Sunday (0) to Saturday (6); meals are Breakfast (0), Lunch (1), Dinner (2).
/// Reading an entry at a position outside its list throws
/// Failure("List index out of bounds (<position>)") (see listIndexError()).
class RosterInputs {
public:
    virtual ~RosterInputs() = default;

    virtual QString title() const = 0;
    virtual bool isDayTicked(int day) const = 0;
    virtual bool isMealTicked(int meal) const = 0;

    /// The patrol: scouts by position from 0.
    virtual int scoutCount() const = 0;
    virtual QString scout(int position) const = 0;

    /// The candidate meals of one meal type, by position from 0.
    virtual int candidateCount(int meal) const = 0;
    virtual QString candidate(int meal, int position) const = 0;

    /// The memos' whole texts, line breaks included.
    virtual QString snacks() const = 0;
    virtual QString drinks() const = 0;

    /// Asks the wizard for its next page; a request past the last page is ignored.
    virtual void turnPage() = 0;
};
