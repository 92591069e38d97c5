#include "inspectorrows.h"

#include "failure.h"

#include <QFontMetrics>

#include <algorithm>
#include <functional>

namespace InspectorRows {

namespace {

struct IntegerProperty {
    const char* name;
    int (*get)(const QRect&);
    void (*set)(QRect&, int);
};

// In the order of the rows, after "Caption".
const IntegerProperty kIntegerProperties[] = {
    {"Height", [](const QRect& r) { return r.height(); }, [](QRect& r, int v) { r.setHeight(v); }},
    {"Left", [](const QRect& r) { return r.x(); }, [](QRect& r, int v) { r.moveLeft(v); }},
    {"Top", [](const QRect& r) { return r.y(); }, [](QRect& r, int v) { r.moveTop(v); }},
    {"Width", [](const QRect& r) { return r.width(); }, [](QRect& r, int v) { r.setWidth(v); }},
};

const QString kCaption = QStringLiteral("Caption");

// Whether setting \a value keeps every edge of \a rect within the coordinate limit.
bool fitsCoordinates(const QRect& rect, const IntegerProperty& property, int value)
{
    qint64 left = rect.x(), top = rect.y(), width = rect.width(), height = rect.height();
    const QLatin1String name(property.name);
    if (name == QLatin1String("Left"))
        left = value;
    else if (name == QLatin1String("Top"))
        top = value;
    else if (name == QLatin1String("Width"))
        width = value;
    else
        height = value;
    const auto inside = [](qint64 coordinate) {
        return coordinate >= -kCoordinateLimit && coordinate <= kCoordinateLimit;
    };
    return inside(left) && inside(top) && inside(left + width) && inside(top + height);
}

} // namespace

QList<Row> rowsFor(const QList<CampsiteObject*>& objects)
{
    QList<Row> rows;
    if (objects.isEmpty())
        return rows;
    const bool allLabels = std::all_of(objects.begin(), objects.end(),
                                       [](const CampsiteObject* o) { return o->isLabel(); });
    if (allLabels)
        rows.append({kCaption, objects.first()->caption});
    for (const IntegerProperty& property : kIntegerProperties) {
        const int first = property.get(objects.first()->geometry);
        const bool same = std::all_of(objects.begin(), objects.end(), [&](const CampsiteObject* o) {
            return property.get(o->geometry) == first;
        });
        rows.append(
            {QString::fromLatin1(property.name), same ? QString::number(first) : QString()});
    }
    return rows;
}

int integerValue(const QString& text, const QString& property)
{
    bool ok = false;
    int value = 0;
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
               c == QLatin1Char('+');
    });
    if (plain)
        value = text.toInt(&ok, 10);
    if (!ok)
        throw Failure(text + QStringLiteral(" is illegal (") + property + QLatin1Char(')'));
    return value;
}

void apply(const QList<CampsiteObject*>& objects, const QString& property, const QString& text,
           const QFont& font)
{
    if (property == kCaption) {
        for (CampsiteObject* object : objects) {
            object->caption = text;
            if (object->isLabel() && object->autoSize)
                fitLabelToCaption(*object, font);
        }
        return;
    }
    const auto found =
        std::find_if(std::begin(kIntegerProperties), std::end(kIntegerProperties),
                     [&](const IntegerProperty& p) { return property == QLatin1String(p.name); });
    if (found == std::end(kIntegerProperties) || text.isEmpty())
        return;
    for (CampsiteObject* object : objects) {
        QRect changed = object->geometry;
        const int value = integerValue(text, property);
        const bool fits = fitsCoordinates(changed, *found, value);
        if (!fits)
            throw Failure(text + QStringLiteral(" is illegal (") + property + QLatin1Char(')'));
        found->set(changed, value);
        object->geometry = changed;
    }
}

} // namespace InspectorRows

QSize captionSize(const QString& caption, const QFont& font)
{
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(caption), metrics.height()};
}

void fitLabelToCaption(CampsiteObject& label, const QFont& font)
{
    label.geometry.setSize(captionSize(label.caption, font));
}
