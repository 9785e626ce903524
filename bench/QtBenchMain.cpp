// The main of the benchmarks that build widgets or draw text: they need an application, offscreen
// unless told otherwise.
#include "platform/FreedMemory.h"

#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
    KeepFreedMemory(); // as the program runs
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
