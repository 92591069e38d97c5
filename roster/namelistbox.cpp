#include "namelistbox.h"

#include "namelist.h"

NameListBox::NameListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    // Soft bevel: lowered inside a raised outside.
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

QString NameListBox::entry(int position) const
{
    if (position < 0 || position >= count())
        throw listIndexError(position);
    return item(position)->text();
}

QStringList NameListBox::entries() const
{
    QStringList all;
    for (int i = 0; i < count(); ++i)
        all.append(item(i)->text());
    return all;
}

void NameListBox::append(const QString& text)
{
    auto* entry = new QListWidgetItem(text);
    entry->setSizeHint(QSize(0, kItemHeight));
    addItem(entry);
}

void NameListBox::deleteSelected()
{
    for (int i = count() - 1; i >= 0; --i) {
        if (item(i)->isSelected())
            delete takeItem(i);
    }
}
