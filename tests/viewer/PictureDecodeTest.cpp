#include "viewer/PictureDecode.h"

#include "document/AppDirectories.h"
#include "formats/emf/EmfConversion.h"
#include "viewer/PictureDecodeCache.h"

#include "PictureFixtures.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

QString WritePicture(const ScratchDir &dir, const QString &name, QSize size, const char *format = "JPG")
{
    const QString path = dir.FilePath(name);
    fixtures::Solid(size.width(), size.height(), Qt::darkCyan).convertToFormat(QImage::Format_RGB32).save(path, format);
    return path;
}

// This process's resident memory ("VmRSS:") or its high-water mark
// ("VmHWM:") in bytes; -1 where the kernel does not tell.
qint64 ResidentBytes(const char *field)
{
    for (const QByteArray &line : ReadAll(QStringLiteral("/proc/self/status")).split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').front().toLongLong() * 1024;
    return -1;
}

DecodeRequest RequestFor(const QString &path, QSize fitWidthClient = {})
{
    DecodeRequest request;
    request.path = path;
    if (fitWidthClient.isValid()) {
        request.layout.Resize(fitWidthClient.width(), fitWidthClient.height());
        request.layout.ToggleFitWidth();
    }
    return request;
}

// At 100 % in a 400 x 300 window, wanted on screen now.
DecodeRequest PartFirst(const QString &path)
{
    DecodeRequest request = RequestFor(path);
    request.layout.Resize(400, 300);
    request.partFirst = true;
    return request;
}

// A page far larger than the view is kept at the size the view needs (a
// quarter here), whichever codec decodes it.
TEST(DecodePagePicture, ReducesLargePagesToTheSizeTheViewNeeds)
{
    ScratchDir dir;
    for (const char *format : {"JPG", "PNG", "BMP"}) {
        const QString path = WritePicture(dir, QStringLiteral("big.") + QLatin1String(format), QSize(1600, 1200), format);
        const PagePicturePtr picture = DecodePagePicture(RequestFor(path, QSize(400, 300)));
        ASSERT_TRUE(picture) << format;
        EXPECT_EQ(picture->pixelSize, QSize(1600, 1200)) << format;
        EXPECT_EQ(picture->raster.size(), QSize(400, 300)) << format;
        EXPECT_EQ(picture->displayCopy.size(), QSize(400, 300)) << format;
    }
}

TEST(DecodeCache, AFileReplacedOnDiskIsDecodedAfresh)
{
    ScratchDir dir;
    const QString a = WritePicture(dir, QStringLiteral("a.jpg"), QSize(200, 100));
    PictureDecodeCache cache;
    ASSERT_TRUE(cache.Obtain(RequestFor(a)));
    WritePicture(dir, QStringLiteral("a.jpg"), QSize(300, 100));
    const PagePicturePtr again = cache.Obtain(RequestFor(a));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->pixelSize, QSize(300, 100));
}

// A page whose decode alone needs more than the whole budget is decoded
// when it is shown, never ahead, and is not kept once it is shown.
TEST(DecodeCache, APictureOverTheBudgetIsNeitherPrefetchedNorKept)
{
    ScratchDir dir;
    const QString big = WritePicture(dir, QStringLiteral("big.png"), QSize(300, 300), "PNG"); // 360 000 bytes decoded
    PictureDecodeCache cache(200 * 1024);
    cache.Prefetch({RequestFor(big)});
    cache.WaitForWorkers();
    EXPECT_EQ(cache.CachedCount(), 0);
    const PagePicturePtr shown = cache.Obtain(RequestFor(big));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->raster.size(), QSize(300, 300));
    EXPECT_EQ(cache.CachedCount(), 0);
}

// A page shown part first is completed next, unless the reader has left it
// by then: that work is dropped, and only the page turned to is completed
// and kept.
TEST(DecodeCache, APageShownPartFirstIsCompletedUnlessTheReaderLeftIt)
{
    ScratchDir dir;
    const QString left = WritePicture(dir, QStringLiteral("left.jpg"), QSize(1600, 1200));
    const QString next = WritePicture(dir, QStringLiteral("next.jpg"), QSize(1600, 1200));
    PictureDecodeCache cache;
    std::atomic<int> completed{0};
    cache.SetCompletionHandler([&] { ++completed; });
    cache.HoldWorkers(true);
    const PagePicturePtr first = cache.Obtain(PartFirst(left));
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->IsPartial());
    const PagePicturePtr second = cache.Obtain(PartFirst(next));
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->IsPartial());
    EXPECT_EQ(second->pixelSize, QSize(1600, 1200));
    EXPECT_LE(second->raster.width() * second->raster.height(), 1600 * 1200 / 2);
    cache.HoldWorkers(false);
    cache.WaitForWorkers();
    EXPECT_EQ(cache.CachedCount(), 1);
    const PagePicturePtr whole = cache.Obtain(RequestFor(next));
    ASSERT_TRUE(whole);
    EXPECT_FALSE(whole->IsPartial());
    EXPECT_EQ(whole->raster.size(), QSize(1600, 1200));
    EXPECT_EQ(cache.Statistics().hits, 1);
    EXPECT_EQ(completed, 1);
}

// The whole of a page shown part first is handed over even when the budget
// cannot keep it, rather than decoded a second time.
TEST(DecodeCache, ThePageOnScreenIsCompletedOnceEvenOverTheBudget)
{
    ScratchDir dir;
    const QString page = WritePicture(dir, QStringLiteral("page.jpg"), QSize(1600, 1200)); // 7.7 MB decoded
    PictureDecodeCache cache(4 * 1024 * 1024);
    const PagePicturePtr part = cache.Obtain(PartFirst(page));
    ASSERT_TRUE(part);
    EXPECT_TRUE(part->IsPartial());
    cache.WaitForWorkers();
    const PagePicturePtr whole = cache.Obtain(RequestFor(page));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->raster.size(), QSize(1600, 1200));
    EXPECT_EQ(cache.Statistics().decodes, 0);
}

// Metafile pages decoded on several threads at once, as the workers and the
// page on screen do: the conversions of the same drawings are looked up side
// by side (the sanitizer build runs this test). Each drawing is converted
// here first: the sanitizer cannot follow a helper process started while
// other threads run.
TEST(DecodeThreads, MetafilePagesDecodeOnSeveralThreadsAtOnce)
{
    SetApplicationDirectory(QStringLiteral(VELLORA_BIN_DIR "/"));
    ClearEmfSvgCache();
    const QByteArray drawings[] = {ReadAll(QStringLiteral(VELLORA_TEST_DATA "/metafiles/emf_lo_shapes.emf")),
                                   ReadAll(QStringLiteral(VELLORA_TEST_DATA "/metafiles/emf_lo_text.emf"))};
    for (const QByteArray &drawing : drawings)
        ASSERT_TRUE(DecodePagePictureBytes(drawing, DecodeRequest()));
    std::atomic<int> decoded{0};
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                for (int i = 0; i < 6; ++i) {
                    const PagePicturePtr page = DecodePagePictureBytes(drawings[(t + i) % 2], DecodeRequest());
                    decoded += page && page->IsVector();
                }
            });
    }
    EXPECT_EQ(decoded, 24);
    ClearEmfSvgCache();
    SetApplicationDirectory(QString());
}

// A reader paging quickly: while the workers decode the pages ahead, the
// page on screen is obtained and the pages wanted ahead change with every
// turn, so finished, running and dropped decodes cross all the time. Each
// page has a size of its own, so a wrong picture shows (the sanitizer build
// runs this test and fails on any unguarded access).
TEST(DecodeThreads, PagesShownWhileTheWorkersDecodeTheNextOnesAreTheRightOnes)
{
    ScratchDir dir;
    QList<DecodeRequest> pages;
    for (int i = 0; i < 12; ++i)
        pages.append(RequestFor(WritePicture(dir, QStringLiteral("p%1.png").arg(i), QSize(400 + i, 300), "PNG")));
    PictureDecodeCache cache(412 * 300 * 4 * 6);
    int page = 0;
    for (int turn = 0; turn < 36; ++turn) {
        // Mostly the next page, which is being decoded ahead; now and then a
        // jump, which leaves decodes behind.
        page = (page + (turn % 5 == 4 ? 6 : 1)) % 12;
        const PagePicturePtr shown = cache.Obtain(pages[page]);
        cache.Prefetch({pages[(page + 1) % 12], pages[(page + 2) % 12]});
        ASSERT_TRUE(shown) << "turn " << turn;
        EXPECT_EQ(shown->pixelSize, QSize(400 + page, 300)) << "turn " << turn;
    }
    cache.WaitForWorkers();
}

// Four pages of 5000 x 5000 (100 MB of pixels each, from small files) read
// ahead and shown at 100 % with a 150 MB budget: the decodes run one at a
// time and the page that went off screen is let go first, so the process
// never holds two of them.
TEST(DecodeMemory, PagesOfHugePicturesAreDecodedOneAtATime)
{
    ScratchDir dir;
    QList<DecodeRequest> pages;
    const QString first = WritePicture(dir, QStringLiteral("p0.png"), QSize(5000, 5000), "PNG");
    for (int i = 0; i < 4; ++i) {
        const QString path = dir.FilePath(QStringLiteral("p%1.png").arg(i));
        ASSERT_TRUE(i == 0 || QFile::copy(first, path));
        pages.append(RequestFor(path));
    }
    // Resets the high-water mark to what is resident now.
    if (!WriteAll(QStringLiteral("/proc/self/clear_refs"), "5"))
        GTEST_SKIP() << "the kernel does not reset the peak of resident memory";
    const qint64 before = ResidentBytes("VmRSS:");
    {
        PictureDecodeCache cache(150ll * 1024 * 1024);
        cache.Prefetch(pages.mid(0, 3));
        const PagePicturePtr shown = cache.Obtain(pages[3]);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->raster.size(), QSize(5000, 5000));
        cache.WaitForWorkers();
    }
    EXPECT_LT(ResidentBytes("VmHWM:") - before, 5000ll * 5000 * 4 * 3 / 2);
}

} // namespace
