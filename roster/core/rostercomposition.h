#pragma once

class RandomSource;
class RosterDocument;
class RosterInputs;

/// Composes the roster: the title, a duty section naming a cook and a cleanup
/// scout for every ticked meal of every ticked day, a menu drawing one meal of
/// each ticked meal type per ticked day, and the snacks and drinks.
///
/// It checks nothing and catches nothing: a failure (an empty list read at
/// position 0, a document that cannot take an append) stops it at once and
/// leaves the lines appended so far in the document.
class RosterComposition {
public:
    explicit RosterComposition(RandomSource& random);

    void compose(RosterInputs& inputs, RosterDocument& document);

    static constexpr int kDays = 7;
    static constexpr int kMeals = 3;
    static const char* const kDayNames[kDays];
    static const char* const kMealHeaders[kMeals];

private:
    int drawScout(const RosterInputs& inputs, int rememberedCleanup);

    RandomSource& m_random;
};
