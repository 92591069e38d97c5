// Printing through a real CUPS scheduler of the test's own, with a cups-pdf
// queue as the default printer; the PDFs it writes are read back with poppler.
#include "previewform.h"
#include "previewprinter.h"
#include "referencedevice.h"
#include "rosterdocument.h"
#include "scripteddialogs.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include <unistd.h>

namespace {

const QString kCupsScript = QStringLiteral(QT_TESTCASE_SOURCEDIR "/support/cups.sh");

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitCode();
    if (process.exitCode() != 0)
        qWarning().noquote() << program << arguments << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPreviewPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("the private CUPS scheduler needs root");
        QCoreApplication::setApplicationName(QStringLiteral("Patrolia"));
        QVERIFY(m_cups.isValid());
        int status = 0;
        const QString queue = QStringLiteral("patrolia%1").arg(getpid());
        const QString environment =
            run(kCupsScript, {QStringLiteral("start"), m_cups.path(), queue}, &status);
        QCOMPARE(status, 0);
        m_started = true;
        for (const QString& line : environment.split(u'\n', Qt::SkipEmptyParts)) {
            const QString name = line.section(u'=', 0, 0);
            const QString value = line.section(u'=', 1);
            if (name == QLatin1String("CUPS_SERVER"))
                qputenv("CUPS_SERVER", value.toLocal8Bit());
            else if (name == QLatin1String("CUPS_PDF_DIR"))
                m_pdfDir = value;
        }
        QVERIFY(!m_pdfDir.isEmpty());

        // A roster of three pages, each page's first line telling it apart.
        RosterDocument roster(m_editor.document());
        for (int i = 1; i <= 150; ++i)
            roster.appendLine(QStringLiteral("Roster line %1").arg(i));
        m_printer.PaginateRichEdit(&m_editor);
        QCOMPARE(m_printer.PageCount(), 3);
    }

    void cleanupTestCase()
    {
        if (m_started)
            run(kCupsScript, {QStringLiteral("stop"), m_cups.path()});
    }

    void init()
    {
        QDir pdfs(m_pdfDir);
        for (const QString& name : pdfs.entryList(QDir::Files))
            pdfs.remove(name);
    }

    void theDefaultPrinterIsTheReferenceDevice()
    {
        const PageMetrics metrics = ReferenceDevice::current(false);
        // cups-pdf's own density, not the 1200 dpi of Qt's PDF engine.
        QCOMPARE(metrics.dpiX, 300.0);
        QCOMPARE(metrics.dpiY, 300.0);
        QPrinter printer(QPrinterInfo::defaultPrinter());
        const QSizeF inches = printer.pageLayout().pageSize().size(QPageSize::Inch);
        QCOMPARE(metrics.sheetDots,
                 QSize(qRound(inches.width() * 300), qRound(inches.height() * 300)));
        QCOMPARE(m_printer.page(0).metrics(), metrics);
    }

    void twoCopiesOfThreePagesGiveSixJobsInPageOrder()
    {
        const QList<int> pages = print({Dialogs::PrintChoice::Range::All, 1, 3, 2});
        QCOMPARE(pages, (QList<int>{1, 2, 3, 1, 2, 3}));
    }

    void selectionPrintsThePageOnView()
    {
        const QList<int> pages = print({Dialogs::PrintChoice::Range::Selection, 1, 3, 1}, 1);
        QCOMPARE(pages, QList<int>{2});
    }

    void pageRangePrintsThePagesTyped()
    {
        const QList<int> pages = print({Dialogs::PrintChoice::Range::Pages, 2, 3, 1});
        QCOMPARE(pages, (QList<int>{2, 3}));
    }

    void landscapeInTheDialogStillPrintsPortrait()
    {
        m_landscape = true;
        const QList<int> pages = print({Dialogs::PrintChoice::Range::Selection, 1, 3, 1});
        m_landscape = false;
        QCOMPARE(pages, QList<int>{1});
        const QString info = run(QStringLiteral("pdfinfo"), {pdfFiles().constFirst()});
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        QVERIFY2(size.captured(1).toDouble() < size.captured(2).toDouble(), qPrintable(info));
        QVERIFY(QRegularExpression(QStringLiteral("Page rot:\\s+0\\b")).match(info).hasMatch());
    }

    void cancellingTheDialogPrintsNothing()
    {
        ScriptedDialogs dialogs;
        dialogs.printAnswers.push_back(std::nullopt);
        TPreviewForm form(m_printer);
        form.PrintButClick();
        QCOMPARE(dialogs.printRequests.size(), 1);
        QCOMPARE(dialogs.printRequests[0].minPage, 1);
        QCOMPARE(dialogs.printRequests[0].maxPage, 3);
        QCOMPARE(run(QStringLiteral("lpstat"),
                     {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}),
                 QString());
        QVERIFY(pdfFiles().isEmpty());
    }

private:
    /// The PDFs written, in job order.
    QStringList pdfFiles() const
    {
        static const QRegularExpression job(QStringLiteral("job_(\\d+)"));
        QStringList files;
        for (const QString& name : QDir(m_pdfDir).entryList({QStringLiteral("*.pdf")}, QDir::Files))
            files << QDir(m_pdfDir).filePath(name);
        std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
            return job.match(a).captured(1).toInt() < job.match(b).captured(1).toInt();
        });
        return files;
    }

    /// Prints from the preview with page \a onView on view; the page numbers of the jobs written.
    QList<int> print(const Dialogs::PrintChoice& choice, int onView = 0)
    {
        ScriptedDialogs dialogs;
        dialogs.printAnswers.push_back(choice);
        if (m_landscape)
            dialogs.printSetup = [](QPrinter& printer) {
                printer.setPageOrientation(QPageLayout::Landscape);
            };
        TPreviewForm form(m_printer);
        for (int i = 0; i < onView; ++i)
            form.NextPageButClick();
        QTest::mouseClick(form.PrintBut, Qt::LeftButton);
        if (!dialogs.messages.isEmpty())
            qWarning() << dialogs.messages[0].text;
        int expected = choice.copies;
        if (choice.range == Dialogs::PrintChoice::Range::All)
            expected *= 3;
        else if (choice.range == Dialogs::PrintChoice::Range::Pages)
            expected *= choice.toPage - choice.fromPage + 1;
        int status = 0;
        run(kCupsScript, {QStringLiteral("wait"), m_cups.path(), QString::number(expected)},
            &status);
        if (status != 0)
            return {};
        QList<int> pages;
        for (const QString& file : pdfFiles()) {
            const QString info = run(QStringLiteral("pdfinfo"), {file});
            if (!info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
                return {-1};
            const QString text = run(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), file, QStringLiteral("-")});
            if (!text.contains(QStringLiteral("Printed with Patrolia")))
                return {-2};
            pages << pageOf(text);
        }
        return pages;
    }

    /// Which page a printed text is: the page whose first line it begins with.
    int pageOf(const QString& text) const
    {
        const QString first = text.trimmed().section(u'\n', 0, 0).trimmed();
        for (int i = 0; i < m_printer.PageCount(); ++i) {
            if (m_editor.document()->findBlock(m_printer.pageStarts()[i]).text() == first)
                return i + 1;
        }
        return 0;
    }

    QTemporaryDir m_cups;
    bool m_started = false;
    bool m_landscape = false;
    QString m_pdfDir;
    QTextEdit m_editor;
    TPreviewPrinter m_printer;
};

QTEST_MAIN(TestPreviewPrint)
#include "tst_previewprint.moc"
