// The picture sequence with a large book: showing it (one file look-up per
// picture), moving every other row and gathering it back must each stay well
// under a second at ten thousand pictures.

#include "document/AppDirectories.h"
#include "editor/PictureSequenceEditor.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir *pictures = nullptr;

// Half the entries name real files, half name missing ones: both look-ups
// happen in a real book.
QList<PictureEntry> Entries(int count)
{
    QList<PictureEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        PictureEntry entry;
        entry.path = pictures->filePath(QStringLiteral("%1%2.jpg").arg(i % 2 ? "gone" : "p").arg(i));
        entry.compileTime = QStringLiteral("2009-3-7 08:05");
        entries.append(entry);
    }
    return entries;
}

void MakePictureFiles(int count)
{
    for (int i = 0; i < count; i += 2) {
        QFile file(pictures->filePath(QStringLiteral("p%1.jpg").arg(i)));
        if (file.open(QIODevice::WriteOnly))
            file.write("jpeg");
    }
}

void BM_FillFromEntries(benchmark::State &state)
{
    const QList<PictureEntry> entries = Entries(int(state.range(0)));
    PictureSequenceEditor view;
    for (auto _ : state) {
        view.Entries() = entries;
        view.FillFromEntries();
        benchmark::DoNotOptimize(view.List()->model()->rowCount());
    }
}
BENCHMARK(BM_FillFromEntries)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_MoveEveryOtherRowUp(benchmark::State &state)
{
    PictureSequenceEditor view;
    view.Entries() = Entries(int(state.range(0)));
    view.FillFromEntries();
    QList<int> odd;
    for (int i = 1; i < state.range(0); i += 2)
        odd.append(i);
    for (auto _ : state) {
        // The user's selection is not the move's cost.
        state.PauseTiming();
        view.SelectRows(odd);
        state.ResumeTiming();
        view.OnMoveUp();
    }
}
BENCHMARK(BM_MoveEveryOtherRowUp)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CollectEntries(benchmark::State &state)
{
    PictureSequenceEditor view;
    view.Entries() = Entries(int(state.range(0)));
    view.FillFromEntries();
    for (auto _ : state) {
        view.CollectEntries();
        benchmark::DoNotOptimize(view.Entries().size());
    }
}
BENCHMARK(BM_CollectEntries)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    pictures = &folder;
    SetApplicationDirectory(folder.path() + QStringLiteral("/bin/"));
    MakePictureFiles(10000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
