#pragma once

#include <QStackedWidget>
#include <QStringList>

/// A notebook: pages without tabs, one shown at a time, addressed by index.
class Notebook : public QStackedWidget {
    Q_OBJECT
public:
    explicit Notebook(QWidget* parent = nullptr);

    /// Adds an empty page; its caption only names it and is never shown.
    QWidget* addPage(const QString& caption);
    QString pageCaption(int index) const { return m_captions.value(index); }

    int pageIndex() const { return currentIndex(); }
    /// Shows page \a index. A request for the current page or for an index
    /// outside 0..count-1 is ignored. When the keyboard focus is on a control
    /// of the notebook, it moves to the first control of the new page in tab order.
    void setPageIndex(int index);

    /// The first control of \a page that takes the focus by Tab, or nullptr.
    static QWidget* firstInTabOrder(QWidget* page);

private:
    QStringList m_captions;
};
