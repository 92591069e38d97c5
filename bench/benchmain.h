#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

/// Runs the benchmarks of a program under the Qt application they need for fonts and
/// widgets; offscreen unless told otherwise.
inline int runBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
