// The main frame's per-event costs: the idle update runs after every key
// press and click, and the pre-translation looks at every key press, so both
// must stay far below a frame time. Creation is the start-up cost.

#include "app/MainWindow.h"
#include "document/AppDirectories.h"
#include "ui/AcceleratorTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_CreateMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow frame;
        benchmark::DoNotOptimize(&frame);
    }
}
BENCHMARK(BM_CreateMainWindow)->Unit(benchmark::kMillisecond);

void BM_IdleUpdate(benchmark::State &state)
{
    MainWindow frame;
    for (auto _ : state) {
        // alternate so every pass really changes states
        frame.OnCommand(32812);
        frame.OnIdle();
    }
}
BENCHMARK(BM_IdleUpdate)->Unit(benchmark::kMicrosecond);

void BM_PreTranslateKey(benchmark::State &state)
{
    MainWindow frame;
    const QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    for (auto _ : state)
        benchmark::DoNotOptimize(frame.PreTranslate(letter));
}
BENCHMARK(BM_PreTranslateKey)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir data;
    SetDataDirectory(data.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
