#pragma once

#include <QDir>
#include <QFile>
#include <QString>

/// Points the print system at a scheduler that is not there, so no printer is
/// found and pages are laid out against the screen.
inline void withoutPrinters()
{
    qputenv("CUPS_SERVER",
            QFile::encodeName(QDir::temp().filePath(QStringLiteral("no-cups-here.sock"))));
}
