#include "notebook.h"

#include <QApplication>

namespace {

bool takesTabFocus(const QWidget* widget)
{
    return !widget->focusProxy() && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled();
}

} // namespace

Notebook::Notebook(QWidget* parent) : QStackedWidget(parent) {}

QWidget* Notebook::addPage(const QString& caption)
{
    auto* page = new QWidget(this);
    page->setObjectName(caption);
    m_captions.append(caption);
    addWidget(page);
    return page;
}

void Notebook::setPageIndex(int index)
{
    if (index < 0 || index >= count() || index == currentIndex())
        return;
    QWidget* focus = QApplication::focusWidget();
    const bool focusInside = focus && isAncestorOf(focus);
    setCurrentIndex(index);
    if (focusInside) {
        if (QWidget* first = firstInTabOrder(currentWidget()))
            first->setFocus(Qt::TabFocusReason);
    }
}

QWidget* Notebook::firstInTabOrder(QWidget* page)
{
    // The focus chain is a cycle over the whole window; the page's first
    // control is the one whose nearest focusable predecessor lies outside the page.
    const auto candidates = page->findChildren<QWidget*>();
    for (QWidget* candidate : candidates) {
        if (!takesTabFocus(candidate) || !candidate->isVisibleTo(page))
            continue;
        QWidget* before = candidate->previousInFocusChain();
        while (before != candidate && !takesTabFocus(before))
            before = before->previousInFocusChain();
        if (before == candidate || !page->isAncestorOf(before) || !before->isVisibleTo(page))
            return candidate;
    }
    return nullptr;
}
