#include "errorreport.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QTest>

class TestErrorReport : public QObject {
    Q_OBJECT
private slots:
    void fullStopRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Unable to write to roster.ini" << "Unable to write to roster.ini.";
        QTest::newRow("digit") << "Error 5" << "Error 5.";
        QTest::newRow("closing parenthesis") << "List index out of bounds (0)"
                                             << "List index out of bounds (0)";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("exclamation mark") << "Stop!" << "Stop!";
        QTest::newRow("hyphen sorts before") << "a-" << "a-";
        QTest::newRow("slash sorts after") << "a/" << "a/.";
        QTest::newRow("quote") << "Cannot create file \"x\"" << "Cannot create file \"x\"";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("accented letter") << QString::fromUtf8("caf\u00e9") << QString::fromUtf8("caf\u00e9.");
    }
    void fullStopRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void handlerFailureIsReportedOnceAndKeepsItsState()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Patrolia"));
        ScriptedDialogs dialogs;
        int reached = 0;
        auto handler = guarded([&] {
            reached = 1;
            throw Failure(QStringLiteral("RichEdit line insertion error"));
        });
        handler();
        QCOMPARE(reached, 1);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Patrolia"));
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("RichEdit line insertion error."));
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Error);
    }

    void standardExceptionsAreReportedToo()
    {
        ScriptedDialogs dialogs;
        runHandler([] { throw std::runtime_error("disk full"); });
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("disk full."));
    }
};

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
