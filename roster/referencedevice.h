#pragma once

#include "pagegeometry.h"

#include <QString>

#include <optional>

/// The device the roster pages are laid out against: the current printer, set
/// to the layout's orientation, or the screen when there is no printer or it
/// cannot be reached.
class ReferenceDevice {
public:
    /// The measures of the current (default) printer in \a landscape or portrait,
    /// or of the screen.
    static PageMetrics current(bool landscape);
    /// The named printer's densities and sheet; nullopt when it cannot be used.
    static std::optional<PageMetrics> printer(const QString& name, bool landscape);
    /// The screen: its pixels per inch, an 8.5 x 11 inch sheet.
    static PageMetrics screen();
    /// The name of the printer output goes to: the default one, else the first
    /// installed; empty when none is installed.
    static QString currentPrinterName();
    /// The printer's own density in dots per inch (from CUPS), 0 when unknown.
    static int printerResolution(const QString& name);
};
