#pragma once

#include <QObject>
#include <QString>

class QWidget;

/// The save dialog component: its settings, and the file name it keeps from
/// one use to the next for the rest of the run.
class TSaveDialog : public QObject {
    Q_OBJECT
public:
    explicit TSaveDialog(QObject* parent = nullptr) : QObject(parent) {}

    QString Filter;     ///< in the file dialog's form, e.g. "Rich Text (*.rtf)"
    QString DefaultExt; ///< empty: a name typed without an extension stays so
    QString FileName;   ///< the last name chosen, offered the next time

    /// Shows the dialog; false when the user cancels. The name chosen goes to FileName.
    bool Execute(QWidget* parent);
};
