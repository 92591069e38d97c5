// The campsite window's Open, Save, Copy, Cut and Paste, driven as a user
// would, with the file dialogs and message boxes answered by the test.
#include "Unit1.h"
#include "campsiteclipboard.h"
#include "campsitestream.h"
#include "dsn8register.h"
#include "dsnbutton.h"
#include "dsnstage.h"
#include "dsnswitch.h"
#include "errorreport.h"
#include "readlayout.h"
#include "scripteddialogs.h"
#include "stagemouse.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestCampsiteWindowFiles : public QObject, public StageMouse {
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<TForm1> form;
    QTemporaryDir folder;

    void designMode(bool on)
    {
        if (form->DsnSwitch1->isChecked() != on)
            QTest::mouseClick(form->DsnSwitch1, Qt::LeftButton);
        QCOMPARE(designer->isDesignMode(), on);
    }
    void key(Qt::Key key) { QTest::keyClick(stage, key, Qt::ControlModifier); }
    QStringList names(const QList<CampsiteObject*>& objects) const
    {
        QStringList names;
        for (const CampsiteObject* object : objects)
            names.append(object->name);
        return names;
    }
    QString open(const QString& fileName)
    {
        dialogs->openAnswers.push_back(fileName);
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        return lastMessage();
    }
    QString save(const QString& fileName)
    {
        dialogs->saveAnswers.push_back(fileName);
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
        return lastMessage();
    }
    QString lastMessage()
    {
        if (dialogs->messages.isEmpty())
            return {};
        const ScriptedDialogs::Message message = dialogs->messages.takeLast();
        if (message.caption != applicationTitle() || message.icon != Dialogs::Icon::Error)
            return "(not an error box) " + message.text;
        return message.text;
    }
    QString fixturePath(const QString& name) const
    {
        return QStringLiteral(TEST_DATA_DIR "/campsite/") + name;
    }

private slots:
    // One window for all cases (creating one takes a while); each case starts
    // with an empty layout area, design mode off and fresh dialogs.
    void initTestCase()
    {
        form = std::make_unique<TForm1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        stage = form->DsnStage1;
        designer = form->Dsn8Register1;
    }
    void init()
    {
        dialogs = std::make_unique<ScriptedDialogs>();
        designMode(false);
        designer->destroyAllObjects();
        form->OpenDialog1.fileName.clear();
        form->SaveDialog1.fileName.clear();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { dialogs.reset(); }
    void cleanupTestCase() { form.reset(); }

    void savesAndOpensThroughTheDialogs()
    {
        designMode(true);
        place(form->DsnButton1, {100, 100}, {148, 140});
        place(form->DsnButton6, {32, 96}, {96, 144}); // Label2, placed at 64 x 48
        const QString fileName = folder.filePath("camp.gnd");
        QCOMPARE(save(fileName), QString());
        QVERIFY(designer->selectedObjects().isEmpty());
        QCOMPARE(dialogs->saveRequests.size(), 1);
        QCOMPARE(dialogs->saveRequests[0].filter, "Campsites (*.gnd)");
        QCOMPARE(dialogs->saveRequests[0].defaultSuffix, "gnd");

        ReadLayout saved{QStringList()};
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::ReadOnly));
        CampsiteStream::read(file.readAll(), saved, CampsiteStream::Mode::Clipboard);
        QCOMPARE(saved.names(), QStringList({"Image1", "Label2"}));
        QCOMPARE(saved.objects[1].geometry, QRect(32, 96, 64, 48));

        QCOMPARE(open(fileName), QString());
        QCOMPARE(dialogs->openRequests.size(), 1);
        QCOMPARE(dialogs->openRequests[0].filter, "Campsites (*.gnd)");
        QCOMPARE(dialogs->openRequests[0].defaultSuffix, "gnd");
        QVERIFY(!dialogs->openRequests[0].mustExist);
        QVERIFY(designer->isDesignMode()); // back on after reading
        QVERIFY(designer->selectedObjects().isEmpty());
        QCOMPARE(names(designer->objects()), QStringList({"Image1", "Label2"}));
        // The label takes the size of its caption after loading.
        const QRect label = designer->objects()[1]->geometry;
        QCOMPARE(label.topLeft(), QPoint(32, 96));
        QVERIFY(label.size() != QSize(64, 48));
        QCOMPARE(label.width(), QFontMetrics(stage->font()).horizontalAdvance("Label2"));

        // Each dialog offers the last name chosen in it.
        save(folder.filePath("other.gnd"));
        open(fileName);
        save(folder.filePath("third.gnd"));
        QCOMPARE(dialogs->saveRequests[1].fileName, fileName);
        QCOMPARE(dialogs->saveRequests[2].fileName, folder.filePath("other.gnd"));
        QCOMPARE(dialogs->openRequests[1].fileName, fileName);
    }

    void namesAndSkipsWhatItOpens()
    {
        QCOMPARE(open(fixturePath("trailing-bytes.gnd")), QString());
        QCOMPARE(names(designer->objects()),
                 QStringList{"Label2"}); // the window's own label is Label1
        QCOMPARE(designer->objects()[0]->caption, "First");
        QCOMPARE(open(fixturePath("every-tag.gnd")), QString());
        QCOMPARE(names(designer->objects()), QStringList({"Image1", "Label5"}));
        QVERIFY(!designer->isDesignMode()); // it was off
    }

    void refusesFilesItCannotRead()
    {
        designMode(true);
        place(form->DsnButton1, {100, 100}, {148, 140});
        const QString missing = folder.filePath("missing.gnd");
        QCOMPARE(open(missing), missing + " can not be read.");
        QCOMPARE(names(designer->objects()), QStringList{"Image1"}); // kept
        QVERIFY(!designer->isDesignMode()); // switched off for reading, not back on after a failure

        QFile empty(folder.filePath("empty.gnd"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QCOMPARE(open(empty.fileName()), empty.fileName() + " can not be read.");
        QVERIFY(designer->objects().isEmpty());
    }

    void reportsASaveThatFails()
    {
        const QString fileName = folder.filePath("no folder/camp.gnd");
        QCOMPARE(save(fileName),
                 "Cannot create file \"" + fileName + "\". No such file or directory.");
    }

    void pastesTwiceOverTheCopiedObject()
    {
        designMode(true);
        CampsiteObject* tent = place(form->DsnButton1, {100, 100}, {148, 140});
        QCOMPARE(names(designer->selectedObjects()), QStringList{"Image1"});
        key(Qt::Key_C);
        QVERIFY(CampsiteClipboard::hasObjects());
        key(Qt::Key_V); // the selection is not empty: nothing
        QCOMPARE(designer->objects().size(), 1);
        click({400, 400});
        key(Qt::Key_V);
        QCOMPARE(names(designer->selectedObjects()), QStringList{"Image2"});
        click({400, 400});
        key(Qt::Key_V);
        QCOMPARE(names(designer->objects()), QStringList({"Image1", "Image2", "Image3"}));
        QCOMPARE(names(designer->selectedObjects()), QStringList{"Image3"});
        for (const CampsiteObject* copy : designer->objects()) {
            QCOMPARE(copy->geometry, tent->geometry);
            QVERIFY(copy->picture == tent->picture);
        }
    }

    void cutsAndPastesBack()
    {
        designMode(true);
        place(form->DsnButton1, {100, 100}, {148, 140});
        key(Qt::Key_X);
        QVERIFY(designer->objects().isEmpty());
        key(Qt::Key_V);
        QCOMPARE(names(designer->objects()), QStringList{"Image1"});
        designMode(false);
        click({400, 400});
        key(Qt::Key_V); // outside design mode: nothing
        QCOMPARE(designer->objects().size(), 1);
    }

    void stopsAPasteAtDataItCannotRead()
    {
        auto* data = new QMimeData;
        QFile file(fixturePath("shape-between.gnd"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        data->setData("Dsn_ClipboardFormat", CampsiteClipboard::block(file.readAll()));
        QGuiApplication::clipboard()->setMimeData(data);
        designMode(true);
        key(Qt::Key_V);
        QCOMPARE(lastMessage(), "Class TShape not found.");
        QCOMPARE(names(designer->objects()), QStringList{"Image1"});
        QCOMPARE(names(designer->selectedObjects()), QStringList{"Image1"});
    }
};

QTEST_MAIN(TestCampsiteWindowFiles)
#include "tst_campsitewindowfiles.moc"
