#pragma once

#include <QFile>
#include <QtTest>

/// The bytes of a fixture under tests/data/campsite.
inline QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/campsite/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}
