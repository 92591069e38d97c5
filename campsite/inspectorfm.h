#pragma once

#include "inspectorrows.h"

#include <QWidget>

class QLineEdit;
class QTableWidget;
class TDsnInspector;

/// The inspector's tool window: a grid of property names and values with one
/// edit box over the value cell being edited. A typed value is applied when the
/// box loses the focus or the window stops being the active one.
class TInspectorFm : public QWidget {
    Q_OBJECT
public:
    TInspectorFm(TDsnInspector* inspector, QWidget* owner);
    ~TInspectorFm() override;

    /// One row per property after the heading row. The edit box stays over the
    /// property being edited (showing its new value, not taking the focus) if
    /// it is still among the rows; otherwise it is put away.
    void fill(const QList<InspectorRows::Row>& rows);

    QTableWidget* grid() const { return m_grid; }
    QLineEdit* editBox() const { return m_edit; }
    /// The property whose value the edit box shows; empty when none is edited.
    QString editedProperty() const { return m_editing; }
    /// Starts editing the row \a row: the edit box over its value cell, with
    /// all its text selected, and the focus.
    void editRow(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeEditBox(int row);
    void parkEditBox();
    void applyEdit();

    TDsnInspector* m_inspector;
    QTableWidget* m_grid;
    QLineEdit* m_edit;
    QList<InspectorRows::Row> m_rows;
    QString m_editing;
    bool m_applying = false;
};
