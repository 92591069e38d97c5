#include "dsninspector.h"

#include "dsn8register.h"
#include "inspectorfm.h"

#include <QWidget>

TDsnInspector::TDsnInspector(QWidget* window) : QObject(window), m_window(window) {}

TDsnInspector::~TDsnInspector()
{
    delete m_form;
}

void TDsnInspector::designModeChanged(bool on)
{
    delete m_form;
    if (!on)
        return;
    m_form = new TInspectorFm(this, m_window);
    m_form->fill({});
    m_form->show();
}

void TDsnInspector::selectionChanged()
{
    refill();
}

void TDsnInspector::selectionModified()
{
    refill();
}

void TDsnInspector::refill()
{
    if (!m_form || !m_designer)
        return;
    m_form->fill(InspectorRows::rowsFor(m_designer->selectedObjects()));
    if (m_form->isHidden())
        m_form->show();
}

void TDsnInspector::apply(const QString& property, const QString& text)
{
    if (!m_designer)
        return;
    InspectorRows::apply(m_designer->selectedObjects(), property, text, m_window->font());
    m_designer->refresh();
}
