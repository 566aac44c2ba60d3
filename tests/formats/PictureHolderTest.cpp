// The picture holder: what each failed load leaves behind, that the old
// picture is gone before the next one decodes, and drawing through the
// painter's mapping.

#include "formats/PictureHolder.h"
#include "formats/PictureDecoder.h"
#include "formats/ScreenDpi.h"

#include "Cases.h"
#include "PictureFixtures.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <QPainter>

#include <functional>
#include <string>

using namespace fixtures;

namespace {
// A holder that counts the bytes handed to its decoder and notes whether the
// previous picture was already gone by then.
struct WatchedHolder {
    PictureHolder holder;
    int decodes = 0;
    bool emptyWhenDecoding = true;

    WatchedHolder()
    {
        SetScreenLogicalDpi({96, 96});
        holder.SetDecoder([this](const QByteArray &bytes) {
            ++decodes;
            emptyWhenDecoding = emptyWhenDecoding && holder.IsEmpty();
            return DecodePicture(bytes, QSize(96, 96));
        });
    }
    ~WatchedHolder() { SetScreenLogicalDpi({}); }
};

QString WriteFile(const ScratchDir &dir, const QString &name, const QByteArray &bytes)
{
    WriteAll(dir.FilePath(name), bytes);
    return dir.FilePath(name);
}

struct FailureCase {
    const char *name;
    std::function<QString(const ScratchDir &)> path;
    bool keepsPicture;
    int decodes; // how many times the decoder ran for the failed load
};

class HolderFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(HolderFailures, LeaveTheHolderAsTheTableSays)
{
    ScratchDir dir;
    WatchedHolder w;
    ASSERT_TRUE(w.holder.LoadFromFile(WriteFile(dir, QStringLiteral("first.bmp"), Encode(TwoHalves(40, 30), "bmp"))));
    w.decodes = 0;
    EXPECT_FALSE(w.holder.LoadFromFile(GetParam().path(dir)));
    EXPECT_EQ(w.holder.NaturalSizeHimetric(), GetParam().keepsPicture ? QSize(1058, 794) : QSize(0, 0));
    EXPECT_EQ(w.decodes, GetParam().decodes);
    EXPECT_TRUE(w.emptyWhenDecoding);
}

using Dir = const ScratchDir &;
INSTANTIATE_TEST_SUITE_P(
    Table, HolderFailures,
    testing::Values(
        FailureCase{"NullPath", [](Dir) { return QString(); }, true, 0},
        FailureCase{"MissingFile", [](Dir d) { return d.FilePath(QStringLiteral("none.jpg")); }, false, 0},
        FailureCase{"Folder", [](Dir d) { return d.Path(); }, false, 0},
        FailureCase{"NotAPicture", [](Dir d) { return WriteFile(d, QStringLiteral("words.jpg"), "no picture here"); },
                    false, 1},
        FailureCase{"DamagedBitmap",
                    [](Dir d) { return WriteFile(d, QStringLiteral("huge.bmp"), BmpClaiming(100000, 100000)); }, false,
                    1}),
    CaseName());

// A picture stretched into a wider rectangle: vellora-book render's table (tests/cli).
TEST(PictureHolder, ReplacesItsPictureAndDrawsThroughThePaintersMapping)
{
    WatchedHolder w;
    ASSERT_TRUE(w.holder.LoadFromBytes(SolidGif(96, 48, {Qt::green})));
    ASSERT_TRUE(w.holder.LoadFromBytes(Encode(TwoHalves(40, 30), "bmp")));
    EXPECT_TRUE(w.emptyWhenDecoding);
    QImage canvas = White({400, 300});
    QPainter p(&canvas);
    // Logical 40 × 30 shown on 400 × 300 device pixels, shifted by 100.
    p.setWindow(0, 0, 40, 30);
    p.setViewport(100, 0, 400, 300);
    w.holder.RenderInto(p, QRect(0, 0, 20, 30));
    p.end();
    EXPECT_TRUE(Near(canvas.pixelColor(50, 150), Qt::white));
    EXPECT_TRUE(Near(canvas.pixelColor(140, 150), Qt::red));
    EXPECT_TRUE(Near(canvas.pixelColor(260, 150), Qt::blue));
    EXPECT_TRUE(Near(canvas.pixelColor(320, 150), Qt::white));
}
} // namespace
