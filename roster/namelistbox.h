#pragma once

#include <QListWidget>

/// A name list shown as a list box: entries in the order they were added,
/// duplicates and empty entries allowed, several selectable at once.
class NameListBox : public QListWidget {
    Q_OBJECT
public:
    explicit NameListBox(QWidget* parent = nullptr);

    int entryCount() const { return count(); }
    /// The entry at \a position; throws Failure("List index out of bounds (position)").
    QString entry(int position) const;
    QStringList entries() const;

    void append(const QString& text);
    /// Removes every selected entry, from the last to the first.
    void deleteSelected();

    static constexpr int kItemHeight = 13;
};
