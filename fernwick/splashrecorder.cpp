// Test build of the maker's library: Splash appends one line to the file named by
// FERNWICK_SPLASH_LOG, telling whether any top-level window was on screen at the
// moment of the call, and returns at once.
#include "fernwick.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

extern "C" __attribute__((visibility("default"))) void Splash(void)
{
    const char* path = std::getenv("FERNWICK_SPLASH_LOG");
    if (!path || !*path)
        return;
    int visible = 0;
    if (QGuiApplication::instance()) {
        for (QWindow* window : QGuiApplication::topLevelWindows())
            if (window->isVisible())
                ++visible;
    }
    if (FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "Splash visible-windows=%d\n", visible);
        std::fclose(log);
    }
}
