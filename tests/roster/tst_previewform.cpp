#include "emfwriter.h"
#include "gopageform.h"
#include "noprinter.h"
#include "pageview.h"
#include "previewform.h"
#include "previewprinter.h"
#include "referencedevice.h"
#include "rosterdocument.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

namespace {

/// An editor holding \a lines numbered roster lines.
void fill(QTextEdit& editor, int lines)
{
    RosterDocument roster(editor.document());
    roster.clear();
    for (int i = 1; i <= lines; ++i)
        roster.appendLine(QStringLiteral("Line %1: cook Alex, cleanup Sam").arg(i));
}

/// A preview window over an editor holding \a lines roster lines (none: one empty page).
struct Preview {
    explicit Preview(int lines = 0) : form(paginated(lines)) {}

    QTextEdit editor;
    TPreviewPrinter printer;
    TPreviewForm form;

private:
    TPreviewPrinter& paginated(int lines)
    {
        if (lines > 0)
            fill(editor, lines);
        printer.PaginateRichEdit(&editor);
        return printer;
    }
};

struct NavigationState {
    QString label;
    bool earlier;
    bool later;
    bool goTo;
};

NavigationState stateOf(const TPreviewForm& form)
{
    const bool earlier = form.PrevPageBut->isEnabled();
    const bool later = form.NextPageBut->isEnabled();
    // The speed buttons follow the tool bar's.
    if (form.FirstPageSpeed->isEnabled() != earlier || form.PrevPageSpeed->isEnabled() != earlier ||
        form.NextPageSpeed->isEnabled() != later || form.LastPageSpeed->isEnabled() != later)
        return {QStringLiteral("speed buttons disagree"), false, false, false};
    return {form.CurPageLabel->text(), earlier, later, form.PageNumSpeed->isEnabled()};
}

QString percent(int value)
{
    return QLocale::system().toString(value) + u'%';
}

} // namespace

class TestPreviewForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Patrolia"));
        withoutPrinters();
    }

    void withoutAPrinterPagesAreLetterSheetsAtTheScreensDensity()
    {
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        QCOMPARE(ReferenceDevice::current(false), PageMetrics::letterAt(dpi));
        QTextEdit editor;
        fill(editor, 5);
        TPreviewPrinter printer;
        printer.PaginateRichEdit(&editor);
        QCOMPARE(printer.PageCount(), 1);
        QCOMPARE(printer.page(0).metrics(), PageMetrics::letterAt(dpi));
        QVERIFY(!printer.isLayoutOpen());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void showPreviewOpensTheMaximizedWindowOnPageOne()
    {
        QTextEdit editor;
        fill(editor, 150);
        TPreviewPrinter printer;
        printer.PaginateRichEdit(&editor);
        QVERIFY(printer.PageCount() > 2);
        ScriptedDialogs dialogs;
        QString label, zoomEntry, title;
        bool maximized = false, grid = true, zoomTool = false;
        dialogs.dialogAnswers.push_back([&](QDialog& dialog) {
            auto& form = dynamic_cast<TPreviewForm&>(dialog);
            title = form.windowTitle();
            maximized = form.windowState().testFlag(Qt::WindowMaximized);
            label = form.CurPageLabel->text();
            zoomEntry = form.ZoomBox->currentText();
            grid = form.GridBut->isChecked();
            zoomTool =
                form.ZoomCursorBut->isChecked() && form.pageView()->tool() == PageView::Tool::Zoom;
            return int(QDialog::Rejected);
        });
        printer.ShowPreview();
        QCOMPARE(dialogs.dialogTitles, QStringList{QStringLiteral("Patrolia")});
        QCOMPARE(title, QStringLiteral("Patrolia"));
        QVERIFY(maximized);
        QCOMPARE(label, QStringLiteral("Page 1 of %1").arg(printer.PageCount()));
        QCOMPARE(zoomEntry, QStringLiteral("Fit To Page"));
        QVERIFY(!grid);
        QVERIFY(zoomTool);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void previewIsRefusedWhileALayoutIsOpen()
    {
        TPreviewPrinter printer;
        printer.BeginDoc();
        ScriptedDialogs dialogs;
        printer.ShowPreview();
        QVERIFY(dialogs.dialogTitles.isEmpty());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Error"));
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Error on getting preview form"));
    }

    void navigation()
    {
        QTextEdit editor;
        TPreviewPrinter printer;
        printer.PaginateRichEdit(&editor);
        {
            // An empty roster: one page, nothing to move to.
            TPreviewForm form(printer);
            const NavigationState state = stateOf(form);
            QCOMPARE(state.label, QStringLiteral("Page 1 of 1"));
            QVERIFY(!state.earlier && !state.later && !state.goTo);
        }
        fill(editor, 150);
        printer.PaginateRichEdit(&editor);
        const int count = printer.PageCount();
        QCOMPARE(count, 3);
        TPreviewForm form(printer);
        NavigationState state = stateOf(form);
        QVERIFY(!state.earlier && state.later && state.goTo);
        QTest::mouseClick(form.NextPageBut, Qt::LeftButton);
        state = stateOf(form);
        QCOMPARE(state.label, QStringLiteral("Page 2 of 3"));
        QVERIFY(state.earlier && state.later);
        QTest::mouseClick(form.LastPageSpeed, Qt::LeftButton);
        state = stateOf(form);
        QCOMPARE(state.label, QStringLiteral("Page 3 of 3"));
        QVERIFY(state.earlier && !state.later);
        QTest::mouseClick(form.PrevPageSpeed, Qt::LeftButton);
        QCOMPARE(form.currentPage(), 1);
        QTest::mouseClick(form.FirstPageSpeed, Qt::LeftButton);
        QCOMPARE(form.currentPage(), 0);
        QVERIFY(!stateOf(form).earlier);

        // "Go to Page Number": starts at the page on view, from 1 to the count; Cancel does
        // nothing.
        ScriptedDialogs dialogs;
        int minimum = 0, maximum = 0, start = 0;
        dialogs.dialogAnswers.push_back([&](QDialog& dialog) {
            auto& goTo = dynamic_cast<TGoPageForm&>(dialog);
            minimum = goTo.PageNum->minimum();
            maximum = goTo.PageNum->maximum();
            start = goTo.PageNum->value();
            goTo.PageNum->setValue(3);
            return int(QDialog::Accepted);
        });
        dialogs.dialogAnswers.push_back([](QDialog& dialog) {
            dynamic_cast<TGoPageForm&>(dialog).PageNum->setValue(1);
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(form.PageNumSpeed, Qt::LeftButton);
        QCOMPARE(dialogs.dialogTitles, QStringList{QStringLiteral("Go to Page Number")});
        QCOMPARE(minimum, 1);
        QCOMPARE(maximum, 3);
        QCOMPARE(start, 1);
        QCOMPARE(form.CurPageLabel->text(), QStringLiteral("Page 3 of 3"));
        QTest::mouseClick(form.PageNumSpeed, Qt::LeftButton);
        QCOMPARE(form.currentPage(), 2);
    }

    void zoomList_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<double>("factor");
        const double factors[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
        for (int i = 0; i < 9; ++i)
            QTest::newRow(qPrintable(TPreviewForm::zoomEntries()[i + 3])) << i + 3 << factors[i];
    }
    void zoomList()
    {
        QFETCH(int, entry);
        QFETCH(double, factor);
        Preview preview;
        TPreviewForm& form = preview.form;
        form.ZoomBox->setCurrentIndex(entry);
        form.ZoomBoxChange();
        QCOMPARE(form.zoomFactor(), factor);
        QCOMPARE(form.ZoomLabel->text(), percent(qRound(factor * 100)));
        // The sheet on screen: inches x pixels per inch x factor.
        const QRect sheet = form.pageView()->sheetRect();
        QCOMPARE(sheet.width(), int(8.5 * form.pageView()->logicalDpiX() * factor));
    }

    void fitZoomsAndTheirLimits()
    {
        Preview preview;
        TPreviewForm& form = preview.form;
        form.resize(1000, 800);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        PageView* view = form.pageView();
        const double dpiY = view->logicalDpiY();
        const double dpiX = view->logicalDpiX();
        QCOMPARE(form.zoomFactor(), (view->viewport()->height() - 20) / (11 * dpiY));
        QTest::mouseClick(form.FitWidthBut, Qt::LeftButton);
        QCOMPARE(form.ZoomBox->currentText(), QStringLiteral("Fit To Width"));
        QCOMPARE(form.zoomFactor(), (view->viewport()->width() - 20) / (8.5 * dpiX));
        // Wider than the view: the sheet sits 10 pixels from the left edge.
        QCOMPARE(view->sheetRect().left(), 10);
        QTest::mouseClick(form.FitPageBut, Qt::LeftButton);
        QCOMPARE(form.ZoomBox->currentText(), QStringLiteral("Fit To Page"));
        // Smaller than the view: centred.
        const QRect sheet = view->sheetRect();
        QVERIFY(std::abs(sheet.center().x() - view->viewport()->width() / 2) <= 1);

        // The zoom tool: left click x1.5, right click /1.5, held between 0.15 and 20.
        const double before = form.zoomFactor();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, sheet.center());
        QCOMPARE(form.zoomFactor(), before * 1.5);
        QCOMPARE(form.ZoomBox->currentText(), QStringLiteral("Custom"));
        QCOMPARE(form.ZoomLabel->text(), percent(qRound(before * 150)));
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->viewport()->rect().center());
        QCOMPARE(form.zoomFactor(), before);
        for (int i = 0; i < 20; ++i)
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->viewport()->rect().center());
        QCOMPARE(form.zoomFactor(), 20.0);
        QCOMPARE(form.ZoomLabel->text(), percent(2000));
        for (int i = 0; i < 30; ++i)
            QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                              view->viewport()->rect().center());
        QCOMPARE(form.zoomFactor(), 0.15);
        // "Custom" keeps the factor last in use.
        form.ZoomBox->setCurrentIndex(2);
        form.ZoomBoxChange();
        QCOMPARE(form.zoomFactor(), 0.15);
    }

    void theZoomToolBringsTheClickedPointToTheCentre()
    {
        Preview preview;
        TPreviewForm& form = preview.form;
        form.resize(1000, 800);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        PageView* view = form.pageView();
        form.ZoomBox->setCurrentIndex(6); // 100%
        form.ZoomBoxChange();
        const QRect sheet = view->sheetRect();
        // A point right of the middle, in the upper half: far enough in to be centred after the
        // zoom.
        const QPoint at(sheet.left() + sheet.width() * 6 / 10,
                        sheet.top() + sheet.height() * 45 / 100);
        QVERIFY(view->viewport()->rect().contains(at));
        const QPointF fraction = view->sheetFractionAt(at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        const QPointF centre = view->viewport()->rect().center();
        const QRect zoomed = view->sheetRect();
        const QPointF now(zoomed.left() + fraction.x() * zoomed.width(),
                          zoomed.top() + fraction.y() * zoomed.height());
        QVERIFY2((now - centre).manhattanLength() <= 3,
                 qPrintable(QStringLiteral("%1,%2").arg(now.x()).arg(now.y())));

        // The rectangle zoom: a right click returns to "Fit To Page".
        QTest::mouseClick(form.spdNewZoom, Qt::LeftButton);
        QCOMPARE(view->tool(), PageView::Tool::RectangleZoom);
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->viewport()->rect().center());
        QCOMPARE(form.ZoomBox->currentText(), QStringLiteral("Fit To Page"));
        // A dragged rectangle fills the view.
        const double fit = form.zoomFactor();
        const QPoint from = view->viewport()->rect().center() - QPoint(50, 40);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view->viewport(), from + QPoint(100, 80));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, from + QPoint(100, 80));
        QCOMPARE(form.ZoomBox->currentText(), QStringLiteral("Custom"));
        QVERIFY(form.zoomFactor() > fit * 5);
    }

    void hintsShowInTheStatusBar()
    {
        Preview preview;
        TPreviewForm& form = preview.form;
        QStatusTipEvent tip(form.HandCursorBut->statusTip());
        QCoreApplication::sendEvent(form.HandCursorBut, &tip);
        QCOMPARE(form.StatusBar->currentMessage(),
                 QStringLiteral("Selects the Hand Tool to pan across the Page"));
        QCOMPARE(form.PrintBut->toolTip(), QStringLiteral("Print the Current Document"));
        QCOMPARE(form.PageNumSpeed->toolTip(), QStringLiteral("Go to Page by Page Number"));
        QStringList entries;
        for (const QAction* action : form.PopupMenu->actions()) {
            if (!action->isSeparator())
                entries << action->text();
        }
        QCOMPARE(entries, (QStringList{QStringLiteral("&Save all pages as EMF"),
                                       QStringLiteral("S&ave all pages as Jpeg"),
                                       QStringLiteral("Copy this page to Clipboard as EMF"),
                                       QStringLiteral("Copy this page to Clipboard as Jpeg"),
                                       QStringLiteral("C&lose")}));
    }

    void escapeAndCloseEndThePreview()
    {
        Preview preview;
        TPreviewForm& form = preview.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        form.show();
        form.Close1->trigger();
        QVERIFY(!form.isVisible());
        QCOMPARE(preview.printer.PageCount(), 1); // the page list stays with the component
    }

    void copiesAndSavesThePages()
    {
        Preview preview(150);
        TPreviewForm& form = preview.form;
        form.NextPageButClick();
        form.CopyJpeg1->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(QStringLiteral("image/jpeg")));
        const QImage copied = QImage::fromData(data->data(QStringLiteral("image/jpeg")), "JPG");
        QCOMPARE(copied.size(), preview.printer.page(1).metrics().sheetDots);
        form.CopyEMF1->trigger();
        data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->data(QStringLiteral("image/emf")),
                 EmfWriter::write(preview.printer.page(1)));

        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("roster.WMF")));
        dialogs.saveAnswers.push_back(std::nullopt);
        form.SaveEMF1->trigger();
        form.SaveJpeg1->trigger();
        QCOMPARE(dialogs.saveRequests.size(), 2);
        QCOMPARE(dialogs.saveRequests[0].filter,
                 QStringLiteral("Windows MetaFiles (*.WMF);;All Files (*)"));
        QCOMPARE(dialogs.saveRequests[0].defaultSuffix, QStringLiteral("WMF"));
        QCOMPARE(dialogs.saveRequests[1].filter,
                 QStringLiteral("JPEG Files (*.jpg *.jpeg);;All Files (*)"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("roster1.EMF"), QStringLiteral("roster2.EMF"),
                              QStringLiteral("roster3.EMF")}));
    }

    void aNewLayoutShowsTheEditAndDropsTheOldPages()
    {
        QTextEdit editor;
        fill(editor, 150);
        TPreviewPrinter printer;
        printer.PaginateRichEdit(&editor);
        QCOMPARE(printer.PageCount(), 3);
        editor.setPlainText(QStringLiteral("Edited by hand"));
        printer.PaginateRichEdit(&editor);
        QCOMPARE(printer.PageCount(), 1);
        bool found = false;
        for (const PageRecording::Command& command : printer.page(0).commands()) {
            if (const auto* text = std::get_if<PageRecording::Text>(&command))
                found = found || text->text == QStringLiteral("Edited by hand");
        }
        QVERIFY(found);
    }

    void printingWithoutAPrinterIsReported()
    {
        Preview preview;
        TPreviewForm& form = preview.form;
        ScriptedDialogs dialogs;
        QTest::mouseClick(form.PrintBut, Qt::LeftButton);
        QVERIFY(dialogs.printRequests.isEmpty());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Patrolia"));
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("There is no default printer currently selected."));
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Error);
    }
};

QTEST_MAIN(TestPreviewForm)
#include "tst_previewform.moc"
