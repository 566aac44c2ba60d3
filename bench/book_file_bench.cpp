// Reading and writing big books: a user's book can hold tens of thousands of
// pages and a long illustrated introduction.

#include "document/Base64Text.h"
#include "document/BookDocument.h"
#include "document/BookFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
BookDocument BigBook(int pages, int introBytes)
{
    BookDocument book = BookDocument::MakeNew();
    book.title = QStringLiteral("大画册");
    QByteArray intro(introBytes, 'x');
    for (int i = 0; i < introBytes; ++i)
        intro[i] = char(i * 7);
    book.intro = EncodeBase64Text(intro);
    for (int i = 0; i < pages; ++i) {
        PictureEntry e;
        e.path = QStringLiteral("/home/user/Pictures/collection/album %1/IMG_%2.JPG").arg(i / 100).arg(i);
        e.compileTime = QStringLiteral("2026-12-6 20:36");
        book.pictures.append(e);
    }
    book.pictureCount = pages;
    return book;
}

void BM_WriteBookFile(benchmark::State &state)
{
    const BookDocument book = BigBook(static_cast<int>(state.range(0)), 1 << 20);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.vlr"));
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteBookFile(path, book));
}
BENCHMARK(BM_WriteBookFile)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_ReadBookFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.vlr"));
    WriteBookFile(path, BigBook(static_cast<int>(state.range(0)), 1 << 20));
    for (auto _ : state) {
        BookDocument book;
        benchmark::DoNotOptimize(ReadBookFile(path, book));
    }
}
BENCHMARK(BM_ReadBookFile)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_DecodeBase64Text(benchmark::State &state)
{
    const QString text = EncodeBase64Text(QByteArray(static_cast<int>(state.range(0)), 'v'));
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeBase64Text(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DecodeBase64Text)->Arg(1 << 20);
} // namespace

BENCHMARK_MAIN();
