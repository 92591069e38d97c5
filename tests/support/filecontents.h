#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

/// The bytes of the file at \a path, or "(missing)" when it cannot be read.
inline QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

/// Writes \a contents as the whole file at \a path; fails the test when it cannot.
inline void writeFileContents(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}
