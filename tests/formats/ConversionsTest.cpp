// Conversions: font charsets to code pages and their decoding, HIMETRIC to
// pixels.

#include "TestFiles.h"
#include "formats/CodePage.h"
#include "formats/Himetric.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {
struct CharsetCase {
    int charset, codePage;
};

class CharsetToCodePage : public testing::TestWithParam<CharsetCase> {};

TEST_P(CharsetToCodePage, MapsFontCharsets) { EXPECT_EQ(CodePageForCharset(GetParam().charset), GetParam().codePage); }

INSTANTIATE_TEST_SUITE_P(Sets, CharsetToCodePage,
                         testing::Values(CharsetCase{0, 1252}, CharsetCase{1, 0}, CharsetCase{128, 932},
                                         CharsetCase{129, 949}, CharsetCase{134, 936}, CharsetCase{136, 950},
                                         CharsetCase{204, 1251}, CharsetCase{238, 1250}, CharsetCase{222, 874},
                                         CharsetCase{99, -1}));

struct DecodeCase {
    int codePage;
    QByteArray bytes;
    const char16_t *text; // nullptr: a lone lead byte, flushed as one replacement character
};

class CodePageDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(CodePageDecoding, DecodesWholeRunsAndSplitDoubleBytes)
{
    const DecodeCase &c = GetParam();
    const QString expected = c.text ? QString::fromUtf16(c.text) : QString(QChar(0xfffd));
    if (c.text) {
        EXPECT_EQ(DecodeCodePage(c.bytes, c.codePage), expected);
    }
    // Byte by byte through the stateful decoder gives the same text, and the
    // decoder starts afresh after a flush.
    CodePageDecoder decoder(c.codePage);
    QString joined;
    for (char b : c.bytes)
        joined += decoder.Decode(QByteArrayView(&b, 1));
    EXPECT_EQ(joined + decoder.Flush(), expected);
    EXPECT_EQ(decoder.Decode("A") + decoder.Flush(), QStringLiteral("A"));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CodePageDecoding,
    testing::Values(DecodeCase{936, "\xd6\xd0\xce\xc4", u"中文"},
                    DecodeCase{936, "\x81\x40", u"丂"} /* GBK beyond GB2312 */,
                    DecodeCase{950, "\xa4\xa4\xa4\xe5", u"中文"}, DecodeCase{932, "\x93\xfa\x96\x7b", u"日本"},
                    DecodeCase{949, "\xc7\xd1", u"한"}, DecodeCase{1252, "caf\xe9 \x80", u"café €"},
                    DecodeCase{1251, "\xcf\xf0\xe8", u"При"}, DecodeCase{1250, "\x8a", u"Š"},
                    DecodeCase{874, "\xa1", u"ก"}, DecodeCase{4242, "\xe9", u"é"} /* unknown pages decode as Western */,
                    DecodeCase{936, "\xd6", nullptr}, DecodeCase{950, "\xa4", nullptr},
                    DecodeCase{949, "\xb0", nullptr}));

struct MulDivCase {
    int a, b, c, expected;
};

class MulDivRounding : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivRounding, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDivRounded(GetParam().a, GetParam().b, GetParam().c), GetParam().expected);
}

// 96 × 2 000 000 000 does not fit in 32 bits.
INSTANTIATE_TEST_SUITE_P(
    Table, MulDivRounding,
    testing::Values(MulDivCase{96, 1000, 2540, 38}, MulDivCase{96, 500, 2540, 19}, MulDivCase{96, 2540, 2540, 96},
                    MulDivCase{120, 2540, 2540, 120}, MulDivCase{127, 10, 2540, 1}, MulDivCase{127, -10, 2540, -1},
                    MulDivCase{127, 9, 2540, 0}, MulDivCase{-127, 10, 2540, -1}, MulDivCase{127, 10, -2540, -1},
                    MulDivCase{3, 5, 2, 8}, MulDivCase{-3, 5, 2, -8}, MulDivCase{5, 1, 2, 3},
                    MulDivCase{96, 2000000000, 2540, 75590551},
                    MulDivCase{2000000000, 2540, 96, std::numeric_limits<int>::max()},
                    MulDivCase{-2000000000, 2540, 96, std::numeric_limits<int>::min()}, MulDivCase{7, 9, 0, 0}));

// At 100 % one picture pixel must be one screen pixel, so the natural size a
// raster picture reports has to come back to its pixel size.
TEST(Himetric, PixelsComeBackFromTheirHimetricSize)
{
    for (int resolution : {72, 96, 120, 144, 192})
        for (int pixels : {1, 7, 400, 1919, 6000, 16384}) {
            const QSize dpi(resolution, resolution);
            EXPECT_EQ(HimetricToPixels(PixelsToHimetric({pixels, pixels + 1}, dpi), dpi), QSize(pixels, pixels + 1))
                << pixels << " px at " << resolution;
        }
}
} // namespace
