// The wizard's output buttons: "Save this Document..." (BitBtn2) and
// "Print/Preview this document" (BitBtn1).
#include "Unit2.h"
#include "noprinter.h"
#include "previewform.h"
#include "previewprinter.h"
#include "rosterdocument.h"
#include "savedialog.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

class TestRosterOutput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Patrolia"));
        withoutPrinters();
    }
    void init()
    {
        Form1 = new TForm1;
        RosterDocument roster(Form1->JvxRichEdit1->document());
        roster.setStyle(RosterDocument::Bold);
        roster.appendLine(QStringLiteral("Trail Patrol Roster"));
        roster.setStyle({});
        for (int i = 1; i <= 120; ++i)
            roster.appendLine(QStringLiteral("Snack %1: trail mix").arg(i));
    }
    void cleanup()
    {
        delete Form1;
        Form1 = nullptr;
    }

    void saveAsksOnceAndRemembersTheName()
    {
        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("roster")); // no extension: none is added
        dialogs.saveAnswers.push_back(name);
        dialogs.saveAnswers.push_back(std::nullopt);
        QTest::mouseClick(Form1->BitBtn2, Qt::LeftButton);
        QCOMPARE(dialogs.saveRequests.size(), 1);
        QCOMPARE(dialogs.saveRequests[0].filter, QStringLiteral("Rich Text (*.rtf)"));
        QCOMPARE(dialogs.saveRequests[0].defaultSuffix, QString());
        QCOMPARE(dialogs.saveRequests[0].fileName, QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("roster")});
        QFile saved(name);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray rtf = saved.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("\\b Trail Patrol Roster}"));
        saved.close();

        // Cancelled: the name is offered again, and nothing is written.
        QVERIFY(QFile::remove(name));
        QTest::mouseClick(Form1->BitBtn2, Qt::LeftButton);
        QCOMPARE(dialogs.saveRequests.size(), 2);
        QCOMPARE(dialogs.saveRequests[1].fileName, name);
        QVERIFY(!QFile::exists(name));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void aSaveThatFailsIsReportedInTheErrorBox()
    {
        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("gone/roster.rtf"));
        dialogs.saveAnswers.push_back(name);
        QTest::mouseClick(Form1->BitBtn2, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Patrolia"));
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("Cannot create file \"%1\". No such file or directory.").arg(name));
    }

    void previewShowsTheDocumentAsEdited()
    {
        ScriptedDialogs dialogs;
        QString label;
        dialogs.dialogAnswers.push_back([&](QDialog& dialog) {
            label = dynamic_cast<TPreviewForm&>(dialog).CurPageLabel->text();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
        const int pages = Form1->PreviewPrinter1->PageCount();
        QVERIFY(pages >= 2);
        QCOMPARE(label, QStringLiteral("Page 1 of %1").arg(pages));

        // The user cuts the roster down to one line and previews again: the old pages are gone.
        QTextCursor cursor(Form1->JvxRichEdit1->document());
        cursor.movePosition(QTextCursor::NextBlock);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.insertText(QStringLiteral("Edited"));
        dialogs.dialogAnswers.push_back([&](QDialog& dialog) {
            label = dynamic_cast<TPreviewForm&>(dialog).CurPageLabel->text();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
        QCOMPARE(label, QStringLiteral("Page 1 of 1"));
        QStringList texts;
        for (const PageRecording::Command& command : Form1->PreviewPrinter1->page(0).commands()) {
            if (const auto* text = std::get_if<PageRecording::Text>(&command))
                texts << text->text;
        }
        QCOMPARE(texts,
                 (QStringList{TTextOptions::creditLine(), QStringLiteral("Trail Patrol Roster"),
                              QStringLiteral("Edited")}));
        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestRosterOutput)
#include "tst_rosteroutput.moc"
