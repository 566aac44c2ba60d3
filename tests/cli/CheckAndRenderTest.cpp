// vellora-book check and render over raster pictures and Windows metafiles.

#include "PictureFixtures.h"

#include "BookTool.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// Each picture's status and size; bad pictures are the report's business,
// not a stream of decoder noise on stderr.
TEST(CheckCommand, ReportsEachPictureQuietlyAndFailsWhenAnyIsBad)
{
    ScratchDir dir;
    const QStringList paths{Write(dir, QStringLiteral("页 1.bmp"), fixtures::Encode(fixtures::TwoHalves(400, 300), "bmp")),
                            Write(dir, QStringLiteral("junk.jpg"), QByteArray::fromHex("ffd8ffe000104a464946") + "cut"),
                            dir.FilePath(QStringLiteral("missing.gif")), Metafile("emf_lo_text.emf"), Metafile("wmf_lo_shapes.wmf"),
                            Metafile("broken_truncated.wmf")};
    const QStringList expected{"ok 400 300 10583 7938", "undecodable", "missing", "ok 426 199 11268 5268", "ok 351 257 9288 6788", "undecodable"};
    BookDocument book = BookDocument::MakeNew();
    for (const QString &path : paths)
        book.pictures.append(PictureEntry(path, QStringLiteral("2026-12-6 20:00"), 0));
    ASSERT_TRUE(WriteBookFile(dir.FilePath(QStringLiteral("book.vlr")), book));
    const ToolRun run = Tool({QStringLiteral("check"), dir.FilePath(QStringLiteral("book.vlr"))});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, QByteArray());
    QStringList reported;
    for (const QJsonValue &value : QJsonDocument::fromJson(run.out).object()[QStringLiteral("Pictures")].toArray()) {
        QStringList fields{value[QStringLiteral("status")].toString()};
        for (const char *key : {"width", "height", "himetricWidth", "himetricHeight"})
            if (value.toObject().contains(QLatin1String(key)))
                fields << QString::number(value[QLatin1String(key)].toInt());
        reported << fields.join(QLatin1Char(' '));
    }
    EXPECT_EQ(reported, expected) << run.out.toStdString();
}

// The picture stretched into the PNG: red stays left, blue right.
TEST(RenderCommand, DrawsThePictureStretchedIntoThePng)
{
    ScratchDir dir;
    const QString picture = Write(dir, QStringLiteral("p.bmp"), fixtures::Encode(fixtures::TwoHalves(400, 300), "bmp"));
    const QString out = dir.FilePath(QStringLiteral("out.png"));
    ASSERT_EQ(Tool({QStringLiteral("render"), picture, out, QStringLiteral("--height"), QStringLiteral("30")}).exitCode, 0);
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(400, 30));
    EXPECT_EQ(image.pixelColor(100, 15), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(398, 28), QColor(Qt::blue));
}

} // namespace
