// Campsite files on disk and objects on the clipboard.
#include "campsiteclipboard.h"
#include "campsitefile.h"
#include "campsitefixture.h"
#include "campsitestream.h"
#include "filecontents.h"
#include "objectstreamerror.h"
#include "readlayout.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QString failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return QStringLiteral("(no failure)");
}

// Files may grow to a limit while it lives; writing past it fails instead of killing the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

class TestCampsiteFiles : public QObject {
    Q_OBJECT

private slots:
    void savesAndReadsAFile_data()
    {
        QTest::addColumn<QString>("fixtureName");
        QTest::newRow("empty layout: one byte") << "empty-layout.gnd";
        QTest::newRow("tents, sign and label") << "campsite.gnd";
    }

    void savesAndReadsAFile()
    {
        QFETCH(QString, fixtureName);
        QTemporaryDir folder;
        const QString fileName = folder.filePath("camp.gnd");
        ReadLayout original{QStringList()};
        CampsiteStream::read(fixture(fixtureName), original, CampsiteStream::Mode::File);
        CampsiteFile::save(fileName, original.pointers());
        QCOMPARE(fileContents(fileName), fixture(fixtureName));

        ReadLayout reread{QStringList()};
        CampsiteFile::readObjects(fileName, CampsiteFile::readContents(fileName), reread);
        QCOMPARE(reread.names(), original.names());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"camp.gnd"});
    }

    void refusesFilesThatCannotBeRead()
    {
        QTemporaryDir folder;
        QDir::setCurrent(folder.path());
        const QString missing = folder.filePath("missing.gnd");
        QCOMPARE(failureOf([] { CampsiteFile::readContents("missing.gnd"); }),
                 missing + " can not be read");
        QCOMPARE(failureOf([&] { CampsiteFile::readContents(folder.path()); }),
                 folder.path() + " can not be read");

        writeFileContents("empty.gnd", {});
        ReadLayout layout;
        const QString emptyError = failureOf([&] {
            CampsiteFile::readObjects("empty.gnd", CampsiteFile::readContents("empty.gnd"), layout);
        });
        QCOMPARE(emptyError, folder.filePath("empty.gnd") + " can not be read");

        // A broken file keeps the objects read before the break.
        QByteArray cut = fixture("campsite.gnd");
        cut.chop(20);
        QCOMPARE(failureOf([&] { CampsiteFile::readObjects("cut.gnd", cut, layout); }),
                 folder.filePath("cut.gnd") + " can not be read");
        QCOMPARE(layout.names(), QStringList({"Image1", "Image2", "Image3"}));
    }

    void reportsAFileThatCannotBeCreated()
    {
        QTemporaryDir folder;
        const QString fileName = folder.filePath("no such folder/camp.gnd");
        const QString error = failureOf([&] { CampsiteFile::save(fileName, {}); });
        QCOMPARE(error, "Cannot create file \"" + fileName + "\". No such file or directory");
    }

    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir folder;
        const QString fileName = folder.filePath("camp.gnd");
        writeFileContents(fileName, fixture("label2.gnd"));
        ReadLayout layout;
        for (int i = 0; i < 40; ++i)
            CampsiteStream::read(fixture("campsite.gnd"), layout, CampsiteStream::Mode::File);
        QString error;
        {
            const FileSizeLimit limit(4096);
            error = failureOf([&] { CampsiteFile::save(fileName, layout.pointers()); });
        }
        QCOMPARE(error, "Stream write error");
        QCOMPARE(fileContents(fileName), fixture("label2.gnd"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"camp.gnd"});
    }

    void wrapsTheStreamInAClipboardBlock()
    {
        const QByteArray stream = fixture("label2.gnd");
        const QByteArray block = CampsiteClipboard::block(stream);
        QCOMPARE(block.left(4), QByteArray("\x43\x00\x00\x00", 4));
        QCOMPARE(CampsiteClipboard::streamOf(block), stream);
        QCOMPARE(CampsiteClipboard::streamOf(block + "rounded up"), stream);
        QVERIFY_THROWS_EXCEPTION(ObjectStreamError, CampsiteClipboard::streamOf(block.chopped(1)));
        QVERIFY_THROWS_EXCEPTION(ObjectStreamError, CampsiteClipboard::streamOf("\x01\x00"));
    }

    void bringsPastedObjectsInside_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QRect>("inside");
        const QRect tent(16, 24, 40, 32);
        QTest::newRow("inside stays") << tent << tent;
        QTest::newRow("at the right edge stays")
            << tent.translated(539 - 16, 0) << tent.translated(539 - 16, 0);
        QTest::newRow("beyond the right edge") << tent.translated(600, 0) << QRect(499, 24, 40, 32);
        QTest::newRow("beyond the bottom edge")
            << tent.translated(0, 500) << QRect(16, 433, 40, 32);
        QTest::newRow("negative") << QRect(-8, -1, 40, 32) << QRect(0, 0, 40, 32);
        QTest::newRow("wider than the area") << QRect(700, 10, 800, 32) << QRect(0, 10, 800, 32);
    }

    void bringsPastedObjectsInside()
    {
        QFETCH(QRect, rect);
        QFETCH(QRect, inside);
        QCOMPARE(CampsiteClipboard::broughtInside(rect, QSize(539, 465)), inside);
    }

    void pastesTwiceOverTheCopiedObject()
    {
        ReadLayout layout;
        CampsiteStream::read(fixture("campsite.gnd"), layout, CampsiteStream::Mode::File);
        layout.objects.resize(1);
        CampsiteClipboard::copy({&layout.objects[0]});
        QVERIFY(CampsiteClipboard::hasObjects());
        QVERIFY(
            QGuiApplication::clipboard()->mimeData()->formats().contains("Dsn_ClipboardFormat"));

        CampsiteClipboard::paste(layout, QSize(539, 465));
        CampsiteClipboard::paste(layout, QSize(539, 465));
        QCOMPARE(layout.names(), QStringList({"Image1", "Image2", "Image3"}));
        for (const CampsiteObject& copy : layout.objects) {
            QCOMPARE(copy.geometry, layout.objects[0].geometry);
            QCOMPARE(copy.picture.block(), layout.objects[0].picture.block());
            QVERIFY(copy.stretch && copy.transparent);
        }
    }

    void stopsAPasteAtDataItCannotRead()
    {
        auto* data = new QMimeData;
        data->setData("Dsn_ClipboardFormat",
                      CampsiteClipboard::block(fixture("shape-between.gnd")));
        QGuiApplication::clipboard()->setMimeData(data);
        ReadLayout layout;
        QCOMPARE(failureOf([&] { CampsiteClipboard::paste(layout, QSize(539, 465)); }),
                 "Class TShape not found");
        QCOMPARE(layout.names(), QStringList{"Image1"});

        QGuiApplication::clipboard()->setText("not objects");
        QVERIFY(!CampsiteClipboard::hasObjects());
    }
};

QTEST_MAIN(TestCampsiteFiles)
#include "tst_campsitefiles.moc"
