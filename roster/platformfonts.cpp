#include "platformfonts.h"

#include <QFontDatabase>
#include <QStringList>

void installPlatformFonts()
{
    static const bool installed = [] {
        const struct {
            const char* family;
            const char* standIn;
        } substitutes[] = {
            {"Tahoma", "Liberation Sans"},
            {"MS Sans Serif", "Liberation Sans"},
            {"Arial", "Liberation Sans"},
            {"Times New Roman", "Liberation Serif"},
        };
        const QStringList families = QFontDatabase::families();
        for (const auto& substitute : substitutes) {
            const QString family = QLatin1String(substitute.family);
            if (!families.contains(family, Qt::CaseInsensitive))
                QFont::insertSubstitution(family, QLatin1String(substitute.standIn));
        }
        return true;
    }();
    Q_UNUSED(installed);
}

QFont platformFont(const char* family, int pixelSize)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    return font;
}
