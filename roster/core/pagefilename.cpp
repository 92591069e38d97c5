#include "pagefilename.h"

QString pageFileName(const QString& chosen, int page, const QString& extension)
{
    const qsizetype slash = chosen.lastIndexOf(u'/');
    const qsizetype dot = chosen.indexOf(u'.', slash + 1);
    const QString stem = dot < 0 ? chosen : chosen.left(dot);
    return stem + QString::number(page) + extension;
}
