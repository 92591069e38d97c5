#include "savefile.h"

#include "failure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

void saveFile(const QString& fileName, const std::function<bool(QIODevice&)>& write,
              const QString& writeFailure)
{
    QSaveFile file(fileName);
    // Unbuffered: writers hand over large pieces, which go straight to the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        QString reason = file.errorString();
        while (reason.endsWith(u'.') || reason.endsWith(u' '))
            reason.chop(1);
        const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
        throw Failure(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
    }
    if (!write(file) || !file.commit())
        throw Failure(writeFailure);
}
