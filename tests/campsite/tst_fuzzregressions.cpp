// Replays every input that once broke the campsite stream reader, and the
// fixtures, through the checks the fuzzer makes.
#include "../fuzz/campsitestreamcheck.h"

#include <QDir>
#include <QtTest>

class TestFuzzRegressions : public QObject {
    Q_OBJECT

private slots:
    void holdsForEveryKeptInput_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* folder : {"fuzz-regressions", "campsite"}) {
            const QDir dir(QStringLiteral(TEST_DATA_DIR "/") + folder);
            for (const QFileInfo& file : dir.entryInfoList(QDir::Files))
                QTest::newRow(qPrintable(file.fileName())) << file.filePath();
        }
    }

    void holdsForEveryKeptInput()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // A buffer of exactly the input's length, so the sanitizers see any read past it.
        const auto exact = std::make_unique<char[]>(std::max<qsizetype>(bytes.size(), 1));
        std::copy(bytes.begin(), bytes.end(), exact.get());
        CampsiteStreamCheck::check(QByteArrayView(exact.get(), bytes.size()));
    }
};

QTEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
