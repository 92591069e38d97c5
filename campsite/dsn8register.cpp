#include "dsn8register.h"

#include "arrowbutton.h"
#include "dsnbutton.h"
#include "dsninspector.h"
#include "dsnpanel.h"
#include "dsnstage.h"
#include "gridrules.h"
#include "inspectorrows.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TDsn8Register::TDsn8Register(QObject* parent) : QObject(parent) {}

TDsn8Register::~TDsn8Register() = default;

void TDsn8Register::setStage(TDsnStage* stage)
{
    m_stage = stage;
    stage->setDesigner(this);
}

void TDsn8Register::setArrowButton(TArrowButton* arrow)
{
    m_arrow = arrow;
    connect(arrow, &QAbstractButton::pressed, this, [this] { m_template = nullptr; });
}

void TDsn8Register::setPaletteEnabled(bool enabled)
{
    if (!m_panel)
        return;
    for (QAbstractButton* button : m_panel->buttons()) {
        button->setEnabled(enabled);
        if (auto* palette = qobject_cast<TDsnButton*>(button)) {
            disconnect(palette, &QAbstractButton::pressed, this, nullptr);
            if (enabled)
                connect(palette, &QAbstractButton::pressed, this,
                        [this, palette] { paletteButtonPressed(palette); });
        }
    }
}

void TDsn8Register::paletteButtonPressed(QObject* button)
{
    const auto* palette = static_cast<TDsnButton*>(button);
    m_template = m_findTemplate ? m_findTemplate(palette->GeneName) : nullptr;
    // A button whose template is missing sends the palette back to the arrow,
    // once its own press has been handled.
    if (!m_template)
        QMetaObject::invokeMethod(this, &TDsn8Register::returnToArrow, Qt::QueuedConnection);
}

void TDsn8Register::returnToArrow()
{
    m_template = nullptr;
    if (m_arrow && m_designMode)
        m_arrow->setChecked(true);
}

void TDsn8Register::setDesignMode(bool on)
{
    if (on == m_designMode)
        return;
    m_designMode = on;
    m_gesture = Gesture::None;
    if (on) {
        if (m_stage)
            m_stage->setFocus(Qt::OtherFocusReason);
        setPaletteEnabled(true);
        if (m_arrow)
            m_arrow->setChecked(true);
        if (m_inspector)
            m_inspector->designModeChanged(true);
    } else {
        setPaletteEnabled(false);
        m_template = nullptr;
        if (m_inspector)
            m_inspector->designModeChanged(false);
        m_selection.clear();
        if (m_stage) {
            m_stage->unsetCursor();
            m_stage->update();
        }
    }
}

QList<CampsiteObject*> TDsn8Register::objects() const
{
    return m_stage->campsiteLayout().objectList();
}

CampsiteObject* TDsn8Register::addReadInObject(std::unique_ptr<CampsiteObject> object)
{
    if (object->isLabel() && object->autoSize)
        fitLabelToCaption(*object, m_stage->font());
    CampsiteObject* added = m_stage->campsiteLayout().addReadIn(std::move(object));
    m_stage->update();
    return added;
}

void TDsn8Register::destroyAllObjects()
{
    cancelGesture();
    clearSelection();
    m_stage->campsiteLayout().clear();
    m_stage->update();
}

void TDsn8Register::clearSelection()
{
    if (m_selection.isEmpty())
        return;
    m_selection.clear();
    selectionChanged();
}

void TDsn8Register::addToSelection(CampsiteObject* object)
{
    if (m_selection.contains(object))
        return;
    m_selection.add(object);
    selectionChanged();
}

void TDsn8Register::addToSelection(const QList<CampsiteObject*>& objects)
{
    for (CampsiteObject* object : objects)
        m_selection.add(object);
    selectionChanged();
}

void TDsn8Register::deleteSelection()
{
    if (m_selection.isEmpty())
        return;
    const QSet<const CampsiteObject*> doomed = m_selection.members();
    cancelGesture();
    m_selection.clear();
    m_stage->campsiteLayout().remove(doomed);
    selectionChanged();
}

void TDsn8Register::cancelGesture()
{
    // A drag whose objects go away (DELETE released while the button is held) ends here.
    m_gesture = Gesture::None;
    m_showOutlines = false;
    m_resizing = {};
}

void TDsn8Register::refresh()
{
    if (m_stage)
        m_stage->update();
    if (m_inspector)
        m_inspector->selectionModified();
}

void TDsn8Register::copySelectionToClipboard() {}

void TDsn8Register::cutSelectionToClipboard() {}

void TDsn8Register::pasteFromClipboard() {}

void TDsn8Register::selectionChanged()
{
    m_stage->update();
    if (m_inspector)
        m_inspector->selectionChanged();
}

void TDsn8Register::selectionModified()
{
    m_stage->update();
    if (m_inspector)
        m_inspector->selectionModified();
}

QList<QRect> TDsn8Register::handleRects() const
{
    QList<QRect> rects;
    rects.reserve(m_selection.size() * int(GrabHandles::kAll.size()));
    for (const CampsiteObject* object : m_selection.objects())
        for (GrabHandles::Handle handle : GrabHandles::kAll)
            rects.append(GrabHandles::handleRect(object->geometry, handle));
    return rects;
}

TDsn8Register::HandleHit TDsn8Register::handleAt(QPoint point) const
{
    // Handles of later selected objects lie above those of earlier ones.
    const auto& selected = m_selection.objects();
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        if (auto handle = GrabHandles::handleAt((*it)->geometry, point))
            return {*it, *handle};
    return {};
}

QPoint TDsn8Register::confined(QPointF position) const
{
    // The pointer is kept inside the layout area while a button is held.
    const QPoint p = position.toPoint();
    return {std::clamp(p.x(), 0, std::max(0, m_stage->width() - 1)),
            std::clamp(p.y(), 0, std::max(0, m_stage->height() - 1))};
}

QPoint TDsn8Register::snapped(QPoint position) const
{
    return snapToGrid(position, m_stage->Rubberband.MoveWidth, m_stage->Rubberband.MoveHeight);
}

void TDsn8Register::stageMousePress(QMouseEvent* event)
{
    if (!m_designMode || m_gesture != Gesture::None)
        return;
    m_stage->setFocus(Qt::MouseFocusReason);
    const QPoint position = confined(event->position());
    const bool left = event->button() == Qt::LeftButton;
    if (!left && event->button() != Qt::RightButton)
        return;

    // The grab handles lie above the objects and take presses on them first.
    if (const HandleHit hit = handleAt(position); hit.object) {
        if (!left || !handlesActive())
            return; // inactive handles ignore the mouse
        m_gesture = Gesture::Resizing;
        m_resizing = hit;
        m_resizeFrom = hit.object->geometry;
        m_handleOrigin = GrabHandles::handleRect(m_resizeFrom, hit.handle).topLeft();
        m_start = snapped(position - m_handleOrigin);
        m_current = m_start;
        m_showOutlines = true;
        m_stage->update();
        return;
    }

    CampsiteObject* hit = m_stage->campsiteLayout().objectAt(position);
    if (!left) {
        if (hit && !m_selection.contains(hit)) {
            m_selection.assign({hit});
            selectionChanged();
        }
        return;
    }
    m_start = snapped(position);
    m_current = m_start;
    if (m_template) {
        m_gesture = Gesture::Placing;
    } else if ((event->modifiers() & Qt::ControlModifier) || !hit) {
        m_gesture = Gesture::Banding;
    } else if (event->modifiers() & Qt::ShiftModifier) {
        m_selection.toggle(hit);
        selectionChanged();
        return;
    } else {
        if (!m_selection.contains(hit)) {
            m_selection.assign({hit});
            selectionChanged();
        }
        m_gesture = Gesture::Moving;
    }
    m_showOutlines = true;
    m_stage->update();
}

void TDsn8Register::stageMouseMove(QMouseEvent* event)
{
    if (!m_designMode)
        return;
    if (m_gesture == Gesture::None) {
        const HandleHit hit = handlesActive() ? handleAt(event->position().toPoint()) : HandleHit{};
        if (hit.object)
            m_stage->setCursor(GrabHandles::cursorShape(hit.handle));
        else
            m_stage->unsetCursor();
        return;
    }
    const QPoint position = confined(event->position());
    m_current = snapped(m_gesture == Gesture::Resizing ? position - m_handleOrigin : position);
    m_showOutlines = !(m_gesture == Gesture::Moving && (event->modifiers() & Qt::ShiftModifier));
    m_stage->update();
}

void TDsn8Register::stageMouseRelease(QMouseEvent* event)
{
    if (!m_designMode || event->button() != Qt::LeftButton || m_gesture == Gesture::None)
        return;
    const Gesture gesture = m_gesture;
    m_gesture = Gesture::None;
    m_showOutlines = false;
    const QPoint position = confined(event->position());
    switch (gesture) {
    case Gesture::Placing:
        placeCopy(snapped(position));
        returnToArrow();
        break;
    case Gesture::Moving:
        if (!(event->modifiers() & Qt::ShiftModifier)) {
            const QPoint delta = snapped(position) - m_start;
            if (!delta.isNull())
                for (CampsiteObject* object : m_selection.objects())
                    object->geometry.translate(delta);
        }
        selectionModified();
        break;
    case Gesture::Banding: {
        const QRect band(
            QPoint(std::min(m_start.x(), position.x()), std::min(m_start.y(), position.y())),
            QSize(std::abs(position.x() - m_start.x()), std::abs(position.y() - m_start.y())));
        m_selection.assign(m_stage->campsiteLayout().objectsOverlapping(band));
        selectionChanged();
        break;
    }
    case Gesture::Resizing:
        m_current = snapped(position - m_handleOrigin);
        m_resizing.object->geometry = resizedRect();
        selectionModified();
        break;
    case Gesture::None:
        break;
    }
    m_stage->update();
}

CampsiteObject* TDsn8Register::placeCopy(QPoint end)
{
    m_current = end;
    try {
        if (!m_template)
            return nullptr;
        auto copy = std::make_unique<CampsiteObject>(*m_template);
        copy->geometry = placementRect();
        CampsiteObject* placed = m_stage->campsiteLayout().addNew(std::move(copy));
        m_selection.assign({placed});
        selectionChanged();
        return placed;
    } catch (...) {
        // A template that cannot be copied places nothing, silently.
        return nullptr;
    }
}

QRect TDsn8Register::placementRect() const
{
    return QRect(std::min(m_start.x(), m_current.x()), std::min(m_start.y(), m_current.y()),
                 std::abs(m_current.x() - m_start.x()), std::abs(m_current.y() - m_start.y()));
}

QRect TDsn8Register::resizedRect() const
{
    return GrabHandles::resized(m_resizeFrom, m_resizing.handle, m_current - m_start);
}

void TDsn8Register::stageKeyPress(QKeyEvent* event)
{
    if (!m_designMode || !(event->modifiers() & Qt::ControlModifier))
        return;
    switch (event->key()) {
    case Qt::Key_C:
        copySelectionToClipboard();
        break;
    case Qt::Key_X:
        cutSelectionToClipboard();
        break;
    case Qt::Key_V:
        pasteFromClipboard();
        break;
    default:
        break;
    }
}

void TDsn8Register::stageKeyRelease(QKeyEvent* event)
{
    if (m_designMode && event->key() == Qt::Key_Delete && !event->isAutoRepeat())
        deleteSelection();
}

void TDsn8Register::paintOverlay(QPainter& painter)
{
    if (!m_selection.isEmpty()) {
        const QColor colour = handlesActive() ? QColor(Qt::black) : QColor(128, 128, 128);
        for (const QRect& handle : handleRects())
            painter.fillRect(handle, colour);
    }
    if (!m_showOutlines || m_gesture == Gesture::None)
        return;
    painter.setBrush(Qt::NoBrush);
    if (m_gesture == Gesture::Banding) {
        painter.setPen(QPen(QColor(128, 0, 0), 1, Qt::DotLine));
        painter.drawRect(QRect(m_start, m_current).normalized());
        return;
    }
    painter.setPen(QPen(m_stage->Rubberband.Color, m_stage->Rubberband.PenWidth));
    switch (m_gesture) {
    case Gesture::Placing:
        painter.drawRect(placementRect());
        break;
    case Gesture::Moving:
        for (const CampsiteObject* object : m_selection.objects())
            painter.drawRect(object->geometry.translated(m_current - m_start));
        break;
    case Gesture::Resizing:
        painter.drawRect(resizedRect());
        break;
    default:
        break;
    }
}
