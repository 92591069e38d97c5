#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

/// Runs the benchmarks of a program under the Qt application they need for fonts and
/// widgets; offscreen unless told otherwise. \a tearDown runs while the application
/// still exists: windows the benchmarks kept must go there, not at exit.
inline int runBenchmarks(int argc, char** argv, const std::function<void()>& tearDown = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (tearDown)
        tearDown();
    return 0;
}
