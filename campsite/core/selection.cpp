#include "selection.h"

void Selection::add(CampsiteObject* object)
{
    if (m_members.contains(object))
        return;
    m_members.insert(object);
    m_objects.append(object);
}

void Selection::remove(CampsiteObject* object)
{
    if (m_members.remove(object))
        m_objects.removeOne(object);
}

void Selection::toggle(CampsiteObject* object)
{
    if (contains(object))
        remove(object);
    else
        add(object);
}

void Selection::clear()
{
    m_objects.clear();
    m_members.clear();
}

void Selection::assign(const QList<CampsiteObject*>& objects)
{
    clear();
    m_members.reserve(objects.size());
    for (CampsiteObject* object : objects)
        add(object);
}
