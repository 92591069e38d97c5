#include "savefile.h"

#include "failure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

void saveFile(const QString& fileName, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        QString reason = file.errorString();
        while (reason.endsWith(u'.') || reason.endsWith(u' '))
            reason.chop(1);
        const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
        throw Failure(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
    }
    if (!write(file) || !file.commit())
        throw Failure(QStringLiteral("Failed to Save Stream"));
}
