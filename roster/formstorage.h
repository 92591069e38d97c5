#pragma once

#include "settingsfile.h"

#include <QObject>

class QAbstractButton;
class QWidget;

/// Keeps a dialog's window state and one check box in the settings file.
/// Attached to the dialog, it restores before each showing, saves on each
/// close, and saves once more when the dialog goes away unless a save has
/// succeeded since the last restore.
class FormStorage : public QObject {
    Q_OBJECT
public:
    FormStorage(QWidget* form, QAbstractButton* storedCheckBox, SettingsFile file = SettingsFile());

    /// Reads the file and applies what it holds. Never fails.
    void restore();
    /// Writes the file. Throws Failure("Unable to write to roster.ini").
    void save();
    /// The dialog is going away: saves unless a save succeeded since the last restore.
    void formDestroying();

    bool isSaved() const { return m_saved; }
    const SettingsFile& file() const { return m_file; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_form;
    QAbstractButton* m_checkBox;
    SettingsFile m_file;
    bool m_saved = false;
    bool m_restored = false;
    bool m_destroying = false;
};
