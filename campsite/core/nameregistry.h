#pragma once

#include <QHash>
#include <QSet>
#include <QString>

/// The names borne by the named parts of the campsite window: its own controls
/// and components and every campsite object. Names are compared without regard
/// to case.
///
/// A name made of a word and a number ("Image12") is also filed under its word,
/// so the smallest free number of a word is found without trying 1, 2, 3, ...
/// each time: the search resumes where the last one ended, which keeps a load
/// of many objects linear.
class NameRegistry {
public:
    bool contains(const QString& name) const;
    /// Files \a name; a name already filed stays filed once.
    void add(const QString& name);
    void remove(const QString& name);
    int size() const { return int(m_names.size()); }

    /// \a word followed by the smallest whole number from 1 upward that no
    /// filed name bears ("Label2" while "Label1" is filed). Files nothing.
    QString firstFreeName(const QString& word) const;

private:
    struct Numbers {
        QSet<int> taken;
        int firstFree = 1; ///< no number below it is free
    };
    static bool split(const QString& folded, QString* word, int* number);

    QSet<QString> m_names;                     ///< case-folded
    mutable QHash<QString, Numbers> m_numbers; ///< by case-folded word
};
