#pragma once

#include "campsitereadtarget.h"

#include <QList>
#include <QStringList>

#include <algorithm>

/// A layout area for reading tests: holds the objects read, and names them by
/// the rule for read-in objects among its own names and \a otherNames (the
/// window's own parts, such as "Label1").
class ReadLayout final : public CampsiteReadTarget {
public:
    explicit ReadLayout(QStringList otherNames = {QStringLiteral("Label1")})
        : m_otherNames(std::move(otherNames))
    {
    }

    QList<CampsiteObject> objects;

    QStringList names() const
    {
        QStringList names;
        for (const CampsiteObject& object : objects)
            names.append(object.name);
        return names;
    }

    QList<const CampsiteObject*> pointers() const
    {
        QList<const CampsiteObject*> pointers;
        for (const CampsiteObject& object : objects)
            pointers.append(&object);
        return pointers;
    }

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

private:
    bool isTaken(const QString& name) const
    {
        if (m_otherNames.contains(name, Qt::CaseInsensitive))
            return true;
        return std::any_of(objects.begin(), objects.end(), [&](const CampsiteObject& object) {
            return object.name.compare(name, Qt::CaseInsensitive) == 0;
        });
    }

    QStringList m_otherNames;
};
