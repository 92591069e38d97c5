#include "suggestioncombo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

SuggestionCombo::SuggestionCombo(const QStringList& items, QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(items.size());
    addItems(items);
    lineEdit()->setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    reset();

    connect(this, &QComboBox::activated, this, &SuggestionCombo::fed);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_deleting)
            complete(text);
        m_deleting = false;
    });
}

void SuggestionCombo::reset()
{
    setCurrentIndex(-1);
    setEditText(initialText());
}

bool SuggestionCombo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit fed();
            return true;
        }
        m_deleting = key == Qt::Key_Backspace || key == Qt::Key_Delete;
    }
    return QComboBox::eventFilter(watched, event);
}

void SuggestionCombo::complete(const QString& typed)
{
    if (typed.isEmpty())
        return;
    for (int i = 0; i < count(); ++i) {
        const QString item = itemText(i);
        if (item.startsWith(typed, Qt::CaseInsensitive)) {
            QLineEdit* edit = lineEdit();
            edit->setText(item);
            edit->setSelection(typed.size(), item.size() - typed.size());
            return;
        }
    }
}

void SuggestionCombo::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}
