#include "errorreport.h"

#include "dialogs.h"

#include <QApplication>

QString applicationTitle() { return QCoreApplication::applicationName(); }

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void reportFailure(const QString& message)
{
    Dialogs::instance().message(QApplication::activeWindow(), applicationTitle(),
                                errorBoxText(message), Dialogs::Icon::Error);
}
