#include "WmfWriter.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {
quint16 U16(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 U32(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
} // namespace

// The metafile must be well formed for any reader: header sizes that add up,
// records that chain exactly to the end-of-file record, a valid checksum.
TEST(WmfWriter, RecordsChainToTheEndAndTheHeadersAgree)
{
    WmfWriter wmf(QSize(8640, 5760), 1440);
    wmf.SetPen(Qt::black, 1);
    wmf.SetBrush(Qt::red);
    wmf.Rectangle(QRect(0, 0, 100, 50));
    wmf.SetBrush(Qt::blue); // replaces the first brush
    wmf.Ellipse(QRect(10, 10, 20, 20));
    wmf.Polygon({{0, 0}, {5, 9}, {9, 0}});
    wmf.TextOut(QPoint(1, 2), "odd", 12, Qt::white);
    const QByteArray b = wmf.Finish();

    ASSERT_EQ(U32(b, 0), 0x9AC6CDD7u);
    EXPECT_EQ(U16(b, 10), 8640);
    EXPECT_EQ(U16(b, 12), 5760);
    EXPECT_EQ(U16(b, 14), 1440);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= U16(b, 2 * i);
    EXPECT_EQ(U16(b, 20), checksum);

    const qsizetype header = 22;
    EXPECT_EQ(U16(b, header + 2), 9);
    EXPECT_EQ(qsizetype(U32(b, header + 6)) * 2, b.size() - header);
    quint32 largest = 0;
    qsizetype at = header + 18;
    quint16 function = 0xFFFF;
    while (at < b.size()) {
        const quint32 words = U32(b, at);
        ASSERT_GE(words, 3u);
        largest = std::max(largest, words);
        function = U16(b, at + 4);
        at += qsizetype(words) * 2;
    }
    EXPECT_EQ(at, b.size());
    EXPECT_EQ(function, 0x0000); // the end-of-file record is last
    EXPECT_EQ(U32(b, header + 12), largest);
}
