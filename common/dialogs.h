#pragma once

#include <QString>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

/// The one seam through which the programs open modal dialogs: message boxes,
/// the one-line input prompt, the file dialogs and the print dialog. The real
/// dialogs are used unless a test installs its own answers with setInstance().
class Dialogs {
public:
    enum class Icon { None, Information, Error };

    struct FileRequest {
        QString filter;        ///< e.g. "Rich Text (*.rtf)"; ";;" separates entries
        QString defaultSuffix; ///< added to a name typed without one; empty adds nothing
        QString fileName;      ///< the name offered at start
        bool mustExist = true; ///< open dialogs only: refuse names of missing files
    };

    struct PrintRequest {
        int minPage = 1;
        int maxPage = 1;
    };

    struct PrintChoice {
        enum class Range { All, Selection, Pages };
        Range range = Range::All;
        int fromPage = 1;
        int toPage = 1;
        int copies = 1;
    };

    virtual ~Dialogs();

    /// A message box with an OK button.
    virtual void message(QWidget* parent, const QString& caption, const QString& text, Icon icon) = 0;
    /// The one-line input prompt; nullopt when cancelled.
    virtual std::optional<QString> inputQuery(QWidget* parent, const QString& title,
                                              const QString& prompt, int maxLength) = 0;
    /// File dialogs; nullopt when cancelled, otherwise the full path as chosen.
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) = 0;
    /// The print dialog over \a printer (which it may reconfigure); nullopt when cancelled.
    virtual std::optional<PrintChoice> print(QWidget* parent, QPrinter& printer,
                                             const PrintRequest& request) = 0;

    /// Runs one of the program's own windows (\a dialog) modally; its result code.
    virtual int execDialog(QDialog& dialog) = 0;

    /// The dialogs in use: the real ones unless a test installed others.
    static Dialogs& instance();
    /// Installs \a dialogs (not owned); nullptr restores the real dialogs.
    static void setInstance(Dialogs* dialogs);
};
