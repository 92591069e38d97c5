#pragma once

#include "campsitelayout.h"
#include "grabhandles.h"
#include "selection.h"

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>

class QKeyEvent;
class QMouseEvent;
class QPainter;
class TArrowButton;
class TDsnButton;
class TDsnInspector;
class TDsnPanel;
class TDsnStage;

/// The run-time designer of the layout area. While design mode is on it takes
/// the layout area's mouse and keys: it places copies of templates, selects,
/// moves, resizes and deletes campsite objects, snapping to the area's grid,
/// and keeps the property inspector told of every change.
///
/// Within design mode it is in at most one gesture at a time, started by a
/// press and ended by the release of the left button.
class TDsn8Register : public QObject {
    Q_OBJECT
public:
    enum class Gesture { None, Placing, Moving, Banding, Resizing };

    /// Finds a template (a hidden prototype object) by its object name.
    using TemplateLookup = std::function<const CampsiteObject*(const QString& name)>;

    explicit TDsn8Register(QObject* parent = nullptr);
    ~TDsn8Register() override;

    // Links, set once by the window.
    void setStage(TDsnStage* stage);
    void setPanel(TDsnPanel* panel) { m_panel = panel; }
    void setArrowButton(TArrowButton* arrow);
    void setInspector(TDsnInspector* inspector) { m_inspector = inspector; }
    void setTemplateLookup(TemplateLookup lookup) { m_findTemplate = std::move(lookup); }

    /// Design mode. Switching it is what the design switch does, without
    /// changing the switch's look.
    bool isDesignMode() const { return m_designMode; }
    void setDesignMode(bool on);

    /// The objects of the layout area, in creation order.
    QList<CampsiteObject*> objects() const;
    /// Adds an object read from a file or the clipboard at the top, named by
    /// the rule for read-in objects; a label with automatic size takes its
    /// caption's size. Returns the object, owned by the layout area.
    CampsiteObject* addReadInObject(std::unique_ptr<CampsiteObject> object);
    /// Empties the selection and destroys every object, the last one first.
    void destroyAllObjects();

    /// The selection, in order.
    const QList<CampsiteObject*>& selectedObjects() const { return m_selection.objects(); }
    bool isSelected(const CampsiteObject* object) const { return m_selection.contains(object); }
    /// Empties the selection (its grab handles go) and tells the inspector.
    void clearSelection();
    /// Adds \a object at the end of the selection and tells the inspector.
    void addToSelection(CampsiteObject* object);
    /// Adds \a objects at the end of the selection, in their order, and tells
    /// the inspector once (a paste of many objects).
    void addToSelection(const QList<CampsiteObject*>& objects);
    /// Deletes the selected objects at once; the selection becomes empty.
    void deleteSelection();
    /// Re-places the grab handles and refreshes the inspector after objects
    /// were changed from outside.
    void refresh();

    /// The clipboard operations of the keys Ctrl+C, Ctrl+X and Ctrl+V. They are
    /// the campsite file and clipboard work's (issue 5) to fill in; until then
    /// the keys do nothing.
    void copySelectionToClipboard();
    void cutSelectionToClipboard();
    void pasteFromClipboard();

    /// The template that the next placement copies, or nullptr (the arrow).
    const CampsiteObject* chosenTemplate() const { return m_template; }
    Gesture gesture() const { return m_gesture; }
    /// The rectangles of the grab handles of the selected objects, in stacking
    /// order, and whether they are active (exactly one object selected).
    QList<QRect> handleRects() const;
    bool handlesActive() const { return m_selection.size() == 1; }

    // Input and drawing of the layout area, while in design mode.
    void stageMousePress(QMouseEvent* event);
    void stageMouseMove(QMouseEvent* event);
    void stageMouseRelease(QMouseEvent* event);
    void stageKeyPress(QKeyEvent* event);
    void stageKeyRelease(QKeyEvent* event);
    void paintOverlay(QPainter& painter);

private:
    void paletteButtonPressed(QObject* button);
    void returnToArrow();
    void cancelGesture();
    void setPaletteEnabled(bool enabled);
    QPoint confined(QPointF position) const;
    QPoint snapped(QPoint position) const;
    CampsiteObject* placeCopy(QPoint end);
    QRect placementRect() const;
    QRect resizedRect() const;
    void selectionChanged();
    void selectionModified();
    /// The handle under \a point of the selected objects: its object and which.
    struct HandleHit {
        CampsiteObject* object = nullptr;
        GrabHandles::Handle handle = GrabHandles::Handle::TopLeft;
    };
    HandleHit handleAt(QPoint point) const;

    TDsnStage* m_stage = nullptr;
    TDsnPanel* m_panel = nullptr;
    TArrowButton* m_arrow = nullptr;
    TDsnInspector* m_inspector = nullptr;
    TemplateLookup m_findTemplate;

    bool m_designMode = false;
    const CampsiteObject* m_template = nullptr;
    Selection m_selection;

    Gesture m_gesture = Gesture::None;
    QPoint m_start;   ///< S: the snapped press position
    QPoint m_current; ///< P: the snapped pointer position
    bool m_showOutlines = false;
    HandleHit m_resizing;
    QRect m_resizeFrom;    ///< the object's rectangle when the resize began
    QPoint m_handleOrigin; ///< the handle's top-left corner in the layout area
};
