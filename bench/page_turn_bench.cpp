// Page turns as the reader sees them: the time from NextPage to the picture
// painted, for a page decoded on the spot (cold) and for one the worker pool
// decoded while the previous page was on screen (prefetched), against a bare
// QImageReader decode of the same file at full and at display resolution.
// Also scrolling at 400 %, the peak memory of reading the whole book once,
// and that of a book of six picture bombs.
//
// The book is generated once into a temporary folder: 20 JPEGs of
// 6000 x 4000 and 20 of 1920 x 1080, with detail in them so the codec works
// as hard as on a photograph. The view is 1600 x 1000, offscreen.

#include "document/BookDocument.h"
#include "formats/raster/JpegRegion.h"
#include "viewer/BookReader.h"
#include "viewer/PictureDecode.h"
#include "viewer/PictureView.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

constexpr int kPagesPerKind = 20;
constexpr QSize kViewClient(1600, 1000);
constexpr int kZoom100 = 32783;
constexpr int kZoom400 = 32785;

struct GeneratedBook {
    QTemporaryDir dir;
    QStringList large; // 6000 x 4000
    QStringList hd;    // 1920 x 1080
};

QImage DetailedPicture(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int v = (x * 7 + y * 13 + seed * 31) ^ (x * y >> 6);
            line[x] =
                qRgb((x * 255 / size.width() + v) & 0xff, (y * 255 / size.height() + (v >> 2)) & 0xff, (v >> 1) & 0xff);
        }
    }
    QPainter painter(&image);
    painter.setFont(QFont(QStringLiteral("Sans"), size.height() / 8));
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(seed));
    return image;
}

GeneratedBook &Book()
{
    static GeneratedBook *book = [] {
        auto *b = new GeneratedBook;
        const QImage large = DetailedPicture(QSize(6000, 4000), 0);
        const QImage hd = DetailedPicture(QSize(1920, 1080), 1);
        for (int i = 0; i < kPagesPerKind; ++i) {
            QImage page = large;
            QPainter(&page).fillRect(QRect(i * 200, i * 100, 400, 300), QColor::fromHsv(i * 17 % 360, 200, 200));
            b->large.append(b->dir.filePath(QStringLiteral("large%1.jpg").arg(i)));
            page.save(b->large.back(), "JPG", 85);
            QImage small = hd;
            QPainter(&small).fillRect(QRect(i * 60, i * 30, 200, 150), QColor::fromHsv(i * 23 % 360, 200, 200));
            b->hd.append(b->dir.filePath(QStringLiteral("hd%1.jpg").arg(i)));
            small.save(b->hd.back(), "JPG", 85);
        }
        return b;
    }();
    return *book;
}

BookDocument MakeBook(const QStringList &paths)
{
    BookDocument book = BookDocument::MakeNew();
    for (const QString &path : paths)
        book.pictures.append(PictureEntry(path, QString(), 0));
    book.pictureCount = int(book.pictures.size());
    return book;
}

// Passes everything to the view except the pages expected next, so that
// every turn decodes on the spot.
class NoPrefetch : public PageView {
public:
    explicit NoPrefetch(PictureView &view) : view_(view) {}
    void ShowPicture(const QString &path) override { view_.ShowPicture(path); }
    void ShowNoPicture() override { view_.ShowNoPicture(); }
    void ApplyTypedZoom(QStringView typed) override { view_.ApplyTypedZoom(typed); }
    bool BorderShown() const override { return view_.BorderShown(); }
    bool Centred() const override { return view_.Centred(); }
    void SetBorderAndCentre(bool b, bool c) override { view_.SetBorderAndCentre(b, c); }

private:
    PictureView &view_;
};

// A 1600 x 1000 viewport at "fit screen" (the fit mode that shows the whole
// of a 3:2 picture in a 16:10 window: fit height) or at 100 %.
std::unique_ptr<PictureView> MakeView(bool fitScreen)
{
    auto view = std::make_unique<PictureView>();
    view->setFrameStyle(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->resize(kViewClient);
    view->show();
    QApplication::processEvents();
    if (fitScreen)
        view->ToggleFitHeight();
    else
        view->ZoomCommand(kZoom100);
    return view;
}

const QStringList &Pages(int kind) { return kind == 0 ? Book().large : Book().hd; }

void Turn(BookReader &reader, PictureView &view)
{
    reader.NextPage();
    view.viewport()->repaint();
}

// args: kind (0 = 6000 x 4000, 1 = 1920 x 1080), fit screen (1) or 100 % (0)
void BM_ColdTurn(benchmark::State &state)
{
    const BookDocument book = MakeBook(Pages(int(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        auto view = MakeView(state.range(1) != 0);
        NoPrefetch adapter(*view);
        BookReader reader;
        reader.SetBook(&book);
        reader.SetView(&adapter);
        state.ResumeTiming();
        Turn(reader, *view);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}

void BM_PrefetchedTurn(benchmark::State &state)
{
    const BookDocument book = MakeBook(Pages(int(state.range(0))));
    auto view = MakeView(state.range(1) != 0);
    BookReader reader;
    reader.SetBook(&book);
    reader.SetView(view.get());
    reader.ShowCurrentPage();
    for (auto _ : state) {
        state.PauseTiming();
        view->DecodeCache().WaitForWorkers();
        state.ResumeTiming();
        Turn(reader, *view);
    }
}

void BM_DecodeFull(benchmark::State &state)
{
    const QString path = Pages(int(state.range(0))).front();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        benchmark::DoNotOptimize(reader.read());
    }
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The window's worth of the middle of the first page (1600 x 1000 of
// 6000 x 4000), three ways: libjpeg skipping rows and cropping columns,
// Qt's reader with a clip rectangle, and libjpeg decoding the whole page
// for comparison with Qt's whole decode.
const QRect kMiddleRegion(2200, 1500, 1600, 1000);

void BM_DecodeRegionLibjpeg(benchmark::State &state)
{
    const QByteArray bytes = FileBytes(Pages(0).front());
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeJpegRegion(bytes, kMiddleRegion));
}

void BM_DecodeRegionClipRect(benchmark::State &state)
{
    const QByteArray bytes = FileBytes(Pages(0).front());
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setClipRect(kMiddleRegion);
        benchmark::DoNotOptimize(reader.read());
    }
}

void BM_DecodeWholeLibjpeg(benchmark::State &state)
{
    const QByteArray bytes = FileBytes(Pages(0).front());
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeJpegRegion(bytes, QRect(0, 0, 6000, 4000)));
}

// The decode at the resolution fit screen needs, as the view asks for it.
void BM_DecodeDisplay(benchmark::State &state)
{
    const QString path = Pages(int(state.range(0))).front();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    ZoomScrollModel layout;
    layout.Resize(kViewClient.width(), kViewClient.height());
    layout.ToggleFitHeight();
    QSize full;
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        full = QImageReader(&buffer).size();
    }
    const int reduction = ReductionFor(full, ExpectedDisplaySize(layout, full));
    state.counters["reduction"] = reduction;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        if (reduction > 1)
            reader.setScaledSize(ReducedSize(full, reduction));
        benchmark::DoNotOptimize(reader.read());
    }
}

// One line step down at 400 %, repainted.
void BM_ScrollAt400(benchmark::State &state)
{
    const BookDocument book = MakeBook(Pages(0));
    auto view = MakeView(false);
    BookReader reader;
    reader.SetBook(&book);
    reader.SetView(view.get());
    reader.ShowCurrentPage();
    view->ZoomCommand(kZoom400);
    QScrollBar *bar = view->verticalScrollBar();
    for (auto _ : state) {
        if (bar->value() >= bar->maximum())
            bar->setValue(0);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        view->viewport()->repaint();
    }
}

long PeakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// Reads every page of the book once, prefetching as a reader does, and
// reports the peak resident memory of the process.
void ReadBookForPeakMemory(benchmark::State &state, const BookDocument &book)
{
    // Forget the peak of generating the book: writing 5 to clear_refs
    // resets the high-water mark of this process.
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    for (auto _ : state) {
        auto view = MakeView(state.range(0) != 0);
        BookReader reader;
        reader.SetBook(&book);
        reader.SetView(view.get());
        reader.ShowCurrentPage();
        for (int i = 1; i < book.pictureCount; ++i)
            Turn(reader, *view);
        view->DecodeCache().WaitForWorkers();
    }
    state.counters["peak_MiB"] = double(PeakResidentKiB()) / 1024.0;
}

void BM_ReadWholeBook(benchmark::State &state)
{
    QStringList all = Pages(0);
    all += Pages(1);
    ReadBookForPeakMemory(state, MakeBook(all));
}

// Six PNGs of 15000 x 15000 in one colour: 656 KB files that decode to
// 900 MB of pixels each, well within the per-picture limit.
struct BombBook {
    QTemporaryDir dir;
    QStringList pages;
};

BombBook &Bombs()
{
    static BombBook *book = [] {
        auto *b = new BombBook;
        const QString first = b->dir.filePath(QStringLiteral("bomb0.png"));
        {
            QImage page(15000, 15000, QImage::Format_RGB32);
            page.fill(QColor(30, 120, 160));
            page.save(first, "PNG");
        }
        for (int i = 0; i < 6; ++i) {
            b->pages.append(b->dir.filePath(QStringLiteral("bomb%1.png").arg(i)));
            if (i > 0)
                QFile::copy(first, b->pages.back());
        }
        return b;
    }();
    return *book;
}

// Reading the book of picture bombs page by page, prefetching as a reader
// does, at fit screen or at 100 %: the peak resident memory of the process.
void BM_ReadBombBook(benchmark::State &state) { ReadBookForPeakMemory(state, MakeBook(Bombs().pages)); }

void KindsAndModes(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"kind", "fit"});
    for (int kind : {0, 1})
        for (int fit : {1, 0})
            b->Args({kind, fit});
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_ReadWholeBook)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBombBook)->ArgName("fit")->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeFull)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeRegionLibjpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeRegionClipRect)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeWholeLibjpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeDisplay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ColdTurn)->Apply(KindsAndModes)->Iterations(6);
BENCHMARK(BM_PrefetchedTurn)->Apply(KindsAndModes)->Iterations(12);
BENCHMARK(BM_ScrollAt400)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
