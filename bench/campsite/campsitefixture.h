#pragma once

// A large campsite for the benchmarks: 10,000 objects (tents and the other
// 51 x 45 pictures, hills of 91 x 69, labels), about 70 MB as a file.

#include "campsiteobject.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

namespace BenchCampsite {

// A 24-bit bottom-up BMP file of the given size with a simple pattern.
inline QByteArray bmpFile(int width, int height, int seed)
{
    const int row = (width * 3 + 3) / 4 * 4;
    const int pixels = row * height;
    QByteArray file(54 + pixels, '\0');
    char* d = file.data();
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(quint32(file.size()), d + 2);
    qToLittleEndian<quint32>(54, d + 10);
    qToLittleEndian<quint32>(40, d + 14);
    qToLittleEndian<qint32>(width, d + 18);
    qToLittleEndian<qint32>(height, d + 22);
    qToLittleEndian<quint16>(1, d + 26);
    qToLittleEndian<quint16>(24, d + 28);
    qToLittleEndian<quint32>(quint32(pixels), d + 34);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            char* p = d + 54 + y * row + 3 * x;
            const bool ground = (x + y + seed) % 7 < 3;
            p[0] = char(ground ? 0 : 40 * seed);
            p[1] = char(ground ? 255 : 128);
            p[2] = char(ground ? 0 : 128);
        }
    }
    return file;
}

/// The objects of the large campsite, all within the layout area (539 x 465),
/// overlapping in rows, so that painting it draws every one of them.
inline QList<CampsiteObject> objects()
{
    QList<Picture> small;
    for (int kind = 0; kind < 4; ++kind)
        small.append(Picture::fromBmpFile(bmpFile(51, 45, kind)));
    const Picture hills = Picture::fromBmpFile(bmpFile(91, 69, 5));

    QList<CampsiteObject> objects;
    objects.reserve(10000);
    for (int i = 0; i < 10000; ++i) {
        CampsiteObject object;
        const QPoint at(8 * (i % 56), 8 * (i / 56 % 52));
        if (i % 10 == 9) {
            object.kind = CampsiteObject::Kind::Label;
            object.name = QStringLiteral("Label%1").arg(i + 2);
            object.caption = QStringLiteral("Patrol %1").arg(i);
            object.geometry = QRect(at, QSize(61, 13));
        } else {
            object.name = QStringLiteral("Image%1").arg(i + 1);
            object.picture = i % 20 == 0 ? hills : small[i % 4];
            object.stretch = true;
            object.transparent = i % 4 != 2;
            object.geometry = QRect(at, i % 20 == 0 ? QSize(96, 72) : QSize(48, 40));
        }
        objects.append(std::move(object));
    }
    return objects;
}

inline QList<const CampsiteObject*> pointers(const QList<CampsiteObject>& objects)
{
    QList<const CampsiteObject*> pointers;
    for (const CampsiteObject& object : objects)
        pointers.append(&object);
    return pointers;
}

} // namespace BenchCampsite
