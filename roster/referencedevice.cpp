#include "referencedevice.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <cups/cups.h>

PageMetrics ReferenceDevice::screen()
{
    const QScreen* display = QGuiApplication::primaryScreen();
    const double dpi = display ? display->logicalDotsPerInchY() : 96.0;
    return PageMetrics::letterAt(dpi > 0 ? dpi : 96.0);
}

QString ReferenceDevice::currentPrinterName()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty())
        return name;
    const QStringList names = QPrinterInfo::availablePrinterNames();
    return names.isEmpty() ? QString() : names.constFirst();
}

int ReferenceDevice::printerResolution(const QString& name)
{
    const QByteArray utf8 = name.toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, utf8.constData(), nullptr);
    if (!dest)
        return 0;
    int resolution = 0;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        if (ipp_attribute_t* attribute =
                cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
            int yResolution = 0;
            ipp_res_t units = IPP_RES_PER_INCH;
            const int xResolution = ippGetResolution(attribute, 0, &yResolution, &units);
            resolution = units == IPP_RES_PER_CM ? int(xResolution * 2.54 + 0.5) : xResolution;
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return resolution;
}

std::optional<PageMetrics> ReferenceDevice::printer(const QString& name, bool landscape)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return std::nullopt;
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const int own = printerResolution(name);
    double dpi = own > 0 ? own : printer.resolution();
    if (dpi <= 0)
        dpi = screen().dpiY;
    const QRectF sheet = printer.pageLayout().fullRect(QPageLayout::Inch);
    if (sheet.isEmpty())
        return PageMetrics::letterAt(dpi);
    return PageMetrics{dpi, dpi, QSize(qRound(sheet.width() * dpi), qRound(sheet.height() * dpi))};
}

PageMetrics ReferenceDevice::current(bool landscape)
{
    const QString name = currentPrinterName();
    if (!name.isEmpty()) {
        if (const std::optional<PageMetrics> metrics = printer(name, landscape))
            return *metrics;
    }
    return screen();
}
