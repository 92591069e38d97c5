#include "dsnpanel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPainter>

TDsnPanel::TDsnPanel(QWidget* parent) : QFrame(parent) {}

void TDsnPanel::addButton(QAbstractButton* button, int groupIndex)
{
    button->setParent(this);
    button->resize(ButtonWidth, ButtonHeight);
    QButtonGroup*& group = m_groups[groupIndex];
    if (!group) {
        group = new QButtonGroup(this);
        group->setExclusive(true);
    }
    group->addButton(button);
    m_buttons.append(button);
}

void TDsnPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    // Outer bevel lowered, inner bevel raised.
    QPainter painter(this);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    painter.setPen(dark);
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(light);
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}
