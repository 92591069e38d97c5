#pragma once

// What must hold for any bytes read as a campsite stream; shared by the
// fuzzer and by the unit test that replays what the fuzzer once found.

#include "campsitestream.h"
#include "objectstreamerror.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace CampsiteStreamCheck {

// Keeps every object; names them as stored, or "Image1"... when a name repeats.
class Collector final : public CampsiteReadTarget {
public:
    QList<CampsiteObject> objects;

    QString nameForReadObject(const QString& storedName, CampsiteObject::Kind kind) override
    {
        if (!isTaken(storedName))
            return storedName;
        const QString word =
            kind == CampsiteObject::Kind::Image ? QStringLiteral("Image") : QStringLiteral("Label");
        for (int number = 1;; ++number) {
            if (!isTaken(word + QString::number(number)))
                return word + QString::number(number);
        }
    }
    void addReadObject(CampsiteObject object) override { objects.append(std::move(object)); }

    QByteArray write() const
    {
        QList<const CampsiteObject*> pointers;
        for (const CampsiteObject& object : objects)
            pointers.append(&object);
        return CampsiteStream::write(pointers);
    }

private:
    bool isTaken(const QString& name) const
    {
        for (const CampsiteObject& object : objects) {
            if (object.name.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }
};

[[noreturn]] inline void broken(const char* what)
{
    std::fprintf(stderr, "campsite stream check: %s\n", what);
    std::abort();
}

// Reads \a bytes both ways. Reading may fail only with ObjectStreamError, may
// not read past the stream, and what a file reading keeps must write out as
// a stream that reads back, even without skipping, to the same stream.
inline void check(QByteArrayView bytes)
{
    Collector strict;
    try {
        CampsiteStream::read(bytes, strict, CampsiteStream::Mode::Clipboard);
    } catch (const ObjectStreamError&) {
    }

    Collector lenient;
    try {
        const qsizetype used = CampsiteStream::read(bytes, lenient, CampsiteStream::Mode::File);
        if (used <= 0 || used > bytes.size())
            broken("read beyond the stream");
    } catch (const ObjectStreamError&) {
    }
    const QByteArray written = lenient.write();
    Collector again;
    try {
        CampsiteStream::read(written, again, CampsiteStream::Mode::Clipboard);
    } catch (const ObjectStreamError&) {
        broken("a written stream does not read back");
    }
    if (again.objects.size() != lenient.objects.size() || again.write() != written)
        broken("a written stream reads back differently");
}

} // namespace CampsiteStreamCheck
