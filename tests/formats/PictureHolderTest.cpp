// The picture holder: what each failed load leaves behind, that the old
// picture is gone before the next one decodes, and drawing through the
// painter's mapping.

#include "formats/PictureHolder.h"
#include "formats/PictureDecoder.h"

#include "Cases.h"
#include "PictureFixtures.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <QPainter>

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
        holder.SetDecoder([this](const QByteArray &bytes) {
            ++decodes;
            emptyWhenDecoding = emptyWhenDecoding && holder.IsEmpty();
            return DecodePicture(bytes, QSize(96, 96));
        });
    }
};

struct FailureCase {
    const char *name;
    const char *file;    // nullptr: a null path
    QByteArray contents; // empty: the file is not there
    bool keepsPicture;
    int decodes; // how many times the decoder ran for the failed load
};

class HolderFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(HolderFailures, LeaveTheHolderAsTheTableSays)
{
    const FailureCase &c = GetParam();
    ScratchDir dir;
    WatchedHolder w;
    ASSERT_TRUE(w.holder.LoadFromBytes(Encode(TwoHalves(40, 30), "bmp")));
    w.decodes = 0;
    if (!c.contents.isEmpty())
        WriteAll(dir.FilePath(QLatin1String(c.file)), c.contents);
    EXPECT_FALSE(w.holder.LoadFromFile(c.file ? dir.FilePath(QLatin1String(c.file)) : QString()));
    EXPECT_EQ(w.holder.NaturalSizeHimetric(), c.keepsPicture ? QSize(1058, 794) : QSize(0, 0));
    EXPECT_EQ(w.decodes, c.decodes);
    EXPECT_TRUE(w.emptyWhenDecoding);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HolderFailures,
    testing::Values(FailureCase{"NullPath", nullptr, {}, true, 0}, FailureCase{"MissingFile", "none.jpg", {}, false, 0},
                    FailureCase{"NotAPicture", "words.jpg", "no picture here", false, 1},
                    FailureCase{"DamagedBitmap", "huge.bmp", BmpClaiming(100000, 100000), false, 1}),
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
    for (const auto &[x, colour] :
         {std::pair{50, Qt::white}, std::pair{140, Qt::red}, std::pair{260, Qt::blue}, std::pair{320, Qt::white}})
        EXPECT_TRUE(Near(canvas.pixelColor(x, 150), colour)) << x;
}
} // namespace
