#include "previewprinter.h"

#include "busycursor.h"
#include "dialogs.h"
#include "failure.h"
#include "previewform.h"
#include "referencedevice.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextEdit>

TPreviewPrinter::TPreviewPrinter(QObject* parent) : QObject(parent) {}

TPreviewPrinter::~TPreviewPrinter() = default;

void TPreviewPrinter::BeginDoc()
{
    m_pages.clear();
    m_pageStarts.clear();
    CurrentPage = 0;
    m_layoutOpen = true;
}

void TPreviewPrinter::EndDoc()
{
    m_layoutOpen = false;
}

TTextOptions TPreviewPrinter::optionsInInches() const
{
    TTextOptions options = TextOptions;
    if (Units == unCentimeters) {
        for (double* margin : {&options.MarginLeft, &options.MarginTop, &options.MarginRight,
                               &options.MarginBottom, &options.HeaderMargin, &options.FooterMargin})
            *margin /= 2.54;
    }
    return options;
}

void TPreviewPrinter::PaginateRichEdit(QTextEdit* editor)
{
    BusyCursor busy;
    const TTextOptions options = optionsInInches();
    BeginDoc();
    // The reference device is asked once a layout: its measures do not change
    // between the pages of one layout.
    std::optional<PageMetrics> metrics;
    PageLayout::Result result = PageLayout::paginate(*editor->document(), options, [&] {
        if (!metrics)
            metrics = ReferenceDevice::current(landscape());
        return *metrics;
    });
    m_pages = std::move(result.pages);
    m_pageStarts = std::move(result.pageStarts);
    EndDoc();
}

void TPreviewPrinter::ShowPreview(QWidget* parent)
{
    if (m_layoutOpen) {
        Dialogs::instance().message(parent, QStringLiteral("Error"),
                                    QStringLiteral("Error on getting preview form"),
                                    Dialogs::Icon::Error);
        return;
    }
    TPreviewForm form(*this, parent);
    // Maximized; the screen's working area also where no window manager maximizes.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form.setGeometry(screen->availableGeometry());
    form.setWindowState(Qt::WindowMaximized);
    Dialogs::instance().execDialog(form);
}

void TPreviewPrinter::Print(QWidget* parent)
{
    if (m_printerName.isEmpty() && QPrinterInfo::defaultPrinterName().isEmpty())
        throw Failure(QStringLiteral("There is no default printer currently selected"));
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        throw Failure(QStringLiteral("NO PRINTERS AVAILABLE"));

    const QString current =
        m_printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : m_printerName;
    QPrinter printer(QPrinterInfo::printerInfo(current), QPrinter::HighResolution);
    const int count = PageCount();
    const std::optional<Dialogs::PrintChoice> choice =
        Dialogs::instance().print(parent, printer, {1, count});
    if (!choice)
        return;
    if (!printer.printerName().isEmpty())
        m_printerName = printer.printerName();

    int from = 1;
    int to = count;
    if (choice->range == Dialogs::PrintChoice::Range::Selection) {
        from = to = CurrentPage + 1;
    } else if (choice->range == Dialogs::PrintChoice::Range::Pages) {
        from = std::max(choice->fromPage, 1);
        to = std::min(choice->toPage, count);
    }
    BusyCursor busy;
    for (int copy = 0; copy < choice->copies; ++copy) {
        for (int page = from; page <= to; ++page)
            PrintPage(page - 1, m_printerName, printer.pageLayout().pageSize());
    }
}

void TPreviewPrinter::PrintPage(int index, const QString& printerName, const QPageSize& pageSize)
{
    QPrinter job(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
    job.setPageSize(pageSize);
    job.setPageOrientation(landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    job.setDocName(Title);
    job.setCopyCount(1);
    job.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&job))
        throw Failure(QStringLiteral("Cannot start a print job on \"%1\"").arg(printerName));
    // The painter's origin is the printable area's top-left corner.
    const double dpi = job.resolution();
    const QSizeF box = landscape() ? QSizeF(10.25, 7.75) : QSizeF(7.75, 10.25);
    page(index).playInto(painter, QRectF(QPointF(0, 0), box * dpi));
    if (!painter.end())
        throw Failure(QStringLiteral("Cannot print on \"%1\"").arg(printerName));
}
