#include "Unit1.h"
#include "arrowbutton.h"
#include "dsn8register.h"
#include "dsnbutton.h"
#include "dsninspector.h"
#include "dsnstage.h"
#include "dsnswitch.h"
#include "scripteddialogs.h"
#include "stagemouse.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

/// The campsite window driven with synthetic mouse and key events on its
/// layout area, as a user would.
class TestDesigner : public QObject, public StageMouse {
    Q_OBJECT

    std::unique_ptr<TForm1> form;

    QStringList selectedNames() const
    {
        QStringList names;
        for (const CampsiteObject* object : designer->selectedObjects())
            names.append(object->name);
        return names;
    }
    QImage stagePicture() const
    {
        QImage picture(stage->size(), QImage::Format_RGB32);
        stage->render(&picture);
        return picture;
    }

private slots:
    void init()
    {
        form = std::make_unique<TForm1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        stage = form->DsnStage1;
        designer = form->Dsn8Register1;
    }
    void cleanup() { form.reset(); }

    void windowAtStart()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Tentwise"));
        QCOMPARE(form->size(), QSize(715, 497));
        QCOMPARE(stage->geometry(), QRect(120, 8, 539, 465));
        QCOMPARE(stage->caption(), QStringLiteral("Camp Grounds"));
        QCOMPARE(stage->color(), QColor(0, 255, 0));
        QCOMPARE(form->DsnButton3->text(), QStringLiteral("Add a 'Fall In' site"));
        QCOMPARE(form->DsnButton6->GeneName, QStringLiteral("Dpst_TLabel"));
        QVERIFY(!designer->isDesignMode());
        QVERIFY(!form->DsnSwitch1->isChecked());
        QVERIFY(!form->ArrowButton1->isEnabled());
        QVERIFY(!form->DsnButton1->isEnabled());
        QVERIFY(!form->DsnInspector1->form());
        // The layout area grows with the window; the right-hand buttons follow its edge.
        form->resize(815, 547);
        QCOMPARE(stage->geometry(), QRect(120, 8, 639, 515));
        QCOMPARE(form->BitBtn2->geometry(), QRect(766, 56, 41, 17));
        QCOMPARE(form->Label1->geometry(), QRect(123, 478, 636, 17));
    }

    void designModeOnAndOff()
    {
        QTest::mouseClick(form->DsnSwitch1, Qt::LeftButton);
        QVERIFY(designer->isDesignMode());
        QVERIFY(form->ArrowButton1->isEnabled() && form->ArrowButton1->isChecked());
        QVERIFY(form->DsnButton5->isEnabled());
        QVERIFY(stage->hasFocus());
        QVERIFY(form->DsnInspector1->form());
        QCOMPARE(form->DsnInspector1->form()->geometry(), QRect(15, 50, 230, 400));
        QCOMPARE(form->DsnInspector1->form()->windowTitle(), QStringLiteral("Object Inspector"));

        place(form->DsnButton1, {16, 16}, {64, 64});
        QTest::mouseClick(form->DsnButton2, Qt::LeftButton);
        QTest::mouseClick(form->DsnSwitch1, Qt::LeftButton);
        QVERIFY(!designer->isDesignMode());
        QVERIFY(!form->ArrowButton1->isEnabled() && !form->DsnButton2->isEnabled());
        QVERIFY(!designer->chosenTemplate());
        QVERIFY(designer->selectedObjects().isEmpty());
        QVERIFY(!form->DsnInspector1->form());

        // Outside design mode clicks, drags and keys do nothing.
        CampsiteObject* tent = designer->objects().first();
        drag({20, 20}, {100, 100});
        QTest::keyClick(stage, Qt::Key_Delete);
        QCOMPARE(designer->objects().size(), 1);
        QCOMPARE(tent->geometry, QRect(16, 16, 48, 48));
        QVERIFY(designer->selectedObjects().isEmpty());
    }

    void placingWithinOneCellGivesAZeroSizeObject()
    {
        designer->setDesignMode(true);
        CampsiteObject* tent = place(form->DsnButton1, {101, 101}, {103, 102});
        QCOMPARE(tent->name, QStringLiteral("Image1"));
        QCOMPARE(tent->geometry, QRect(96, 96, 0, 0));
        QVERIFY(tent->stretch && tent->transparent);
        QCOMPARE(selectedNames(), QStringList({"Image1"}));
        QVERIFY(form->ArrowButton1->isChecked());
        QVERIFY(!designer->chosenTemplate());
        // Unreachable now by click or band, once it is no longer selected.
        click({400, 400});
        QVERIFY(designer->selectedObjects().isEmpty());
        click({97, 97});
        drag({80, 80}, {120, 120});
        QVERIFY(designer->selectedObjects().isEmpty());
    }

    void placementSnapsBothCorners()
    {
        designer->setDesignMode(true);
        CampsiteObject* sign = place(form->DsnButton3, {100, 100}, {37, 150});
        QCOMPARE(sign->geometry, QRect(32, 96, 64, 48));
        QVERIFY(!sign->transparent);
    }

    void labelsAreNumberedBesideTheWindowsLabel1()
    {
        designer->setDesignMode(true);
        CampsiteObject* first = place(form->DsnButton6, {8, 8}, {72, 56});
        QCOMPARE(first->name, QStringLiteral("Label2"));
        QCOMPARE(first->caption, QStringLiteral("Label2"));
        QCOMPARE(first->geometry, QRect(8, 8, 64, 48)); // the placed size, not the caption's
        CampsiteObject* second = place(form->DsnButton6, {8, 80}, {72, 96});
        QCOMPARE(second->name, QStringLiteral("Label3"));
        QCOMPARE(place(form->DsnButton4, {8, 120}, {40, 150})->name, QStringLiteral("Image1"));
    }

    void paletteButtonWithoutTemplateReturnsToTheArrow()
    {
        designer->setDesignMode(true);
        form->DsnButton2->GeneName = QStringLiteral("Dpst_Missing");
        QTest::mouseClick(form->DsnButton2, Qt::LeftButton);
        QTRY_VERIFY(form->ArrowButton1->isChecked());
        QVERIFY(!designer->chosenTemplate());
        drag({8, 8}, {64, 64});
        QVERIFY(designer->objects().isEmpty());
    }

    void selectingByClickShiftRightAndCtrl()
    {
        designer->setDesignMode(true);
        CampsiteObject* a = place(form->DsnButton1, {16, 16}, {64, 64});
        CampsiteObject* b = place(form->DsnButton2, {40, 40}, {96, 96});
        CampsiteObject* c = place(form->DsnButton4, {200, 200}, {240, 240});
        click({20, 20});
        QCOMPARE(selectedNames(), QStringList({"Image1"}));
        click({50, 50}); // the topmost of the two
        QCOMPARE(selectedNames(), QStringList({"Image2"}));
        click({210, 210}, Qt::ShiftModifier);
        click({20, 20}, Qt::ShiftModifier);
        QCOMPARE(selectedNames(), QStringList({"Image2", "Image3", "Image1"}));
        // Shift-dragging a selected object takes it out and moves nothing.
        drag({210, 210}, {300, 300}, Qt::ShiftModifier);
        QCOMPARE(selectedNames(), QStringList({"Image2", "Image1"}));
        QCOMPARE(c->geometry, QRect(200, 200, 40, 40));
        // A right press on a selected object keeps the selection; on another it selects that one.
        press({20, 20}, {}, Qt::RightButton);
        QCOMPARE(selectedNames(), QStringList({"Image2", "Image1"}));
        press({210, 210}, {}, Qt::RightButton);
        QCOMPARE(selectedNames(), QStringList({"Image3"}));
        press({400, 400}, {}, Qt::RightButton);
        QCOMPARE(selectedNames(), QStringList({"Image3"}));
        // Ctrl over an object starts a band: the band selects in layout order.
        drag({50, 50}, {18, 18}, Qt::ControlModifier);
        QCOMPARE(selectedNames(), QStringList({"Image1", "Image2"}));
        QCOMPARE(a->geometry.topLeft(), QPoint(16, 16));
        QCOMPARE(b->geometry.topLeft(), QPoint(40, 40));
        // A band over nothing empties the selection.
        drag({300, 40}, {400, 100});
        QVERIFY(designer->selectedObjects().isEmpty());
    }

    void bandUsesTheUnsnappedReleasePoint()
    {
        designer->setDesignMode(true);
        place(form->DsnButton1, {64, 64}, {96, 96});
        // S = (8, 8) snapped; the release at (65, 65) reaches one pixel into the tent.
        drag({12, 12}, {65, 65});
        QCOMPARE(selectedNames(), QStringList({"Image1"}));
        drag({12, 12}, {64, 64});
        QVERIFY(designer->selectedObjects().isEmpty());
    }

    void movingInWholeGridSteps()
    {
        designer->setDesignMode(true);
        CampsiteObject* a = place(form->DsnButton1, {16, 16}, {64, 64});
        CampsiteObject* b = place(form->DsnButton2, {96, 16}, {128, 64});
        a->geometry.moveTo(17, 19); // off the grid, as typed into the inspector
        drag({20, 20}, {100, 80}, Qt::ControlModifier);
        QCOMPARE(designer->selectedObjects().size(), 2);
        // Less than one step: nothing moves.
        drag({18, 20}, {23, 23});
        QCOMPARE(a->geometry.topLeft(), QPoint(17, 19));
        // S = (16, 24) and P = (40, 64): both move by (24, 40) and keep their offset from the grid.
        drag({23, 25}, {47, 70});
        QCOMPARE(a->geometry, QRect(41, 59, 48, 48));
        QCOMPARE(b->geometry, QRect(120, 56, 32, 48));
        QCOMPARE(selectedNames(), QStringList({"Image1", "Image2"}));
        // Released with Shift held, a drag moves nothing.
        drag({50, 60}, {150, 160}, Qt::ShiftModifier);
        QCOMPARE(a->geometry.topLeft(), QPoint(41, 59));
    }

    void dragsStayInsideTheLayoutArea()
    {
        designer->setDesignMode(true);
        CampsiteObject* tent = place(form->DsnButton1, {500, 400}, {600, 600});
        QCOMPARE(tent->geometry, QRect(496, 400, 40, 64)); // (538, 464) snapped
        // Moved from S = (504, 408) to the area's corner P = (0, 0).
        drag({510, 410}, {-50, -90});
        QCOMPARE(tent->geometry.topLeft(), QPoint(-8, -8));
    }

    void resizingByAHandleWithTurnOver()
    {
        designer->setDesignMode(true);
        CampsiteObject* tent = place(form->DsnButton1, {40, 40}, {88, 72});
        QCOMPARE(tent->geometry, QRect(40, 40, 48, 32));
        QVERIFY(designer->handlesActive());
        // Bottom-right handle at (84, 68): press at (86, 70), i.e. (2, 2) in the handle: S = (0,
        // 0).
        drag({86, 70}, {103, 90});
        QCOMPARE(tent->geometry, QRect(40, 40, 64, 48));
        // Right-middle handle at (100, 61): dragged 80 to the left, (-79, 1) in the handle,
        // snaps to -72 (truncating toward zero) and passes the left edge.
        drag({101, 62}, {21, 62});
        QCOMPARE(tent->geometry, QRect(32, 40, 8, 48));
        // Top-middle handle at (33, 38): up by 18, snapped 16.
        drag({34, 39}, {34, 20});
        QCOMPARE(tent->geometry, QRect(32, 24, 8, 64));
        QCOMPARE(selectedNames(), QStringList({"Image1"}));
    }

    void handlesAreGreyAndDeadWithTwoSelected()
    {
        designer->setDesignMode(true);
        CampsiteObject* a = place(form->DsnButton1, {40, 40}, {88, 72});
        CampsiteObject* b = place(form->DsnButton2, {200, 40}, {248, 72});
        click({50, 50});
        QImage picture = stagePicture();
        QCOMPARE(picture.pixelColor(86, 70), QColor(Qt::black)); // a's bottom-right handle
        QVERIFY(!designer->handleRects().contains(QRect(246, 70, 6, 6)));
        click({210, 50}, Qt::ShiftModifier);
        QVERIFY(!designer->handlesActive());
        picture = stagePicture();
        QCOMPARE(picture.pixelColor(86, 70), QColor(128, 128, 128));
        QCOMPARE(picture.pixelColor(246, 70), QColor(128, 128, 128));
        drag({86, 70}, {150, 150});
        QCOMPARE(a->geometry, QRect(40, 40, 48, 32));
        QCOMPARE(b->geometry, QRect(200, 40, 48, 32));
        QCOMPARE(selectedNames(), QStringList({"Image1", "Image2"}));
        // Back to one: black and active again.
        click({210, 50}, Qt::ShiftModifier);
        QVERIFY(designer->handlesActive());
        QCOMPARE(stagePicture().pixelColor(86, 70), QColor(Qt::black));
    }

    void handleCursors()
    {
        designer->setDesignMode(true);
        place(form->DsnButton1, {40, 40}, {88, 72});
        move({40, 40});
        QCOMPARE(stage->cursor().shape(), Qt::SizeFDiagCursor);
        move({86, 41});
        QCOMPARE(stage->cursor().shape(), Qt::SizeBDiagCursor);
        move({64, 70});
        QCOMPARE(stage->cursor().shape(), Qt::SizeVerCursor);
        move({60, 60});
        QCOMPARE(stage->cursor().shape(), Qt::ArrowCursor);
    }

    void deleteActsOnKeyRelease()
    {
        designer->setDesignMode(true);
        place(form->DsnButton1, {16, 16}, {64, 64});
        place(form->DsnButton6, {100, 16}, {164, 32});
        click({300, 300});
        QTest::keyClick(stage, Qt::Key_Delete); // empty selection: nothing
        QCOMPARE(designer->objects().size(), 2);
        drag({8, 8}, {300, 300});
        QTest::keyPress(stage, Qt::Key_Delete);
        QCOMPARE(designer->objects().size(), 2);
        QTest::keyRelease(stage, Qt::Key_Delete);
        QVERIFY(designer->objects().isEmpty());
        QVERIFY(designer->selectedObjects().isEmpty());
        // Their names are free again.
        QCOMPARE(place(form->DsnButton6, {100, 16}, {164, 32})->name, QStringLiteral("Label2"));
    }

    void deletingDuringADragEndsIt()
    {
        designer->setDesignMode(true);
        place(form->DsnButton1, {40, 40}, {88, 72});
        press({86, 70}); // the bottom-right handle
        move({120, 120}, Qt::LeftButton);
        QTest::keyClick(stage, Qt::Key_Delete);
        QCOMPARE(designer->gesture(), TDsn8Register::Gesture::None);
        release({120, 120});
        QVERIFY(designer->objects().isEmpty());
    }

    void transparentImagesLeaveOutTheirGround()
    {
        designer->setDesignMode(true);
        place(form->DsnButton2, {16, 16}, {120, 104});  // popup on white ground, transparent
        place(form->DsnButton3, {200, 16}, {304, 104}); // the sign is drawn whole
        click({400, 400});
        const QImage picture = stagePicture();
        QCOMPARE(picture.pixelColor(17, 17), QColor(0, 255, 0));
        QCOMPARE(picture.pixelColor(60, 100), QColor(0, 255, 0));   // between the popup's legs
        QVERIFY(picture.pixelColor(60, 30).red() > 150);            // the red canopy is drawn
        QCOMPARE(picture.pixelColor(201, 102), QColor(64, 64, 64)); // the sign's frame
    }

    void hugeStretchedPictureIsDrawnClipped()
    {
        // A file may give an image any size: it is drawn, not scaled to its full size first.
        auto tent =
            std::make_unique<CampsiteObject>(*form->findTemplate(QStringLiteral("Dpst_TImage")));
        tent->name.clear();
        tent->geometry = QRect(-50000, -50000, 100000, 100000);
        designer->addReadInObject(std::move(tent));
        const QImage picture = stagePicture();
        // (200, 200) is the picture's middle, where the tent's dark door is.
        QCOMPARE(picture.pixelColor(200, 200), QColor(60, 60, 60));
    }

    void labelsSizeToTheirCaption()
    {
        designer->setDesignMode(true);
        CampsiteObject* label = place(form->DsnButton6, {16, 16}, {80, 64});
        QCOMPARE(label->geometry.size(), QSize(64, 48));
        form->DsnInspector1->apply(QStringLiteral("Caption"),
                                   QStringLiteral("Flagpole and assembly"));
        const QFontMetrics metrics(form->font());
        QCOMPARE(label->geometry,
                 QRect(QPoint(16, 16),
                       QSize(metrics.horizontalAdvance(label->caption), metrics.height())));
        // Read-in labels take their caption's size too, and read-in names follow their own rule.
        auto readIn = std::make_unique<CampsiteObject>();
        readIn->kind = CampsiteObject::Kind::Label;
        readIn->name = QStringLiteral("label1");
        readIn->caption = QStringLiteral("Kitchen");
        readIn->geometry = QRect(8, 200, 64, 48);
        CampsiteObject* added = designer->addReadInObject(std::move(readIn));
        QCOMPARE(added->name, QStringLiteral("Label3"));
        QCOMPARE(added->geometry, QRect(QPoint(8, 200), QSize(metrics.horizontalAdvance("Kitchen"),
                                                              metrics.height())));
        designer->destroyAllObjects();
        QVERIFY(designer->objects().isEmpty());
        QVERIFY(designer->selectedObjects().isEmpty());
    }

    void aboutMessage()
    {
        ScriptedDialogs dialogs;
        QApplication::setApplicationName(QStringLiteral("Tentwise"));
        QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Tentwise"));
        QVERIFY(dialogs.messages[0].text.startsWith(QStringLiteral("Tentwise\n")));
    }
};

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
