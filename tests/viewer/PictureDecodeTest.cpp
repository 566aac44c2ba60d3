#include "viewer/PictureDecode.h"

#include "document/AppDirectories.h"
#include "formats/emf/EmfConversion.h"
#include "viewer/PictureDecodeCache.h"

#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

QString WritePicture(const ScratchDir &dir, const QString &name, QSize size, const char *format = "JPG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = dir.FilePath(name);
    image.save(path, format, qstrcmp(format, "JPG") == 0 ? 90 : -1);
    return path;
}

QString WriteJpeg(const ScratchDir &dir, const QString &name, QSize size) { return WritePicture(dir, name, size); }

// The high-water mark of this process's resident memory, in bytes, and its
// reset to what is resident now; -1 and false where the kernel offers
// neither.
qint64 ResidentBytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').front().toLongLong() * 1024;
    return -1;
}

bool ResetPeakResident()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// A view laid out for fit width in the given client size.
ZoomScrollModel FitWidthLayout(int width, int height)
{
    ZoomScrollModel layout;
    layout.Resize(width, height);
    layout.ToggleFitWidth();
    return layout;
}

DecodeRequest RequestFor(const QString &path, const ZoomScrollModel &layout = {})
{
    DecodeRequest request;
    request.path = path;
    request.layout = layout;
    return request;
}

struct ReductionCase {
    QSize full, display;
    int expected;
};

class Reduction : public ::testing::TestWithParam<ReductionCase> {};

TEST_P(Reduction, IsTheLargestPowerOfTwoThatStillCoversTheDisplay)
{
    EXPECT_EQ(ReductionFor(GetParam().full, GetParam().display), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, Reduction,
                         ::testing::Values(ReductionCase{{6000, 4000}, {1500, 1000}, 4},
                                           ReductionCase{{6000, 4000}, {1501, 1000}, 2},
                                           ReductionCase{{6000, 4000}, {600, 400}, 8},
                                           ReductionCase{{6000, 4000}, {24000, 16000}, 1},
                                           ReductionCase{{1001, 1001}, {126, 126}, 8}, // 1001/8 rounds up to 126
                                           ReductionCase{{1920, 1080}, {1600, 900}, 1}));

TEST(ExpectedDisplaySize, FollowsTheViewsArithmetic)
{
    EXPECT_EQ(ExpectedDisplaySize(FitWidthLayout(1600, 1000), QSize(6000, 4000)), QSize(1600, 1066));
    ZoomScrollModel actual;
    actual.Resize(1600, 1000);
    EXPECT_EQ(ExpectedDisplaySize(actual, QSize(1920, 1080)), QSize(1920, 1080));
}

// A page far larger than the view is kept at the size the view needs (a
// quarter here), whichever codec decodes it; a zoom asks for every pixel.
class ReducedPages : public ::testing::TestWithParam<const char *> {};

TEST_P(ReducedPages, AreKeptAtTheReductionTheViewNeeds)
{
    ScratchDir dir;
    const QString path = WritePicture(dir, QStringLiteral("big.") + QString::fromLatin1(GetParam()).toLower(),
                                      QSize(1600, 1200), GetParam());
    DecodeRequest request = RequestFor(path, FitWidthLayout(400, 300));
    const PagePicturePtr picture = DecodePagePicture(request);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixelSize, QSize(1600, 1200));
    EXPECT_EQ(picture->raster.size(), QSize(400, 300));
    EXPECT_EQ(picture->raster.format(), QImage::Format_RGB32);
    EXPECT_TRUE(picture->IsReduced());
    EXPECT_EQ(picture->displayCopy.size(), QSize(400, 300));
    request.fullResolution = true;
    const PagePicturePtr full = DecodePagePicture(request);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->raster.size(), QSize(1600, 1200));
    EXPECT_FALSE(full->IsReduced());
}

INSTANTIATE_TEST_SUITE_P(Formats, ReducedPages, ::testing::Values("JPG", "PNG", "BMP"),
                         [](const auto &info) { return std::string(info.param); });

TEST(DecodePagePicture, RefusesWhatIsNoPicture)
{
    ScratchDir dir;
    const QString text = dir.FilePath(QStringLiteral("text.jpg"));
    ASSERT_TRUE(WriteAll(text, QByteArray("not a picture at all")));
    const QString cut = dir.FilePath(QStringLiteral("cut.jpg")); // a JPEG cut short after its header
    ASSERT_TRUE(WriteAll(cut, ReadAll(WriteJpeg(dir, QStringLiteral("whole.jpg"), QSize(64, 64))).left(20)));
    for (const QString &path : {QString(), dir.FilePath(QStringLiteral("missing.jpg")), text, dir.Path(), cut})
        EXPECT_FALSE(DecodePagePicture(RequestFor(path))) << path.toStdString();
}

struct MetafileCase {
    const char *file;
    QSize pixels; // at 96 dots per inch
};

class MetafilePages : public ::testing::TestWithParam<MetafileCase> {};

TEST_P(MetafilePages, AreVectorsOfTheirNaturalSize)
{
    DecodeRequest request =
        RequestFor(QStringLiteral(VELLORA_TEST_DATA "/viewer/") + QString::fromUtf8(GetParam().file));
    request.dpi = QSize(96, 96);
    // Enhanced metafiles are converted by the helper program beside ours.
    SetApplicationDirectory(QStringLiteral(VELLORA_BIN_DIR "/"));
    const PagePicturePtr picture = DecodePagePicture(request);
    SetApplicationDirectory(QString());
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->IsVector());
    EXPECT_TRUE(picture->raster.isNull());
    EXPECT_EQ(picture->pixelSize, GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Values, MetafilePages,
                         ::testing::Values(MetafileCase{"emf_lo_shapes.emf", {351, 257}},
                                           MetafileCase{"wmf_lo_shapes.wmf", {351, 257}}),
                         [](const auto &info) {
                             return QFileInfo(QLatin1String(info.param.file)).baseName().toStdString();
                         });

// ---- The cache (a prefetched page served without decoding is checked through the view) ----

TEST(DecodeCache, AColdPictureIsDecodedOnceAndAReducedOneIsNotEnoughForALargerView)
{
    ScratchDir dir;
    const QString a = WriteJpeg(dir, QStringLiteral("a.jpg"), QSize(1600, 1200));
    PictureDecodeCache cache;
    const PagePicturePtr small = cache.Obtain(RequestFor(a, FitWidthLayout(400, 300)));
    ASSERT_TRUE(small);
    EXPECT_EQ(cache.Obtain(RequestFor(a, FitWidthLayout(400, 300))), small);
    EXPECT_EQ(cache.Statistics().hits, 1);
    const PagePicturePtr large = cache.Obtain(RequestFor(a, FitWidthLayout(1600, 1200)));
    ASSERT_TRUE(large);
    EXPECT_EQ(small->raster.width(), 400);
    EXPECT_EQ(large->raster.width(), 1600);
    EXPECT_EQ(cache.Statistics().decodes, 2);
}

TEST(DecodeCache, AFileReplacedOnDiskIsDecodedAfresh)
{
    ScratchDir dir;
    const QString a = WriteJpeg(dir, QStringLiteral("a.jpg"), QSize(200, 100));
    PictureDecodeCache cache;
    ASSERT_TRUE(cache.Obtain(RequestFor(a)));
    WriteJpeg(dir, QStringLiteral("a.jpg"), QSize(300, 100));
    const PagePicturePtr again = cache.Obtain(RequestFor(a));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->pixelSize, QSize(300, 100));
}

TEST(DecodeCache, StaysWithinItsByteBudget)
{
    ScratchDir dir;
    const qint64 onePicture = 400 * 300 * 4; // at 100 % every picture is decoded whole
    // Room for three pictures, and for the file of a fourth being decoded
    // beside them (its pixels push out the oldest).
    PictureDecodeCache cache(3 * onePicture + 64 * 1024);
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(cache.Obtain(RequestFor(WriteJpeg(dir, QStringLiteral("p%1.jpg").arg(i), QSize(400, 300)))));
    EXPECT_LE(cache.CachedBytes(), 3 * onePicture + 64 * 1024);
    EXPECT_EQ(cache.CachedCount(), 3);
}

TEST(DecodeCache, PrefetchesOfPagesLeftBehindAreDropped)
{
    ScratchDir dir;
    QList<DecodeRequest> many;
    for (int i = 0; i < 12; ++i)
        many.append(RequestFor(WriteJpeg(dir, QStringLiteral("p%1.jpg").arg(i), QSize(2000, 1500))));
    const QString other = WriteJpeg(dir, QStringLiteral("other.jpg"), QSize(600, 400));
    PictureDecodeCache cache(PictureDecodeCache::kDefaultByteBudget, 1);
    cache.Prefetch(many);
    cache.Prefetch({RequestFor(other)});
    cache.WaitForWorkers();
    // With one worker only the decode that had started before the second
    // prefetch (or, on a fast machine, one more) ran; the rest were dropped.
    EXPECT_LE(cache.CachedCount(), 3);
    ASSERT_TRUE(cache.Obtain(RequestFor(other)));
    EXPECT_EQ(cache.Statistics().hits, 1);
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
    EXPECT_EQ(cache.Statistics().decodes, 1);
    EXPECT_EQ(cache.CachedCount(), 0);
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
        if (i > 0) {
            ASSERT_TRUE(QFile::copy(first, path));
        }
        pages.append(RequestFor(path));
    }
    if (!ResetPeakResident())
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
    const qint64 onePage = 5000ll * 5000 * 4;
    EXPECT_LT(ResidentBytes("VmHWM:") - before, onePage * 3 / 2);
}

TEST(DecodeCache, AFailedPrefetchFallsBackToADecodeThatAlsoFails)
{
    ScratchDir dir;
    const QString missing = dir.FilePath(QStringLiteral("missing.jpg"));
    PictureDecodeCache cache;
    cache.Prefetch({RequestFor(missing)});
    EXPECT_FALSE(cache.Obtain(RequestFor(missing)));
    EXPECT_EQ(cache.CachedCount(), 0);
}

} // namespace
