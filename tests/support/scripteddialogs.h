#pragma once

#include "dialogs.h"

#include <QDialog>
#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

/// Test answers for the dialog seam. Each kind of dialog takes its answers from
/// a queue, in order; a dialog asked with an empty queue counts as cancelled.
/// Every call is recorded. Installs itself for its lifetime.
class ScriptedDialogs final : public Dialogs {
public:
    struct Message {
        QString caption;
        QString text;
        Icon icon;
    };
    struct Prompt {
        QString title;
        QString prompt;
        int maxLength;
    };

    std::deque<std::optional<QString>> inputAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<PrintChoice>> printAnswers;
    /// Each answers one window run with execDialog: it may look at and fill in
    /// the window, and returns its result code.
    std::deque<std::function<int(QDialog&)>> dialogAnswers;
    /// Called with the printer before each print answer, standing for what the
    /// user changes in the print dialog (another orientation, another printer).
    std::function<void(QPrinter&)> printSetup;

    QList<Message> messages;
    QList<Prompt> prompts;
    QList<FileRequest> saveRequests;
    QList<FileRequest> openRequests;
    QList<PrintRequest> printRequests;
    QStringList dialogTitles;

    ScriptedDialogs() { Dialogs::setInstance(this); }
    ~ScriptedDialogs() override { Dialogs::setInstance(nullptr); }

    void message(QWidget*, const QString& caption, const QString& text, Icon icon) override
    {
        messages.append({caption, text, icon});
    }

    std::optional<QString> inputQuery(QWidget*, const QString& title, const QString& prompt,
                                      int maxLength) override
    {
        prompts.append({title, prompt, maxLength});
        return next(inputAnswers);
    }

    std::optional<QString> saveFileName(QWidget*, const FileRequest& request) override
    {
        saveRequests.append(request);
        return next(saveAnswers);
    }

    std::optional<QString> openFileName(QWidget*, const FileRequest& request) override
    {
        openRequests.append(request);
        return next(openAnswers);
    }

    std::optional<PrintChoice> print(QWidget*, QPrinter& printer, const PrintRequest& request) override
    {
        printRequests.append(request);
        if (printSetup)
            printSetup(printer);
        return next(printAnswers);
    }

    int execDialog(QDialog& dialog) override
    {
        dialogTitles.append(dialog.windowTitle());
        if (dialogAnswers.empty())
            return QDialog::Rejected;
        const auto answer = std::move(dialogAnswers.front());
        dialogAnswers.pop_front();
        return answer(dialog);
    }

private:
    template <class T>
    static std::optional<T> next(std::deque<std::optional<T>>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        std::optional<T> answer;
        answer.swap(answers.front());
        answers.pop_front();
        return answer;
    }
};
