#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

/// The settings file roster.ini: one section, "TForm3", holding the
/// Preferences dialog's window placement and its one preference. Read and
/// written through SimpleIni (case-insensitive keys, "key=value" without
/// spaces); keys of other sections and foreign keys stay as they are, and a
/// key that already exists keeps its place. Writing is atomic: a failed write
/// leaves the previous file intact.
class SettingsFile {
public:
    static constexpr const char* kFileName = "roster.ini";
    static constexpr const char* kSection = "TForm3";
    static constexpr const char* kPreferenceKey = "JvCheckBox1_Checked";

    /// What a restore applies to the dialog.
    struct Restored {
        /// The window state as a show command: 1 normal, 2 minimized, 3 maximized.
        int showState = 1;
        /// The preference as read; nullopt leaves the check box as it is.
        std::optional<bool> showWelcome;
    };

    /// What a save writes: the dialog's placement and the preference.
    struct Saved {
        int flags = 0;
        int showCmd = 1;
        int pixelsPerInch = 96;
        QSize screenSize;
        QPoint minPosition{-1, -1};
        QPoint maxPosition{-1, -1};
        QRect normalRect; ///< written as left, top, right, bottom (right and bottom exclusive)
        bool visible = false;
        bool showWelcome = true;
    };

    /// The file in the user's configuration folder.
    SettingsFile();
    explicit SettingsFile(QString path);

    const QString& path() const { return m_path; }

    /// Reads the file; never fails: a missing file, section or key gives the
    /// defaults. Returns nullopt when "FormVersion" is below 0: nothing is applied.
    std::optional<Restored> restore() const;

    /// Writes every key of the section. Throws Failure("Unable to write to roster.ini").
    void save(const Saved& values) const;

    /// The largest file read; a longer one counts as unreadable.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

private:
    QString m_path;
};
