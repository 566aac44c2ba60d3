// vellora-book create and intro: introductions are stored unchanged by
// "create --intro" and printed by "intro" as text, HTML or RTF.

#include "document/Base64Text.h"

#include "BookTool.h"
#include "PictureFixtures.h"

#include <gtest/gtest.h>

namespace {

// Pictures in the introduction that libpng complains about (a comment chunk
// with a wrong checksum: a warning; a cut chunk: an error, which libpng
// prints itself) leave stderr empty: a script reads that as success.
TEST(IntroCommand, StoresTheFileUnchangedAndKeepsDecoderMessagesOffStderr)
{
    const QByteArray png = fixtures::Encode(fixtures::Solid(4, 4, Qt::red), "png");
    const qsizetype afterHeader = 8 + 25; // the signature and the IHDR chunk
    const QByteArray chunk = QByteArray::fromHex("00000007") + QByteArray("tEXtkey\0abc", 11);
    const QByteArray badChecksum = QByteArray(png).insert(afterHeader, chunk + QByteArray::fromHex("00000000"));
    const QByteArray cutChunk = QByteArray(png).insert(afterHeader, chunk.left(11));
    const auto pict = [](const QByteArray &bytes) { return "{\\pict\\pngblip\\picw4\\pich4 " + bytes.toHex() + "}"; };
    const QByteArray rtf = "{\\rtf1\\ansi before " + pict(badChecksum) + pict(cutChunk) + " after}";
    ScratchDir dir;
    const QString book = dir.FilePath(QStringLiteral("b.vlr"));
    const ToolRun create = Tool({QStringLiteral("create"), book, QStringLiteral("--intro"), Write(dir, QStringLiteral("i.rtf"), rtf),
                                 Write(dir, QStringLiteral("page.jpg"), "a page")});
    ASSERT_EQ(create.exitCode, 0) << create.err.toStdString();
    BookDocument stored;
    ASSERT_TRUE(ReadBookFile(book, stored));
    EXPECT_EQ(DecodeBase64Text(stored.intro), rtf);
    for (const char *format : {"text", "html", "rtf"}) {
        const ToolRun run = Tool({QStringLiteral("intro"), book, QStringLiteral("--format"), QLatin1String(format)});
        EXPECT_EQ(run.exitCode, 0) << format;
        EXPECT_EQ(run.err, QByteArray()) << format;
        EXPECT_TRUE(run.out.contains("after")) << format;
    }
}

} // namespace
