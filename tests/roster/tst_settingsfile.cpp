#include "failure.h"
#include "filecontents.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

SettingsFile::Saved sample(QSize screen, bool visible, bool showWelcome)
{
    SettingsFile::Saved values;
    values.screenSize = screen;
    values.normalRect = QRect(192, 114, 246, 105);
    values.visible = visible;
    values.showWelcome = showWelcome;
    return values;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void freshFileByteForByte()
    {
        QTemporaryDir dir;
        const SettingsFile file(dir.filePath(QStringLiteral("sub/roster.ini")));
        file.save(sample(QSize(1024, 768), true, true));
        QCOMPARE(fileContents(file.path()), QByteArray("[TForm3]\n"
                                                       "FormVersion=0\n"
                                                       "Flags=0\n"
                                                       "ShowCmd=1\n"
                                                       "PixelsPerInch=96\n"
                                                       "MinMaxPos(1024x768)=-1,-1,-1,-1\n"
                                                       "MinMaxPos=-1,-1,-1,-1\n"
                                                       "NormPos(1024x768)=192,114,438,219\n"
                                                       "NormPos=192,114,438,219\n"
                                                       "Visible=1\n"
                                                       "JvCheckBox1_Checked=True\n"));
    }

    void existingKeysKeepTheirPlaceAndForeignOnesStay()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("roster.ini"));
        writeFileContents(path, "[Other]\n"
                                "Colour=green\n"
                                "\n"
                                "[TForm3]\n"
                                "JvCheckBox1_Checked=True\n"
                                "Foreign=kept\n"
                                "NormPos=1,2,3,4\n"
                                "MinMaxPos(1024x768)=-1,-1,-1,-1\n");
        const SettingsFile file(path);
        file.save(sample(QSize(800, 600), false, false));
        QCOMPARE(fileContents(path), QByteArray("[Other]\n"
                                                "Colour=green\n"
                                                "\n"
                                                "\n"
                                                "[TForm3]\n"
                                                "JvCheckBox1_Checked=False\n"
                                                "Foreign=kept\n"
                                                "NormPos=192,114,438,219\n"
                                                "MinMaxPos(1024x768)=-1,-1,-1,-1\n"
                                                "FormVersion=0\n"
                                                "Flags=0\n"
                                                "ShowCmd=1\n"
                                                "PixelsPerInch=96\n"
                                                "MinMaxPos(800x600)=-1,-1,-1,-1\n"
                                                "MinMaxPos=-1,-1,-1,-1\n"
                                                "NormPos(800x600)=192,114,438,219\n"
                                                "Visible=0\n"));
    }

    void restore_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<int>("showWelcome"); // -1 unchanged, 0 False, 1 True
        QTest::addColumn<int>("showState");
        QTest::newRow("no file") << QByteArray() << true << -1 << 1;
        QTest::newRow("no section")
            << QByteArray("[Other]\nJvCheckBox1_Checked=False\n") << true << -1 << 1;
        QTest::newRow("False") << QByteArray("[TForm3]\nJvCheckBox1_Checked=False\n") << true << 0
                               << 1;
        QTest::newRow("lower case, spaces")
            << QByteArray("[tform3]\njvcheckbox1_checked= false \n") << true << 0 << 1;
        QTest::newRow("TRUE") << QByteArray("[TForm3]\nJvCheckBox1_Checked=TRUE\n") << true << 1
                              << 1;
        QTest::newRow("0 is ignored")
            << QByteArray("[TForm3]\nJvCheckBox1_Checked=0\n") << true << -1 << 1;
        QTest::newRow("yes is ignored")
            << QByteArray("[TForm3]\nJvCheckBox1_Checked=yes\n") << true << -1 << 1;
        QTest::newRow("FormVersion -1")
            << QByteArray("[TForm3]\nFormVersion=-1\nJvCheckBox1_Checked=False\n") << false << -1
            << 1;
        QTest::newRow("FormVersion not a number")
            << QByteArray("[TForm3]\nFormVersion=x\nJvCheckBox1_Checked=False\n") << true << 0 << 1;
        QTest::newRow("minimized") << QByteArray("[TForm3]\nShowCmd=6\n") << true << -1 << 2;
        QTest::newRow("maximized") << QByteArray("[TForm3]\nShowCmd=3\n") << true << -1 << 3;
        QTest::newRow("unknown show command")
            << QByteArray("[TForm3]\nShowCmd=42\n") << true << -1 << 1;
        static const char junk[] = "\xff\xfe[\x00\x01=\n\n[TForm3\n=\n";
        QTest::newRow("binary junk") << QByteArray(junk, sizeof junk - 1) << true << -1 << 1;
    }
    void restore()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, applied);
        QFETCH(int, showWelcome);
        QFETCH(int, showState);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("roster.ini"));
        if (!content.isEmpty())
            writeFileContents(path, content);
        const auto restored = SettingsFile(path).restore();
        QCOMPARE(restored.has_value(), applied);
        if (!restored)
            return;
        QCOMPARE(restored->showWelcome.has_value() ? int(*restored->showWelcome) : -1, showWelcome);
        QCOMPARE(restored->showState, showState);
    }

    void failedWriteKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/roster.ini");
        const QByteArray before("[TForm3]\nJvCheckBox1_Checked=True\n");
        writeFileContents(path, before);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        QFile::setPermissions(path, QFile::ReadOwner);
        const bool writable = QFile(path).open(QIODevice::ReadWrite);
        if (writable) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("running with privileges that ignore file permissions");
        }
        try {
            SettingsFile(path).save(sample(QSize(1024, 768), false, false));
            QFAIL("the save did not fail");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(), QStringLiteral("Unable to write to roster.ini"));
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(fileContents(path), before);
    }

    void aTargetThatIsAFolderFails()
    {
        // Works with every privilege: the file name is taken by a folder.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("roster.ini"));
        QVERIFY(QDir().mkpath(path));
        QVERIFY_THROWS_EXCEPTION(Failure,
                                 SettingsFile(path).save(sample(QSize(1024, 768), false, true)));
        QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
