#pragma once

#include <QComboBox>

/// An editable drop-down of suggestions with type-ahead completion: after each
/// edit of the text field (but not after Backspace or Delete), the text is
/// completed to the first item, in list order, that begins with it (case
/// ignored), and the completed part is selected.
///
/// It offers its text (fed()) when the user picks an item from the list, or
/// presses Enter in the text field: the text as it then stands. The mouse wheel
/// picks items only while the combo has the focus, so that a wheel turned in
/// passing feeds nothing.
class SuggestionCombo : public QComboBox {
    Q_OBJECT
public:
    explicit SuggestionCombo(const QStringList& items, QWidget* parent = nullptr);

    static QString initialText() { return QStringLiteral("Suggestions"); }
    /// Shows "Suggestions" with no item selected.
    void reset();

signals:
    void fed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void complete(const QString& typed);

    bool m_deleting = false;
};
