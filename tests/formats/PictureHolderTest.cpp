#include "formats/PictureHolder.h"
#include "formats/PictureDecoder.h"
#include "formats/ScreenDpi.h"

#include "PictureFixtures.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <sys/stat.h>

using namespace fixtures;

namespace {
bool Near(QColor a, QColor b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// A holder that counts the bytes handed to its decoder and notes whether the
// previous picture was already gone by then.
struct WatchedHolder {
    PictureHolder holder;
    int decodes = 0;
    bool emptyWhenDecoding = true;

    WatchedHolder()
    {
        holder.SetDecoder([this](const QByteArray &bytes) {
            ++decodes;
            emptyWhenDecoding = emptyWhenDecoding && holder.IsEmpty();
            return DecodePicture(bytes, QSize(96, 96));
        });
    }
};

QString WriteFile(const ScratchDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.FilePath(name);
    WriteAll(path, bytes);
    return path;
}

class ScreenAt96 : public testing::Test {
protected:
    void SetUp() override { SetScreenLogicalDpi({96, 96}); }
    void TearDown() override { SetScreenLogicalDpi({}); }
};
} // namespace

// --- what each failed load leaves behind -------------------------------------

struct FailureCase {
    const char *name;
    std::function<QString(const ScratchDir &)> path;
    bool keepsPicture;
    int decodes; // how many times the decoder ran for the failed load
};
void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.name; }

class HolderFailures : public ScreenAt96, public testing::WithParamInterface<FailureCase> {};

TEST_P(HolderFailures, LeaveTheHolderAsTheTableSays)
{
    const FailureCase &c = GetParam();
    ScratchDir dir;
    WatchedHolder w;
    ASSERT_TRUE(w.holder.LoadFromFile(WriteFile(dir, QStringLiteral("first.bmp"), Encode(TwoHalves(40, 30), "bmp"))));
    w.decodes = 0;

    EXPECT_FALSE(w.holder.LoadFromFile(c.path(dir)));
    EXPECT_EQ(w.holder.IsEmpty(), !c.keepsPicture);
    EXPECT_EQ(w.holder.NaturalSizeHimetric(), c.keepsPicture ? QSize(1058, 794) : QSize(0, 0));
    EXPECT_EQ(w.decodes, c.decodes);
    EXPECT_TRUE(w.emptyWhenDecoding);
}

using Dir = const ScratchDir &;
INSTANTIATE_TEST_SUITE_P(
    Table, HolderFailures,
    testing::Values(
        FailureCase{"NullPath", [](Dir) { return QString(); }, true, 0},
        FailureCase{"EmptyPath", [](Dir) { return QStringLiteral(""); }, false, 0},
        FailureCase{"MissingFile", [](Dir d) { return d.FilePath(QStringLiteral("none.jpg")); }, false, 0},
        FailureCase{"EmptyFile", [](Dir d) { return WriteFile(d, QStringLiteral("empty.bmp"), {}); }, false, 0},
        FailureCase{"Folder", [](Dir d) { return d.Path(); }, false, 0},
        FailureCase{"Fifo",
                    [](Dir d) {
                        mkfifo(QFile::encodeName(d.FilePath(QStringLiteral("p.bmp"))).constData(), 0600);
                        return d.FilePath(QStringLiteral("p.bmp"));
                    },
                    false, 0},
        // Root reads an unreadable file anyway; then a missing one stands in for it.
        FailureCase{"Unreadable",
                    [](Dir d) {
                        const QString path = WriteFile(d, QStringLiteral("locked.bmp"), Encode(TwoHalves(4, 4), "bmp"));
                        QFile::setPermissions(path, {});
                        return QFile(path).open(QIODevice::ReadOnly) ? d.FilePath(QStringLiteral("gone.bmp")) : path;
                    },
                    false, 0},
        FailureCase{"PathLongerThanPathMax", [](Dir d) { return d.Path() + QString(4096, QLatin1Char('a')); }, false,
                    0},
        FailureCase{"NotAPicture", [](Dir d) { return WriteFile(d, QStringLiteral("words.jpg"), "no picture here"); },
                    false, 1},
        FailureCase{"DamagedBitmap",
                    [](Dir d) { return WriteFile(d, QStringLiteral("huge.bmp"), BmpClaiming(100000, 100000)); }, false,
                    1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScreenAt96, ASecondPictureReplacesTheFirst)
{
    ScratchDir dir;
    WatchedHolder w;
    ASSERT_TRUE(w.holder.LoadFromFile(WriteFile(dir, QStringLiteral("a.png"), Encode(TwoHalves(40, 30), "png"))));
    ASSERT_TRUE(w.holder.LoadFromFile(WriteFile(dir, QStringLiteral("b.gif"), SolidGif(96, 48, {Qt::green}))));
    EXPECT_EQ(w.holder.NaturalSizeHimetric(), QSize(2540, 1270));
    EXPECT_TRUE(w.emptyWhenDecoding);
    w.holder.Release();
    EXPECT_TRUE(w.holder.IsEmpty());
}

TEST_F(ScreenAt96, LoadsFromAStreamFromItsPositionOrFromBytes)
{
    const QByteArray picture = Encode(TwoHalves(48, 24), "bmp");
    QByteArray bytes = "prefix" + picture;
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    buffer.seek(6);
    PictureHolder holder;
    EXPECT_TRUE(holder.LoadFromStream(&buffer));
    EXPECT_EQ(holder.NaturalSizeHimetric(), QSize(1270, 635));

    EXPECT_FALSE(holder.LoadFromStream(nullptr));
    EXPECT_FALSE(holder.IsEmpty()) << "a null stream keeps the picture";

    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    EXPECT_FALSE(holder.LoadFromStream(&empty));
    EXPECT_TRUE(holder.IsEmpty());
    ASSERT_TRUE(holder.LoadFromBytes(Encode(TwoHalves(8, 8), "png")));
    EXPECT_FALSE(holder.LoadFromBytes(QByteArray::fromHex("89504e470d0a1a0a00"))); // bytes that do not decode
    EXPECT_TRUE(holder.IsEmpty());
}

// --- drawing -----------------------------------------------------------------

// A picture stretched into a wider rectangle: vellora-book render's table (tests/cli).
TEST_F(ScreenAt96, RenderingFollowsThePaintersMappingAndAnEmptyHolderDrawsNothing)
{
    PictureHolder holder;
    QImage canvas(400, 300, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    holder.RenderInto(p, QRect(0, 0, 400, 300));
    ASSERT_TRUE(holder.LoadFromBytes(Encode(TwoHalves(40, 30), "bmp")));
    // Logical 40 × 30 shown on 400 × 300 device pixels, shifted by 100.
    p.setWindow(0, 0, 40, 30);
    p.setViewport(100, 0, 400, 300);
    holder.RenderInto(p, QRect(0, 0, 20, 30));
    p.end();
    EXPECT_TRUE(Near(canvas.pixelColor(50, 150), Qt::white));
    EXPECT_TRUE(Near(canvas.pixelColor(140, 150), Qt::red));
    EXPECT_TRUE(Near(canvas.pixelColor(260, 150), Qt::blue));
    EXPECT_TRUE(Near(canvas.pixelColor(320, 150), Qt::white));
}

// The conversion itself is the platform's; here only that the screen's resolution is the one asked.
TEST(PictureHolder, HimetricToPixelsUsesTheScreensResolution)
{
    SetScreenLogicalDpi({96, 120});
    EXPECT_EQ(PictureHolder::HimetricToPixels({2540, 2540}), QSize(96, 120));
    SetScreenLogicalDpi({});
    EXPECT_EQ(PictureHolder::HimetricToPixels({2540, 2540}, {120, 120}), QSize(120, 120));
}
