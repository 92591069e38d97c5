#include "inspectorfm.h"

#include "dsninspector.h"
#include "errorreport.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

TInspectorFm::TInspectorFm(TDsnInspector* inspector, QWidget* owner)
    : QWidget(owner,
              Qt::Tool | (inspector->StayOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags())),
      m_inspector(inspector)
{
    setObjectName(QStringLiteral("InspectorFm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(inspector->Caption);
    setGeometry(inspector->Position);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    m_grid = new QTableWidget(0, 2, this);
    m_grid->setHorizontalHeaderLabels({inspector->PropCp, inspector->ValueCp});
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->setColumnWidth(0, inspector->PropWid);
    m_grid->setColumnWidth(1, inspector->ValueWid);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setShowGrid(true);
    // Tab leaves the edit box (and so applies it) instead of walking the cells.
    m_grid->setTabKeyNavigation(false);
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);

    m_edit = new QLineEdit(m_grid->viewport());
    m_edit->installEventFilter(this);
    parkEditBox();
    connect(m_grid, &QTableWidget::cellPressed, this, [this](int row, int) { editRow(row); });
}

TInspectorFm::~TInspectorFm()
{
    // Going away is no reason to apply what the box holds.
    m_edit->removeEventFilter(this);
}

void TInspectorFm::fill(const QList<InspectorRows::Row>& rows)
{
    m_rows = rows;
    m_grid->setRowCount(int(rows.size()));
    int editedRow = -1;
    for (int row = 0; row < rows.size(); ++row) {
        m_grid->setItem(row, 0, new QTableWidgetItem(rows[row].property));
        m_grid->setItem(row, 1, new QTableWidgetItem(rows[row].value));
        if (rows[row].property == m_editing)
            editedRow = row;
    }
    if (editedRow >= 0) {
        placeEditBox(editedRow);
        m_edit->setText(rows[editedRow].value);
    } else {
        parkEditBox();
    }
}

void TInspectorFm::editRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_editing = m_rows[row].property;
    m_grid->setCurrentCell(row, 1);
    placeEditBox(row);
    m_edit->setText(m_rows[row].value);
    m_edit->selectAll();
    m_edit->setFocus(Qt::MouseFocusReason);
}

void TInspectorFm::placeEditBox(int row)
{
    const QRect cell = m_grid->visualItemRect(m_grid->item(row, 1));
    m_edit->setGeometry(QRect(cell.topLeft(), cell.size() + QSize(3, 3)));
    m_edit->setEnabled(true);
    m_edit->show();
}

void TInspectorFm::parkEditBox()
{
    m_editing.clear();
    m_edit->setGeometry(-200, -200, 100, 20);
    m_edit->setEnabled(false);
}

void TInspectorFm::applyEdit()
{
    // Applied only while the grid's current row still shows the property being edited.
    const int row = m_grid->currentRow();
    if (m_applying || m_editing.isEmpty() || row < 0 || row >= m_rows.size() ||
        m_rows[row].property != m_editing)
        return;
    m_applying = true;
    runHandler([this] { m_inspector->apply(m_editing, m_edit->text()); });
    m_applying = false;
}

bool TInspectorFm::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the window is handled once, as the window's deactivation.
    if (watched == m_edit && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
        applyEdit();
    return QWidget::eventFilter(watched, event);
}

void TInspectorFm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        applyEdit();
    QWidget::changeEvent(event);
}
