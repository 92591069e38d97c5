#include "fernwick.h"
#include "splashwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
constexpr int kShowMilliseconds = 1500;
}

extern "C" __attribute__((visibility("default"))) void Splash(void)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    QEventLoop loop;
    fernwick::SplashWindow window(QGuiApplication::applicationDisplayName());
    QObject::connect(&window, &fernwick::SplashWindow::dismissed, &loop, &QEventLoop::quit);
    QTimer::singleShot(kShowMilliseconds, &loop, &QEventLoop::quit);
    window.show();
    window.raise();
    loop.exec();
}
