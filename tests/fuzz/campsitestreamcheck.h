#pragma once

// What must hold for any bytes read as a campsite stream; shared by the
// fuzzer and by the unit test that replays what the fuzzer once found.

#include "campsitestream.h"
#include "objectstreamerror.h"
#include "readlayout.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace CampsiteStreamCheck {

// The objects of \a layout written out as one stream.
inline QByteArray written(const ReadLayout& layout)
{
    return CampsiteStream::write(layout.pointers());
}

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
    ReadLayout strict{QStringList()};
    try {
        CampsiteStream::read(bytes, strict, CampsiteStream::Mode::Clipboard);
    } catch (const ObjectStreamError&) {
    }

    ReadLayout lenient{QStringList()};
    try {
        const qsizetype used = CampsiteStream::read(bytes, lenient, CampsiteStream::Mode::File);
        if (used <= 0 || used > bytes.size())
            broken("read beyond the stream");
    } catch (const ObjectStreamError&) {
    }
    const QByteArray stream = written(lenient);
    ReadLayout again{QStringList()};
    try {
        CampsiteStream::read(stream, again, CampsiteStream::Mode::Clipboard);
    } catch (const ObjectStreamError&) {
        broken("a written stream does not read back");
    }
    if (again.objects.size() != lenient.objects.size() || written(again) != stream)
        broken("a written stream reads back differently");
}

} // namespace CampsiteStreamCheck
