#include "textoptions.h"

namespace {

// Heights are given in pixels at 96 pixels per inch; a font keeps its point
// size on every surface, so they are kept as point sizes.
QFont timesFont(double pointSize, bool bold, bool italic)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

TTextOptions::TTextOptions()
    : PageNumText(creditLine()), HeaderFont(timesFont(18, true, false)),
      FooterFont(timesFont(10, false, true)), PageNumFont(timesFont(10, false, true)),
      BodyFont(QStringLiteral("Arial"))
{
    BodyFont.setPointSizeF(10);
}

QString TTextOptions::creditLine()
{
    return QStringLiteral("Printed with Patrolia, made by Fernwick Scout Software");
}

QString TTextOptions::pageNumberLine(int page) const
{
    QString line = PageNumText;
    return line.replace(QStringLiteral("%d"), QString::number(page));
}
