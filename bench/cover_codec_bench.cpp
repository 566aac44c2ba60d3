// The cover travels through its text codec every time a book is opened,
// saved or checked for changes, so encoding and decoding it must be cheap;
// the largest description we accept bounds the worst a damaged book costs.

#include "editor/CoverCodec.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {
QImage Cover(int side)
{
    QImage image(side, side * 3 / 4, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x ^ y) & 0xff));
    return image;
}

void BM_EncodeCover(benchmark::State &state)
{
    const QImage image = Cover(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CoverTextFromBitmap(image));
}
// 133 × 99: the box at a 9-point CJK font; 4096 × 3072: the largest we read.
BENCHMARK(BM_EncodeCover)->Arg(133)->Arg(4096)->Unit(benchmark::kMillisecond);

void BM_DecodeCover(benchmark::State &state)
{
    const QString text = CoverTextFromBitmap(Cover(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(CoverBitmapFromText(text));
}
BENCHMARK(BM_DecodeCover)->Arg(133)->Arg(4096)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
