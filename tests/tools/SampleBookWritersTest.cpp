// The sample book's own writers: Qt reads back every pixel of the GIFs,
// and the metafile's headers and records add up for any reader.

#include "GifWriter.h"
#include "WmfWriter.h"

#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

class GifWriterRoundTrip : public testing::TestWithParam<QSize> {};

// Noisy pictures fill the 4096-code table many times over, so the clear
// codes and every code-size step are exercised; with at most 256 colours
// the palette is exact, and so is every pixel.
TEST_P(GifWriterRoundTrip, QtReadsBackThePixelsWritten)
{
    QImage source(GetParam(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x / 3 % 16 * 16, y % 8 * 32, (x * 7 ^ y * 13 ^ x * y) % 3 / 2 * 255));
    EXPECT_EQ(QImage::fromData(EncodeGif(source), "gif").convertToFormat(QImage::Format_RGB32), source);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GifWriterRoundTrip, testing::Values(QSize(1, 1), QSize(7, 3), QSize(517, 389)),
                         [](const auto &instance) { return "Side" + std::to_string(instance.param.width()); });

// Header sizes that add up, records that chain exactly to the end-of-file
// record, a valid checksum.
TEST(WmfWriter, RecordsChainToTheEndAndTheHeadersAgree)
{
    WmfWriter wmf(QSize(8640, 5760), 1440);
    wmf.SetBrush(Qt::red);
    wmf.Rectangle(QRect(0, 0, 100, 50));
    wmf.SetBrush(Qt::blue); // replaces the first brush
    wmf.TextOut(QPoint(1, 2), "odd", 12, Qt::white);
    const QByteArray b = wmf.Finish();
    const auto u16 = [&b](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    const auto u32 = [&b](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    quint16 checksum = 0, function = 0xFFFF;
    for (int i = 0; i < 10; ++i)
        checksum ^= u16(2 * i);
    EXPECT_EQ(b.left(16).toHex(), "d7cdc69a000000000000c0218016a005"); // key, frame 8640 x 5760, 1440 an inch
    EXPECT_EQ(u16(20), checksum);
    EXPECT_EQ(qsizetype(u32(28)) * 2, b.size() - 22);
    qsizetype at = 40, largest = 0;
    for (; at < b.size() && u32(at) >= 3; at += qsizetype(u32(at)) * 2)
        largest = std::max(largest, qsizetype(u32(at))), function = u16(at + 4);
    EXPECT_EQ(std::pair(at, function), std::pair(b.size(), quint16(0x0000))); // the end-of-file record is last
    EXPECT_EQ(qsizetype(u32(34)), largest);
}
