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

#include "app/MainWindow.h"
#include "document/AppDirectories.h"
#include "document/Base64Text.h"
#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "editor/CoverCodec.h"
#include "formats/rtf/RtfWriter.h"
#include "formats/raster/JpegRegion.h"
#include "viewer/BookReader.h"
#include "viewer/PictureDecode.h"
#include "viewer/PictureView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTextDocument>

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

// Until the page on screen is whole (a page shown part first is completed
// by a worker and handed over through the event loop).
void Settle(PictureView &view)
{
    while (view.Picture() && view.Picture()->IsPartial()) {
        view.DecodeCache().WaitForWorkers();
        QApplication::processEvents();
    }
}

// A turn to a page that is not decoded yet; settled: until the whole page
// is decoded and drawn (the first paint may show the window's part only).
// args: kind (0 = 6000 x 4000, 1 = 1920 x 1080), fit screen (1) or 100 % (0)
void ColdTurn(benchmark::State &state, bool settled)
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
        if (settled) {
            Settle(*view);
            view->viewport()->repaint();
        }
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}

void BM_ColdTurn(benchmark::State &state) { ColdTurn(state, false); }
void BM_ColdTurnSettled(benchmark::State &state) { ColdTurn(state, true); }

// A reader paging quickly at 100 %: the next key 50 ms after the page
// shows, with one or two workers decoding ahead. The time of the turn to
// its first paint.
void BM_QuickTurn(benchmark::State &state)
{
    const BookDocument book = MakeBook(Pages(0));
    auto view = MakeView(false);
    view->DecodeCache().SetWorkerCount(int(state.range(0)));
    BookReader reader;
    reader.SetBook(&book);
    reader.SetView(view.get());
    reader.ShowCurrentPage();
    int partial = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (reader.CurrentPage() + 1 >= book.pictureCount) {
            reader.SetCurrentPage(0);
            reader.ShowCurrentPage();
        }
        QApplication::processEvents();
        QThread::msleep(50);
        state.ResumeTiming();
        Turn(reader, *view);
        partial += view->Picture() && view->Picture()->IsPartial();
    }
    state.counters["partial"] = double(partial) / double(state.iterations());
}

// Opening a book of 6000 x 4000 pages in the main window at 100 %, as the
// open dialog's Return does: the book file read, the reading state looked
// up, page 1 painted (timed to the paint of the picture view; the form takes
// the cover and a 64 KiB introduction after it, outside the time).
class FirstPaint : public QObject {
public:
    QElapsedTimer clock;
    qint64 paintedNs = -1;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintedNs < 0)
            paintedNs = clock.nsecsElapsed();
        return false;
    }
};

void BM_OpenBook(benchmark::State &state)
{
    static QTemporaryDir data;
    SetDataDirectory(data.path() + QLatin1Char('/'));
    BookDocument book = MakeBook(Pages(0));
    book.bookId = QStringLiteral("{0b1d2c3e-4f50-6172-8394-a5b6c7d8e9f0}");
    QImage cover(133, 99, QImage::Format_RGB32);
    cover.fill(Qt::darkCyan);
    book.cover = CoverTextFromBitmap(cover);
    QTextDocument intro;
    intro.setPlainText(QString(QStringLiteral("一本很长的图画书的简介。")).repeated(2700));
    book.intro = EncodeBase64Text(WriteRtf(intro));
    const QString path = data.filePath(QStringLiteral("book.vlr"));
    WriteBookFile(path, book);
    double whole = 0;
    for (auto _ : state) {
        auto frame = std::make_unique<MainWindow>();
        frame->resize(1602, 1058); // a 1600 x 1000 picture view
        frame->show();
        QApplication::processEvents();
        frame->Viewer()->ZoomCommand(kZoom100);
        FirstPaint paint;
        frame->Viewer()->viewport()->installEventFilter(&paint);
        paint.clock.start();
        frame->LoadBook(path);
        QApplication::processEvents();
        whole += paint.clock.nsecsElapsed() / 1e6;
        state.SetIterationTime(paint.paintedNs / 1e9);
        state.counters["partial"] = frame->Viewer()->Picture() && frame->Viewer()->Picture()->IsPartial();
        frame->Viewer()->viewport()->removeEventFilter(&paint);
        frame.reset();
    }
    state.counters["whole_load_ms"] = whole / double(state.iterations());
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

// One line step down at 400 %, repainted, over the whole page.
void BM_ScrollAt400(benchmark::State &state)
{
    const BookDocument book = MakeBook(Pages(0));
    auto view = MakeView(false);
    BookReader reader;
    reader.SetBook(&book);
    reader.SetView(view.get());
    reader.ShowCurrentPage();
    Settle(*view);
    view->ZoomCommand(kZoom400);
    Settle(*view);
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
BENCHMARK(BM_ColdTurnSettled)->Args({0, 0})->ArgNames({"kind", "fit"})->Iterations(6)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QuickTurn)->ArgName("workers")->Arg(1)->Arg(2)->Iterations(19)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenBook)->Iterations(6)->Unit(benchmark::kMillisecond)->UseManualTime();
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
