#include "campsitefile.h"

#include "campsitestream.h"
#include "objectstreamerror.h"
#include "objectstreamwriter.h"
#include "savefile.h"

#include <QFile>
#include <QFileInfo>

namespace CampsiteFile {

QString dialogFilter()
{
    return QStringLiteral("Campsites (*.gnd)");
}

QString defaultSuffix()
{
    return QStringLiteral("gnd");
}

QString cannotReadMessage(const QString& fileName)
{
    return QStringLiteral("%1 can not be read").arg(QFileInfo(fileName).absoluteFilePath());
}

void save(const QString& fileName, const QList<const CampsiteObject*>& objects)
{
    saveFile(
        fileName,
        [&](QIODevice& file) {
            ObjectStreamWriter writer(&file);
            CampsiteStream::write(writer, objects);
            return writer.flush();
        },
        QStringLiteral("Stream write error"));
}

QByteArray readContents(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(cannotReadMessage(fileName));
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(cannotReadMessage(fileName));
    return contents;
}

void readObjects(const QString& fileName, QByteArrayView contents, CampsiteReadTarget& target)
{
    try {
        CampsiteStream::read(contents, target, CampsiteStream::Mode::File);
    } catch (const ObjectStreamError&) {
        throw Failure(cannotReadMessage(fileName));
    }
}

} // namespace CampsiteFile
