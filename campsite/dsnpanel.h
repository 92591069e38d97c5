#pragma once

#include <QFrame>
#include <QHash>
#include <QList>

class QAbstractButton;
class QButtonGroup;

/// The palette: a bevelled panel holding the arrow button and the palette
/// buttons. Buttons of one group index are one radio group: exactly one is
/// down, and pressing the one that is down leaves it down.
class TDsnPanel : public QFrame {
    Q_OBJECT
public:
    explicit TDsnPanel(QWidget* parent = nullptr);

    int ButtonWidth = 90;
    int ButtonHeight = 25;

    /// Places \a button on the panel in the radio group \a groupIndex.
    void addButton(QAbstractButton* button, int groupIndex);
    QList<QAbstractButton*> buttons() const { return m_buttons; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QAbstractButton*> m_buttons;
    QHash<int, QButtonGroup*> m_groups;
};
