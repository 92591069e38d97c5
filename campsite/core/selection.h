#pragma once

#include "campsiteobject.h"

#include <QList>
#include <QSet>

/// The designer's selection: campsite objects in the order they were selected.
/// It holds pointers to objects owned by the layout; remove objects from it
/// before destroying them.
class Selection {
public:
    const QList<CampsiteObject*>& objects() const { return m_objects; }
    int size() const { return int(m_objects.size()); }
    bool isEmpty() const { return m_objects.isEmpty(); }
    bool contains(const CampsiteObject* object) const { return m_members.contains(object); }
    CampsiteObject* first() const { return m_objects.isEmpty() ? nullptr : m_objects.first(); }

    /// Adds \a object at the end unless it is selected already.
    void add(CampsiteObject* object);
    void remove(CampsiteObject* object);
    /// Takes \a object out if it is selected, else adds it at the end.
    void toggle(CampsiteObject* object);
    void clear();
    /// The selection becomes \a objects, in their order.
    void assign(const QList<CampsiteObject*>& objects);
    QSet<const CampsiteObject*> members() const { return m_members; }

private:
    QList<CampsiteObject*> m_objects;
    QSet<const CampsiteObject*> m_members;
};
