#include "Unit2.h"
#include "Unit3.h"
#include "namelistbox.h"
#include "notebook.h"
#include "rosterprogram.h"
#include "scripteddialogs.h"
#include "suggestioncombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

namespace {

QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/roster.ini");
}

QStringList splashLog()
{
    QFile log(QString::fromLocal8Bit(qgetenv("FERNWICK_SPLASH_LOG")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void pick(SuggestionCombo* combo, const QString& item)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(view->model()->index(combo->findText(item), 0));
    QTest::keyClick(view, Qt::Key_Return);
}

} // namespace

class TestWizard : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Patrolia"));
        QFile::remove(settingsPath());
        QFile::remove(QString::fromLocal8Bit(qgetenv("FERNWICK_SPLASH_LOG")));
        startRosterProgram();
    }
    void cleanup() { endRosterProgram(); }

    void startsOnTheWelcomePageWithItsValues()
    {
        QCOMPARE(Form1->size(), QSize(521, 333));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Patrolia"));
        QCOMPARE(Form1->Notebook1->pageIndex(), 0);
        QCOMPARE(Form1->Notebook1->count(), 5);
        QCOMPARE(Form1->Notebook1->pageCaption(4), QStringLiteral("fourth4"));
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("The Cool Patrol's Roster"));
        for (SuggestionCombo* combo : {Form1->JvComboBox1, Form1->JvComboBox2, Form1->JvComboBox3,
                                       Form1->JvComboBox4, Form1->JvComboBox5}) {
            QCOMPARE(combo->currentText(), QStringLiteral("Suggestions"));
            QCOMPARE(combo->currentIndex(), -1);
        }
        QCOMPARE(Form1->JvComboBox3->count(), 11);
        QCOMPARE(Form1->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(Form1->JvxRichEdit1->document()->defaultFont().family(),
                 QStringLiteral("Times New Roman"));
        QCOMPARE(Form1->SpeedButton3->toolTip(), QStringLiteral("Add a Scout Name..."));
        QCOMPARE(Form1->SpeedButton3->focusPolicy(), Qt::NoFocus);
        QVERIFY(!Form1->BitBtn3->icon().isNull());
        QVERIFY(!Form1->Image1->pixmap().isNull());
        QCOMPARE(Form1->Image1->pixmap().size(), QSize(179, 180));
        QCOMPARE(Form1->Image2->pixmap().size(), QSize(84, 89));
        QVERIFY(Form1->Image2->pixmap().hasAlphaChannel());
    }

    void splashRunsOncePerShowingBeforeTheWindowIsVisible()
    {
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        QCOMPARE(splashLog(), QStringList{QStringLiteral("Splash visible-windows=0")});
        Form1->hide();
        Form1->show();
        QCOMPARE(splashLog().size(), 2);
    }

    void ignoredPageRequests_data()
    {
        QTest::addColumn<int>("request");
        QTest::newRow("negative") << -1;
        QTest::newRow("five") << 5;
        QTest::newRow("current") << 2;
    }
    void ignoredPageRequests()
    {
        QFETCH(int, request);
        Form1->Notebook1->setPageIndex(2);
        Form1->Notebook1->setPageIndex(request);
        QCOMPARE(Form1->Notebook1->pageIndex(), 2);
    }

    void walkingThePagesMovesTheFocus()
    {
        Form1->show();
        QApplication::setActiveWindow(Form1);
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        Form1->SpeedButton1->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 1);
        Form1->Edit1->setFocus();
        QVERIFY(Form1->Edit1->hasFocus());
        Form1->SpeedButton2->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 2);
        QVERIFY(Form1->CheckBox8->hasFocus());
        Form1->SpeedButton11->click();
        QVERIFY(Form1->Memo1->hasFocus());
        Form1->SpeedButton13->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 2);
        QVERIFY(Form1->CheckBox8->hasFocus());
        Form1->SpeedButton11->click();
        Form1->SpeedButton12->click(); // composes: no day ticked, nothing drawn
        QCOMPARE(Form1->Notebook1->pageIndex(), 4);
        QVERIFY(Form1->BitBtn1->hasFocus());
        Form1->SpeedButton14->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 3);
        Form1->SpeedButton13->click();
        Form1->SpeedButton15->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 1);
        QVERIFY(Form1->Edit1->hasFocus());
    }

    void addPrompts_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("patrol") << 0 << "Scout Name (First) (Last)"
                                << "What is the scout's name?";
        QTest::newRow("breakfast") << 1 << "Breakfast-Type meal"
                                   << "What is the meal?";
        QTest::newRow("lunch") << 2 << "Lunch-Type meal"
                               << "What is the meal?";
        QTest::newRow("dinner") << 3 << "Dinner-Type meal"
                                << "What is the meal?";
    }
    void addPrompts()
    {
        QFETCH(int, which);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QToolButton* const buttons[] = {Form1->SpeedButton3, Form1->SpeedButton5,
                                        Form1->SpeedButton7, Form1->SpeedButton9};
        NameListBox* const lists[] = {Form1->ListBox1, Form1->ListBox2, Form1->ListBox3,
                                      Form1->ListBox4};
        ScriptedDialogs dialogs;
        dialogs.inputAnswers = {QStringLiteral("Alex"), QString(), std::nullopt,
                                QStringLiteral("Alex")};
        for (int i = 0; i < 4; ++i)
            buttons[which]->click();
        QCOMPARE(lists[which]->entries(), QStringList({"Alex", "", "Alex"})); // Cancel adds nothing
        QCOMPARE(dialogs.prompts.size(), 4);
        QCOMPARE(dialogs.prompts[0].title, title);
        QCOMPARE(dialogs.prompts[0].prompt, prompt);
        QCOMPARE(dialogs.prompts[0].maxLength, 255);
        for (int other = 0; other < 4; ++other)
            if (other != which)
                QCOMPARE(lists[other]->entryCount(), 0);
    }

    void deleteRemovesEverySelectedEntry()
    {
        for (const char* name : {"a", "b", "c", "d"})
            Form1->ListBox3->append(QString::fromLatin1(name));
        Form1->SpeedButton8->click(); // nothing selected
        QCOMPARE(Form1->ListBox3->entryCount(), 4);
        Form1->ListBox3->item(0)->setSelected(true);
        Form1->ListBox3->item(2)->setSelected(true);
        Form1->SpeedButton8->click();
        QCOMPARE(Form1->ListBox3->entries(), QStringList({"b", "d"}));
    }

    void pickingASuggestionFeedsItsList()
    {
        pick(Form1->JvComboBox1, QStringLiteral("Pizza"));
        pick(Form1->JvComboBox1, QStringLiteral("Pizza"));
        QCOMPARE(Form1->ListBox4->entries(), QStringList({"Pizza", "Pizza"}));
        QCOMPARE(Form1->JvComboBox1->currentText(), QStringLiteral("Suggestions"));
        pick(Form1->JvComboBox5, QStringLiteral("Milk"));
        pick(Form1->JvComboBox5, QStringLiteral("OJ"));
        QCOMPARE(Form1->Memo2->toPlainText(), QStringLiteral("Milk\nOJ"));
        QCOMPARE(Form1->JvComboBox5->currentText(), QStringLiteral("OJ"));
    }

    void typingCompletesAndEnterFeeds()
    {
        QLineEdit* edit = Form1->JvComboBox3->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("co"));
        QCOMPARE(edit->text(), QStringLiteral("Cocoa Puffs"));
        QCOMPARE(edit->selectedText(), QStringLiteral("coa Puffs"));
        QCOMPARE(Form1->ListBox2->entryCount(), 0); // keystrokes feed nothing
        QTest::keyClick(edit, Qt::Key_Backspace);   // removes the completed part, no new completion
        QCOMPARE(edit->text(), QStringLiteral("Co"));
        QTest::keyClicks(edit, QStringLiteral("rn f"));
        QCOMPARE(edit->text(), QStringLiteral("Corn Flakes"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(Form1->ListBox2->entries(), QStringList{QStringLiteral("Corn Flakes")});
        QCOMPARE(edit->text(), QStringLiteral("Suggestions"));

        // A character typed after "Suggestions" matches nothing; Enter feeds the text as it stands.
        edit->end(false);
        QTest::keyClicks(edit, QStringLiteral("x"));
        QCOMPARE(edit->text(), QStringLiteral("Suggestionsx"));
        QTest::keyClick(edit, Qt::Key_Enter);
        QCOMPARE(Form1->ListBox2->entries().last(), QStringLiteral("Suggestionsx"));

        QLineEdit* snacks = Form1->JvComboBox4->lineEdit();
        snacks->selectAll();
        QTest::keyClicks(snacks, QStringLiteral("C"));
        QCOMPARE(snacks->text(), QStringLiteral("Cookies"));
        QTest::keyClicks(snacks, QStringLiteral("h"));
        QCOMPARE(snacks->text(), QStringLiteral("Chips"));
        Form1->Memo1->setPlainText(QStringLiteral("Trail mix\n"));
        QTest::keyClick(snacks, Qt::Key_Return);
        QCOMPARE(Form1->Memo1->toPlainText(), QStringLiteral("Trail mix\nChips"));
        QCOMPARE(snacks->text(), QStringLiteral("Chips"));
    }

    void composingAgainReplacesTheRoster()
    {
        Form1->Notebook1->setPageIndex(3);
        Form1->CheckBox2->setChecked(true);
        Form1->CheckBox9->setChecked(true);
        Form1->ListBox1->append(QStringLiteral("Sam"));
        Form1->ListBox3->append(QStringLiteral("Soup"));
        Form1->SpeedButton12->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 4);
        const QString roster = Form1->JvxRichEdit1->toPlainText();
        QVERIFY(roster.contains(QStringLiteral("Cook: Sam\nCleanup: Sam\n")));
        Form1->JvxRichEdit1->append(QStringLiteral("an edit of mine"));
        Form1->BitBtn3->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 4);
        QCOMPARE(Form1->JvxRichEdit1->toPlainText(), roster);
        Form1->SpeedButton14->click();
        Form1->JvxRichEdit1->append(QStringLiteral("an edit of mine"));
        Form1->SpeedButton12->click();
        QCOMPARE(Form1->JvxRichEdit1->toPlainText(), roster);
    }

    void emptyPatrolFailsOnTheFinalPage()
    {
        ScriptedDialogs dialogs;
        Form1->Notebook1->setPageIndex(3);
        Form1->CheckBox1->setChecked(true);
        Form1->CheckBox10->setChecked(true);
        Form1->SpeedButton12->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 4);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Patrolia"));
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("List index out of bounds (0)"));
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Error);
        QCOMPARE(Form1->JvxRichEdit1->toPlainText(),
                 QStringLiteral("The Cool Patrol's Roster\n\n\nSunday\n[Dinner]\n"));
    }

    void newRosterResetsAllButTitleAndCombos()
    {
        Form3->JvCheckBox1->setChecked(false);
        Form1->Edit1->setText(QStringLiteral("Trail"));
        Form1->CheckBox7->setChecked(true);
        Form1->CheckBox8->setChecked(true);
        Form1->ListBox1->append(QStringLiteral("Alex"));
        Form1->ListBox2->append(QStringLiteral("Eggs"));
        Form1->Memo1->setPlainText(QStringLiteral("Chips"));
        Form1->Memo2->setPlainText(QStringLiteral("Milk"));
        Form1->JvComboBox5->setEditText(QStringLiteral("Milk"));
        Form1->Notebook1->setPageIndex(3);
        Form1->SpeedButton12->click();
        QVERIFY(!Form1->JvxRichEdit1->toPlainText().isEmpty());
        Form1->Button1->click();
        QCOMPARE(Form1->Notebook1->pageIndex(), 0);
        QCOMPARE(Form1->JvxRichEdit1->toPlainText(), QString());
        for (NameListBox* list :
             {Form1->ListBox1, Form1->ListBox2, Form1->ListBox3, Form1->ListBox4})
            QCOMPARE(list->entryCount(), 0);
        for (int i = 0; i < 7; ++i)
            QVERIFY(!Form1->dayBox(i)->isChecked());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!Form1->mealBox(i)->isChecked());
        QVERIFY(Form1->Memo1->toPlainText().isEmpty());
        QVERIFY(Form1->Memo2->toPlainText().isEmpty());
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("Trail"));
        QCOMPARE(Form1->JvComboBox5->currentText(), QStringLiteral("Milk"));
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
