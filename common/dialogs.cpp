#include "dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Error:
        return QMessageBox::Critical;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

std::optional<QString> runFileDialog(QWidget* parent, const Dialogs::FileRequest& request,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

class RealDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& caption, const QString& text, Icon icon) override
    {
        QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, parent);
        box.exec();
    }

    std::optional<QString> inputQuery(QWidget* parent, const QString& title, const QString& prompt,
                                      int maxLength) override
    {
        QDialog dialog(parent);
        dialog.setWindowTitle(title);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(prompt, &dialog));
        auto* edit = new QLineEdit(&dialog);
        edit->setMaxLength(maxLength);
        edit->setMinimumWidth(260);
        layout->addWidget(edit);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        buttons->button(QDialogButtonBox::Ok)->setDefault(true);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(buttons);
        dialog.adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            dialog.move(screen->geometry().center() - dialog.rect().center());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return edit->text();
    }

    std::optional<QString> saveFileName(QWidget* parent, const FileRequest& request) override
    {
        return runFileDialog(parent, request, QFileDialog::AcceptSave);
    }

    std::optional<QString> openFileName(QWidget* parent, const FileRequest& request) override
    {
        return runFileDialog(parent, request, QFileDialog::AcceptOpen);
    }

    std::optional<PrintChoice> print(QWidget* parent, QPrinter& printer,
                                     const PrintRequest& request) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection |
                          QAbstractPrintDialog::PrintShowPageSize);
        dialog.setMinMax(request.minPage, request.maxPage);
        dialog.setFromTo(request.minPage, request.maxPage);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        PrintChoice choice;
        switch (dialog.printRange()) {
        case QAbstractPrintDialog::Selection:
            choice.range = PrintChoice::Range::Selection;
            break;
        case QAbstractPrintDialog::PageRange:
            choice.range = PrintChoice::Range::Pages;
            break;
        default:
            choice.range = PrintChoice::Range::All;
            break;
        }
        choice.fromPage = printer.fromPage();
        choice.toPage = printer.toPage();
        choice.copies = printer.copyCount();
        return choice;
    }

    int execDialog(QDialog& dialog) override { return dialog.exec(); }
};

RealDialogs& realDialogs()
{
    static RealDialogs dialogs;
    return dialogs;
}

Dialogs* installed = nullptr;

} // namespace

Dialogs::~Dialogs() = default;

Dialogs& Dialogs::instance() { return installed ? *installed : realDialogs(); }

void Dialogs::setInstance(Dialogs* dialogs) { installed = dialogs; }
