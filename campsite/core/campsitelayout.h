#pragma once

#include "campsiteobject.h"
#include "nameregistry.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSet>

#include <memory>
#include <vector>

/// The campsite objects of the layout area, in creation order (the last one is
/// on top), together with the names of all named parts of the window. The
/// layout owns its objects; pointers to them stay valid until they are removed.
class CampsiteLayout {
public:
    /// The window's own named parts, which objects may not be named after.
    void reserveName(const QString& name) { m_names.add(name); }
    const NameRegistry& names() const { return m_names; }

    /// Adds a new object at the top, named by the rule for new objects: the
    /// word of its class ("Image", "Label") followed by the smallest free number.
    /// A new label's caption becomes its name.
    CampsiteObject* addNew(std::unique_ptr<CampsiteObject> object);
    /// Adds an object that was read in (file or clipboard) at the top: it keeps
    /// its stored name unless a named part bears it already (or it is empty);
    /// then it is named like a new object, its caption left as it was.
    CampsiteObject* addReadIn(std::unique_ptr<CampsiteObject> object);

    /// Removes and destroys the given objects; the others keep their order.
    void remove(const QSet<const CampsiteObject*>& objects);
    /// Destroys every object, the last one first.
    void clear();

    const std::vector<std::unique_ptr<CampsiteObject>>& objects() const { return m_objects; }
    int size() const { return int(m_objects.size()); }
    bool isEmpty() const { return m_objects.empty(); }
    QList<CampsiteObject*> objectList() const;

    /// The topmost object whose rectangle contains \a point, or nullptr (the
    /// layout area itself). Objects without area contain no point.
    CampsiteObject* objectAt(QPoint point) const;
    /// The objects whose rectangles overlap \a band by at least one pixel, in
    /// layout order. \a band spans from its left/top edge up to, not including,
    /// its right/bottom edge (QRect's x()+width(), y()+height()).
    QList<CampsiteObject*> objectsOverlapping(const QRect& band) const;

    /// The word new objects of a class are named with: the class name without
    /// its first letter.
    static QString nameWord(const CampsiteObject& object) { return object.className().mid(1); }

private:
    CampsiteObject* append(std::unique_ptr<CampsiteObject> object);

    std::vector<std::unique_ptr<CampsiteObject>> m_objects;
    NameRegistry m_names;
};

/// Whether \a rect contains \a point: from its left/top edge up to, not
/// including, left + width and top + height. Empty and turned rectangles
/// contain nothing.
inline bool rectContains(const QRect& rect, QPoint point)
{
    // In 64 bits: an object read from a file may lie at the far end of the range.
    return point.x() >= rect.x() && point.x() < qint64(rect.x()) + rect.width() &&
           point.y() >= rect.y() && point.y() < qint64(rect.y()) + rect.height();
}
