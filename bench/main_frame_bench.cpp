// The main frame's per-event costs: the idle update runs after every key
// press and click, and the pre-translation looks at every key press, so both
// must stay far below a frame time. Creation is the start-up cost.

#include "app/MainFrame.h"
#include "document/AppDirectories.h"
#include "platform/AcceleratorTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_CreateMainFrame(benchmark::State &state)
{
    for (auto _ : state) {
        CMainFrame frame;
        benchmark::DoNotOptimize(&frame);
    }
}
BENCHMARK(BM_CreateMainFrame)->Unit(benchmark::kMillisecond);

void BM_IdleUpdate(benchmark::State &state)
{
    CMainFrame frame;
    for (auto _ : state) {
        // alternate so every pass really changes states
        frame.OnCommand(32812);
        frame.OnIdle();
    }
}
BENCHMARK(BM_IdleUpdate)->Unit(benchmark::kMicrosecond);

void BM_PreTranslateKey(benchmark::State &state)
{
    CMainFrame frame;
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
