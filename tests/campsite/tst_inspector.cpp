#include "Unit1.h"
#include "dsn8register.h"
#include "dsnbutton.h"
#include "dsninspector.h"
#include "dsnstage.h"
#include "inspectorfm.h"
#include "scripteddialogs.h"
#include "stagemouse.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

/// The "Object Inspector" tool window beside the designer, driven as a user would.
class TestInspector : public QObject, public StageMouse {
    Q_OBJECT

    std::unique_ptr<TForm1> form;
    std::unique_ptr<ScriptedDialogs> dialogs;

    TInspectorFm* inspector() const { return form->DsnInspector1->form(); }
    QStringList shownRows() const
    {
        QStringList rows;
        QTableWidget* grid = inspector()->grid();
        for (int row = 0; row < grid->rowCount(); ++row)
            rows.append(grid->item(row, 0)->text() + QLatin1Char('=') + grid->item(row, 1)->text());
        return rows;
    }
    /// Clicks the value cell of \a property and types \a text over its value.
    void typeInto(const QString& property, const QString& text)
    {
        QTableWidget* grid = inspector()->grid();
        const auto found = grid->findItems(property, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        const QRect cell = grid->visualItemRect(grid->item(found.first()->row(), 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(inspector()->editedProperty(), property);
        QLineEdit* edit = inspector()->editBox();
        QCOMPARE(edit->selectedText(), edit->text());
        QCOMPARE(edit->geometry(), QRect(cell.topLeft(), cell.size() + QSize(3, 3)));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void leaveByTab() { QTest::keyClick(inspector()->editBox(), Qt::Key_Tab); }

private slots:
    void init()
    {
        QApplication::setApplicationName(QStringLiteral("Tentwise"));
        dialogs = std::make_unique<ScriptedDialogs>();
        form = std::make_unique<TForm1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        stage = form->DsnStage1;
        designer = form->Dsn8Register1;
        designer->setDesignMode(true);
        QVERIFY(inspector());
        inspector()->activateWindow();
        QTRY_VERIFY(inspector()->isActiveWindow());
    }
    void cleanup()
    {
        form.reset();
        dialogs.reset();
    }

    void rowsFollowTheSelection()
    {
        QVERIFY(shownRows().isEmpty());
        QCOMPARE(inspector()->grid()->horizontalHeaderItem(0)->text(),
                 QStringLiteral("Properties"));
        QCOMPARE(inspector()->grid()->horizontalHeaderItem(1)->text(), QStringLiteral("Values"));
        QCOMPARE(inspector()->grid()->columnWidth(0), 80);
        QCOMPARE(inspector()->grid()->columnWidth(1), 100);
        place(form->DsnButton6, {16, 16}, {80, 32});
        QCOMPARE(shownRows(),
                 QStringList({"Caption=Label2", "Height=16", "Left=16", "Top=16", "Width=64"}));
        place(form->DsnButton1, {16, 48}, {48, 80});
        drag({8, 8}, {100, 100});
        QCOMPARE(shownRows(), QStringList({"Height=", "Left=16", "Top=", "Width="}));
        // Moving refreshes the values.
        drag({20, 20}, {36, 20});
        QCOMPARE(shownRows(), QStringList({"Height=", "Left=32", "Top=", "Width="}));
        drag({300, 300}, {310, 310});
        QVERIFY(shownRows().isEmpty());
    }

    void typedWidthAppliesToAllOnTab()
    {
        CampsiteObject* a = place(form->DsnButton1, {16, 16}, {48, 48});
        CampsiteObject* b = place(form->DsnButton2, {16, 64}, {64, 96});
        drag({8, 8}, {100, 100});
        QCOMPARE(shownRows().last(), QStringLiteral("Width="));
        typeInto(QStringLiteral("Width"), QStringLiteral("40"));
        leaveByTab();
        QCOMPARE(a->geometry.width(), 40);
        QCOMPARE(b->geometry.width(), 40);
        QCOMPARE(shownRows().last(), QStringLiteral("Width=40"));
        QVERIFY(dialogs->messages.isEmpty());
    }

    void emptyTexts()
    {
        CampsiteObject* label = place(form->DsnButton6, {16, 16}, {80, 64});
        typeInto(QStringLiteral("Left"), QString());
        leaveByTab();
        QCOMPARE(label->geometry.topLeft(), QPoint(16, 16));
        typeInto(QStringLiteral("Caption"), QString());
        leaveByTab();
        QCOMPARE(label->caption, QString());
        QCOMPARE(label->geometry.size(), QSize(0, QFontMetrics(form->font()).height()));
        QCOMPARE(shownRows().first(), QStringLiteral("Caption="));
    }

    void illegalIntegerShowsTheError()
    {
        CampsiteObject* tent = place(form->DsnButton1, {16, 16}, {48, 48});
        typeInto(QStringLiteral("Top"), QStringLiteral("12x"));
        leaveByTab();
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("12x is illegal (Top)"));
        QCOMPARE(dialogs->messages[0].caption, QStringLiteral("Tentwise"));
        QCOMPARE(dialogs->messages[0].icon, Dialogs::Icon::Error);
        QCOMPARE(tent->geometry.topLeft(), QPoint(16, 16));
    }

    void appliedWhenTheCampsiteWindowIsActivated()
    {
        CampsiteObject* tent = place(form->DsnButton1, {16, 16}, {48, 48});
        typeInto(QStringLiteral("Left"), QStringLiteral("100"));
        form->activateWindow();
        QTRY_COMPARE(tent->geometry.x(), 100);
        QCOMPARE(dialogs->messages.size(), 0);
        // The box follows later changes, so leaving it again does not move the tent back.
        drag({110, 20}, {126, 20});
        QCOMPARE(tent->geometry.x(), 116);
        QCOMPARE(inspector()->editBox()->text(), QStringLiteral("116"));
    }

    void editBoxIsPutAwayWhenItsRowGoes()
    {
        place(form->DsnButton6, {16, 16}, {80, 32});
        typeInto(QStringLiteral("Caption"), QStringLiteral("Flag"));
        place(form->DsnButton1, {16, 48}, {48, 80}); // an image: no Caption row
        QCOMPARE(inspector()->editedProperty(), QString());
        QVERIFY(!inspector()->editBox()->isEnabled());
        QCOMPARE(designer->objects().first()->caption, QStringLiteral("Label2"));
    }

    void reopensAtItsPlaceAndComesBackAfterClosing()
    {
        inspector()->move(400, 300);
        designer->setDesignMode(false);
        QVERIFY(!inspector());
        designer->setDesignMode(true);
        QCOMPARE(inspector()->geometry(), QRect(15, 50, 230, 400));
        QVERIFY(inspector()->isVisible());
        inspector()->close();
        QVERIFY(!inspector()->isVisible());
        place(form->DsnButton1, {16, 16}, {48, 48});
        QVERIFY(inspector()->isVisible());
    }
};

QTEST_MAIN(TestInspector)
#include "tst_inspector.moc"
