#pragma once

#include "failure.h"

#include <QString>

#include <exception>
#include <new>
#include <utility>

/// The application title: caption of the program's message boxes.
QString applicationTitle();

/// The text the error box shows for a failure message: the message, with a full
/// stop added unless it is empty or ends in a full stop or a character that sorts
/// before it (so "List index out of bounds (0)" gets none).
QString errorBoxText(const QString& message);

/// Shows a failure to the user: a message box with the error icon and an OK
/// button, captioned with the application title. Every handler's failure ends here.
void reportFailure(const QString& message);

/// Runs an event handler; a failure it raises abandons it and is reported.
/// Whatever the handler changed before failing stays as it is.
template <class Handler, class... Args>
void runHandler(Handler&& handler, Args&&... args)
{
    try {
        std::forward<Handler>(handler)(std::forward<Args>(args)...);
    } catch (const Failure& failure) {
        reportFailure(failure.message());
    } catch (const std::bad_alloc&) {
        reportFailure(QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        reportFailure(QString::fromLocal8Bit(error.what()));
    }
}

/// Wraps a handler without arguments for connecting it to any signal: failures
/// are reported, never thrown into the event loop.
template <class Handler>
auto guarded(Handler handler)
{
    return [handler = std::move(handler)]() mutable { runHandler(handler); };
}
