#include "campsitelayout.h"

#include <algorithm>

CampsiteObject* CampsiteLayout::append(std::unique_ptr<CampsiteObject> object)
{
    m_names.add(object->name);
    m_objects.push_back(std::move(object));
    return m_objects.back().get();
}

CampsiteObject* CampsiteLayout::addNew(std::unique_ptr<CampsiteObject> object)
{
    object->name = m_names.firstFreeName(nameWord(*object));
    if (object->isLabel())
        object->caption = object->name;
    return append(std::move(object));
}

CampsiteObject* CampsiteLayout::addReadIn(std::unique_ptr<CampsiteObject> object)
{
    if (object->name.isEmpty() || m_names.contains(object->name))
        object->name = m_names.firstFreeName(nameWord(*object));
    return append(std::move(object));
}

void CampsiteLayout::remove(const QSet<const CampsiteObject*>& objects)
{
    if (objects.isEmpty())
        return;
    auto gone = std::stable_partition(m_objects.begin(), m_objects.end(), [&](const auto& object) {
        return !objects.contains(object.get());
    });
    for (auto it = gone; it != m_objects.end(); ++it)
        m_names.remove((*it)->name);
    m_objects.erase(gone, m_objects.end());
}

void CampsiteLayout::clear()
{
    while (!m_objects.empty()) {
        m_names.remove(m_objects.back()->name);
        m_objects.pop_back();
    }
}

QList<CampsiteObject*> CampsiteLayout::objectList() const
{
    QList<CampsiteObject*> list;
    list.reserve(size());
    for (const auto& object : m_objects)
        list.append(object.get());
    return list;
}

CampsiteObject* CampsiteLayout::objectAt(QPoint point) const
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it)
        if (rectContains((*it)->geometry, point))
            return it->get();
    return nullptr;
}

QList<CampsiteObject*> CampsiteLayout::objectsOverlapping(const QRect& band) const
{
    const qint64 left = band.x(), top = band.y();
    const qint64 right = left + band.width(), bottom = top + band.height();
    QList<CampsiteObject*> found;
    for (const auto& object : m_objects) {
        const QRect& r = object->geometry;
        if (std::max<qint64>(left, r.x()) < std::min<qint64>(right, qint64(r.x()) + r.width()) &&
            std::max<qint64>(top, r.y()) < std::min<qint64>(bottom, qint64(r.y()) + r.height()))
            found.append(object.get());
    }
    return found;
}
