#pragma once

#include "inspectorfm.h"
#include "inspectorrows.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class QWidget;
class TDsn8Register;

/// The property inspector: while design mode is on it shows the "Object
/// Inspector" tool window listing the caption, height, left, top and width of
/// the selected objects, and applies the values the user types to all of them.
class TDsnInspector : public QObject {
    Q_OBJECT
public:
    explicit TDsnInspector(QWidget* window);
    ~TDsnInspector() override;

    QString Caption = QStringLiteral("Object Inspector");
    QRect Position{15, 50, 230, 400};
    bool StayOnTop = true;
    QString PropCp = QStringLiteral("Properties");
    QString ValueCp = QStringLiteral("Values");
    int PropWid = 80;
    int ValueWid = 100;

    void setDesigner(TDsn8Register* designer) { m_designer = designer; }
    /// The tool window while design mode is on, else nullptr.
    TInspectorFm* form() const { return m_form; }

    // Notifications from the designer.
    void designModeChanged(bool on);
    /// An object was added to or removed from the selection, or it was emptied.
    void selectionChanged();
    /// The selected objects moved or were resized.
    void selectionModified();

    /// Applies \a text to \a property of every selected object, in selection
    /// order; then has the designer refresh its handles, and refills the grid.
    /// A text that is no integer fails with "<text> is illegal (<property>)".
    void apply(const QString& property, const QString& text);

private:
    void refill();

    QWidget* m_window;
    TDsn8Register* m_designer = nullptr;
    QPointer<TInspectorFm> m_form;
};
