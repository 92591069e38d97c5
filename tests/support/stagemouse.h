#pragma once

#include "campsiteobject.h"
#include "dsn8register.h"
#include "dsnbutton.h"
#include "dsnstage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

/// The hand on the mouse for tests of the campsite window: presses, moves and
/// drags on the layout area \a stage, whose objects \a designer keeps. A test
/// class derives from it and sets both once the window is up.
class StageMouse {
protected:
    TDsnStage* stage = nullptr;
    TDsn8Register* designer = nullptr;

    void press(QPoint at, Qt::KeyboardModifiers modifiers = {},
               Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(stage, button, modifiers, at);
    }
    void release(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseRelease(stage, Qt::LeftButton, modifiers, at);
    }
    void move(QPoint to, Qt::MouseButtons buttons = Qt::NoButton,
              Qt::KeyboardModifiers modifiers = {})
    {
        QMouseEvent event(QEvent::MouseMove, to, stage->mapToGlobal(to), Qt::NoButton, buttons,
                          modifiers);
        QApplication::sendEvent(stage, &event);
    }
    /// Presses at \a from, moves halfway and on to \a to, and lets go there.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        press(from, modifiers);
        move((from + to) / 2, Qt::LeftButton, modifiers);
        move(to, Qt::LeftButton, modifiers);
        release(to, modifiers);
    }
    void click(QPoint at, Qt::KeyboardModifiers modifiers = {}) { drag(at, at, modifiers); }
    /// Picks \a button's kind of object and drags it out from \a from to \a to.
    CampsiteObject* place(TDsnButton* button, QPoint from, QPoint to)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        drag(from, to);
        return designer->objects().last();
    }
};
