// Loading a photograph through the picture holder against a bare
// QImageReader::read() of the same bytes (the holder should add nothing
// measurable), and painting a large photograph into a window-sized rectangle.

#include "formats/PictureHolder.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <map>

namespace {
// A photograph-like picture: smooth gradients with detail on top, so the
// JPEG is neither trivially small nor noise.
QByteArray MakeJpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(0.5, QColor(230, 200, 120));
    sky.setColorAt(1, QColor(30, 120, 40));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 400; ++i) {
        p.setPen(QPen(QColor::fromHsv((i * 37) % 360, 160, 200), 1 + i % 7));
        p.drawEllipse(QPointF((i * 7919) % width, (i * 104729) % height), 20 + i % 300, 10 + i % 200);
    }
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(image);
    return bytes;
}

const QByteArray &Jpeg(int width, int height)
{
    static std::map<std::pair<int, int>, QByteArray> cache;
    auto &bytes = cache[{width, height}];
    if (bytes.isEmpty())
        bytes = MakeJpeg(width, height);
    return bytes;
}

QImage BareRead(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.read();
}

void BM_BareQImageReader(benchmark::State &state)
{
    const QByteArray &bytes = Jpeg(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BareRead(bytes));
}

void BM_PictureHolderLoad(benchmark::State &state)
{
    const QByteArray &bytes = Jpeg(int(state.range(0)), int(state.range(1)));
    PictureHolder holder;
    for (auto _ : state) {
        holder.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(holder.Width());
    }
}

// Both loads in one run, alternating, so that both see the same machine
// state. "ratio" is our time over the bare time in CPU time of this thread
// (the decode runs on it alone, and other processes on a busy machine do not
// count); "wallRatio" the same in wall-clock time.
double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void BM_LoadRatio(benchmark::State &state)
{
    const QByteArray &bytes = Jpeg(int(state.range(0)), int(state.range(1)));
    PictureHolder holder;
    using Clock = std::chrono::steady_clock;
    Clock::duration bareWall{}, oursWall{};
    double bareCpu = 0, oursCpu = 0;
    bool oursFirst = false;
    QImage bareHeld;
    for (auto _ : state) {
        // Taking turns at going first cancels what one load leaves for the
        // next (freed pages, warm caches).
        oursFirst = !oursFirst;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isOurs = (turn == 0) == oursFirst;
            const auto start = Clock::now();
            const double startCpu = ThreadCpuMs();
            if (isOurs) {
                holder.LoadFromBytes(bytes);
                benchmark::DoNotOptimize(holder.Width());
            } else {
                // Kept until the next load replaces it, as the holder keeps
                // its picture: both then see the same memory reuse.
                bareHeld = QImage();
                bareHeld = BareRead(bytes);
                benchmark::DoNotOptimize(bareHeld.width());
            }
            (isOurs ? oursCpu : bareCpu) += ThreadCpuMs() - startCpu;
            (isOurs ? oursWall : bareWall) += Clock::now() - start;
        }
    }
    state.counters["ratio"] = oursCpu / bareCpu;
    state.counters["wallRatio"] = double(oursWall.count()) / double(bareWall.count());
}

void BM_Render6000x4000Into1600x1000(benchmark::State &state)
{
    PictureHolder holder;
    holder.LoadFromBytes(Jpeg(6000, 4000));
    QImage canvas(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&canvas);
        holder.RenderInto(painter, QRect(0, 0, 1600, 1000));
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}

// The same paint without smoothing, for comparison with the holder's
// smoothed drawing.
void BM_RenderUnsmoothed6000x4000Into1600x1000(benchmark::State &state)
{
    const QImage image = BareRead(Jpeg(6000, 4000));
    QImage canvas(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&canvas);
        painter.drawImage(QRectF(0, 0, 1600, 1000), image);
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
} // namespace

BENCHMARK(BM_BareQImageReader)->Args({6000, 4000})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureHolderLoad)->Args({6000, 4000})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRatio)->Args({6000, 4000})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Render6000x4000Into1600x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderUnsmoothed6000x4000Into1600x1000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
