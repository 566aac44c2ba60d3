// The frequent categories are read one key at a time through the settings
// store (each read opens the file), at start-up and when the pop-up opens on
// an empty list; this measures what the count cap bounds.

#include "document/AppDirectories.h"
#include "editor/FrequentCategories.h"

#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void BM_LoadFrequentCategories(benchmark::State &state)
{
    QTemporaryDir dir;
    SetDataDirectory(dir.path() + QLatin1Char('/'));
    QStringList stored;
    for (int i = 0; i < state.range(0); ++i)
        stored.append(QStringLiteral("类别 %1").arg(i));
    SaveFrequentCategories(stored);
    for (auto _ : state) {
        QStringList list;
        LoadFrequentCategories(list);
        benchmark::DoNotOptimize(list);
    }
    SetDataDirectory(QString());
}
// 30 is a busy user's list; 1000 the most we read.
BENCHMARK(BM_LoadFrequentCategories)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_SaveFrequentCategories(benchmark::State &state)
{
    QTemporaryDir dir;
    SetDataDirectory(dir.path() + QLatin1Char('/'));
    QStringList list;
    for (int i = 0; i < state.range(0); ++i)
        list.append(QStringLiteral("类别 %1").arg(i));
    for (auto _ : state)
        SaveFrequentCategories(list);
    SetDataDirectory(QString());
}
BENCHMARK(BM_SaveFrequentCategories)->Arg(30)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
