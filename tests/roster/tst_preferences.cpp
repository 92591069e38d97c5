#include "Unit2.h"
#include "Unit3.h"
#include "filecontents.h"
#include "formstorage.h"
#include "notebook.h"
#include "rosterprogram.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/roster.ini");
}

QByteArray settings()
{
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeSettings(const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
    writeFileContents(settingsPath(), bytes);
}

/// Opens the dialog from "Preferences..." and runs \a inside while it is shown.
void withDialogOpen(const std::function<void()>& inside)
{
    bool ran = false;
    QTimer::singleShot(0, Form3, [&] {
        ran = true;
        inside();
        if (Form3->isVisible()) // the close box, if \a inside left it open
            Form3->close();
    });
    Form1->Button2->click();
    QVERIFY(ran);
    QVERIFY(!Form3->isVisible());
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Patrolia"));
        QFile::remove(settingsPath());
        QDir(settingsPath()).removeRecursively();
    }
    void cleanup() { endRosterProgram(); }

    void firstStartOpensOnTheWelcomePageAndWritesAtTheEnd()
    {
        startRosterProgram();
        QCOMPARE(Form1->Notebook1->pageIndex(), 0);
        QVERIFY(Form3->JvCheckBox1->isChecked());
        QVERIFY(!Form3->isVisible());
        QVERIFY(!QFile::exists(settingsPath()));
        endRosterProgram();
        const QByteArray file = settings();
        QVERIFY(file.startsWith("[TForm3]\nFormVersion=0\nFlags=0\nShowCmd=1\n"));
        QVERIFY(file.contains("\nVisible=1\nJvCheckBox1_Checked=True\n"));
    }

    void startsOnPageOneWhenTheFileSaysSo_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("page");
        QTest::newRow("False") << QByteArray("[TForm3]\nJvCheckBox1_Checked=False\n") << 1;
        QTest::newRow("false") << QByteArray("[TForm3]\nJvCheckBox1_Checked=false\n") << 1;
        QTest::newRow("0 is ignored") << QByteArray("[TForm3]\nJvCheckBox1_Checked=0\n") << 0;
        QTest::newRow("FormVersion -1")
            << QByteArray("[TForm3]\nFormVersion=-1\nJvCheckBox1_Checked=False\n") << 0;
    }
    void startsOnPageOneWhenTheFileSaysSo()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, page);
        writeSettings(content);
        startRosterProgram();
        QCOMPARE(Form1->Notebook1->pageIndex(), page);
    }

    void everyCloseSaves_data()
    {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK") << true;
        QTest::newRow("close box") << false;
    }
    void everyCloseSaves()
    {
        QFETCH(bool, byOk);
        startRosterProgram();
        withDialogOpen([&] {
            QVERIFY(Form3->isVisible());
            Form3->JvCheckBox1->setChecked(false);
            if (byOk)
                Form3->JvButton1->click();
        });
        QVERIFY(settings().contains("\nVisible=0\nJvCheckBox1_Checked=False\n"));
        QVERIFY(settings().contains("NormPos="));

        // Ending the program writes nothing more: a save succeeded since the last restore.
        writeSettings("[TForm3]\nJvCheckBox1_Checked=False\nmarker=1\n");
        endRosterProgram();
        QCOMPARE(settings(), QByteArray("[TForm3]\nJvCheckBox1_Checked=False\nmarker=1\n"));

        startRosterProgram();
        QCOMPARE(Form1->Notebook1->pageIndex(), 1);
        // "New Roster" goes to the welcome page whatever the preference says.
        Form1->Button1->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 0);
    }

    void eachShowingRestoresFromTheFile()
    {
        startRosterProgram();
        writeSettings("[TForm3]\nJvCheckBox1_Checked=False\n");
        withDialogOpen([] { QVERIFY(!Form3->JvCheckBox1->isChecked()); });
    }

    void escapeDoesNotCloseAndEnterOnlyOnOk()
    {
        startRosterProgram();
        withDialogOpen([] {
            Form3->JvCheckBox1->setFocus();
            QTest::keyClick(Form3, Qt::Key_Escape);
            QVERIFY(Form3->isVisible());
            QTest::keyClick(Form3->JvCheckBox1, Qt::Key_Return);
            QVERIFY(Form3->isVisible());
            Form3->JvButton1->setFocus();
            QTest::keyClick(Form3->JvButton1, Qt::Key_Return);
            QVERIFY(!Form3->isVisible());
        });
    }

    void unwritableFileIsReportedAndRetriedAtTheEnd()
    {
        ScriptedDialogs dialogs;
        startRosterProgram();
        QVERIFY(QDir().mkpath(settingsPath())); // a folder where the file should be
        withDialogOpen([] { Form3->JvCheckBox1->setChecked(false); });
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Unable to write to roster.ini."));
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Patrolia"));
        QVERIFY(!Form3->JvFormStorage1->isSaved());
        endRosterProgram();
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(dialogs.messages[1].text, QStringLiteral("Unable to write to roster.ini."));
    }
};

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
