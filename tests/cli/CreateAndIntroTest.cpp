// vellora-book create, info and intro: introductions are stored unchanged by
// "create --intro" and printed by "intro" as text, HTML or RTF.

#include "document/Base64Text.h"

#include "BookTool.h"
#include "PictureFixtures.h"

#include <gtest/gtest.h>

namespace {

QString Fixture(const char *name, const char *ext)
{
    return QStringLiteral(VELLORA_TEST_DATA "/rtf/") + QLatin1String(name) + QLatin1String(ext);
}

// A one-page book with the given introduction file (none when empty).
QString MakeBook(const ScratchDir &dir, const QString &name, const QString &intro)
{
    QStringList args{QStringLiteral("create"), dir.FilePath(name), QStringLiteral("--title"), QStringLiteral("简介")};
    if (!intro.isEmpty())
        args << QStringLiteral("--intro") << intro;
    const ToolRun run = Tool(args << Write(dir, QStringLiteral("page.jpg"), "a page"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return dir.FilePath(name);
}

ToolRun Intro(const QString &book, const char *format = "text")
{
    return Tool({QStringLiteral("intro"), book, QStringLiteral("--format"), QLatin1String(format)});
}

TEST(CreateCommand, CreateThenInfoRoundTrips)
{
    ScratchDir dir;
    const QString a = Write(dir, QStringLiteral("a.jpg"), "not decoded");
    const QString b = Write(dir, QStringLiteral("猫 b.gif"), "not decoded");
    const QString out = dir.FilePath(QStringLiteral("book.vlr"));
    const ToolRun create = Tool({QStringLiteral("create"), out, QStringLiteral("--title"), QStringLiteral("山水画册"),
                                 QStringLiteral("--author"), QStringLiteral("Li \"Bai\""), QStringLiteral("--category"),
                                 QStringLiteral("风景"), QStringLiteral("--rating"), QStringLiteral("4"), a, b});
    ASSERT_EQ(create.exitCode, 0) << create.err.toStdString();
    const ToolRun info = Tool({QStringLiteral("info"), out});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(info.out).object();
    QStringList texts;
    for (const char *key : {"FileType", "Title", "Author", "Category"})
        texts << json[QLatin1String(key)].toString();
    EXPECT_EQ(texts, QStringList({"Picture Book File (*.vlr)", "山水画册", "Li \"Bai\"", "风景"}));
    EXPECT_TRUE(json[QStringLiteral("Rating")].isDouble());
    EXPECT_EQ(std::pair(json[QStringLiteral("Rating")].toInt(), json[QStringLiteral("PictureCount")].toInt()),
              std::pair(4, 2));
    const QJsonArray pictures = json[QStringLiteral("Pictures")].toArray();
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("Path")].toString(), a);
    EXPECT_EQ(pictures[1].toObject()[QStringLiteral("Path")].toString(), b);
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("CompileTime")].toString().count(QLatin1Char('-')), 2);
    // The eleven fields come in file order.
    EXPECT_LT(info.out.indexOf("\"FileType\""), info.out.indexOf("\"Version\""));
    EXPECT_LT(info.out.indexOf("\"Cover\""), info.out.indexOf("\"Intro\""));
}

// Stored with the placeholder by create, expanded again by check (which exits 0 when all is well).
TEST(CreateCommand, PicturesBelowTheToolAreStoredWithThePlaceholder)
{
    ScratchDir dir;
    const QString inside = QStringLiteral(VELLORA_BIN_DIR "/test-picture-below-tool.png");
    WriteAll(inside, fixtures::Encode(fixtures::Solid(10, 20, Qt::green), "png"));
    const ToolRun create = Tool({QStringLiteral("create"), dir.FilePath(QStringLiteral("b.vlr")), inside});
    const ToolRun check = Tool({QStringLiteral("check"), dir.FilePath(QStringLiteral("b.vlr"))});
    QFile::remove(inside);
    ASSERT_EQ(create.exitCode, 0) << create.err.toStdString();
    const QString contracted = QStringLiteral("[安装目录]\\test-picture-below-tool.png");
    BookDocument book;
    ASSERT_TRUE(ReadBookFile(dir.FilePath(QStringLiteral("b.vlr")), book));
    ASSERT_EQ(book.pictures.size(), 1);
    EXPECT_EQ(book.pictures[0].path, contracted);
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    const QJsonArray pictures = CheckedPictures(check);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("Path")].toString(), contracted);
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("height")].toInt(), 20);
}

class IntroOfFixture : public testing::TestWithParam<const char *> {};

TEST_P(IntroOfFixture, IsStoredUnchangedAndPrintedAsItsVisibleText)
{
    ScratchDir dir;
    const QString rtf = Fixture(GetParam(), ".rtf");
    const QString path = MakeBook(dir, QStringLiteral("b.vlr"), rtf);
    BookDocument book;
    ASSERT_TRUE(ReadBookFile(path, book));
    EXPECT_EQ(DecodeBase64Text(book.intro), ReadAll(rtf));
    const ToolRun run = Tool({QStringLiteral("intro"), path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(run.out), QString::fromUtf8(ReadAll(Fixture(GetParam(), ".txt"))));
}

TEST_P(IntroOfFixture, RtfOutputStoresAndPrintsTheSameText)
{
    ScratchDir dir;
    const QString first = MakeBook(dir, QStringLiteral("a.vlr"), Fixture(GetParam(), ".rtf"));
    const ToolRun rtf = Intro(first, "rtf");
    ASSERT_EQ(rtf.exitCode, 0);
    EXPECT_TRUE(rtf.out.startsWith("{\\rtf1\\ansi\\ansicpg936\\deff0"));
    const QString second = MakeBook(dir, QStringLiteral("b.vlr"), Write(dir, QStringLiteral("again.rtf"), rtf.out));
    EXPECT_EQ(Intro(second).out, Intro(first).out);
    EXPECT_EQ(Intro(second, "rtf").out, rtf.out);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IntroOfFixture, testing::Values("re20-gbk-hex", "re41-unicode-escapes", "re-ansicpg1252-font134"),
    [](const auto &info) {
        return QString::fromUtf8(info.param).replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
    });

TEST(IntroCommand, HtmlHoldsTheTextAndItsFormatAndNoIntroductionPrintsNothing)
{
    ScratchDir dir;
    const QString rtf = Write(dir, QStringLiteral("i.rtf"), "{\\rtf1\\ansi {\\b \\u31895?\\u20307?} plain}");
    const ToolRun run = Intro(MakeBook(dir, QStringLiteral("b.vlr"), rtf), "html");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("<!DOCTYPE HTML"));
    EXPECT_TRUE(run.out.contains("font-weight:700;\">粗体</span>")) << run.out.toStdString();
    const QString bare = MakeBook(dir, QStringLiteral("bare.vlr"), QString());
    for (const char *format : {"text", "html", "rtf"}) {
        const ToolRun empty = Intro(bare, format);
        EXPECT_EQ(empty.exitCode, 0) << format;
        EXPECT_TRUE(empty.out.isEmpty()) << format;
    }
}

// Pictures in the introduction that libpng complains about (a comment chunk
// with a wrong checksum: a warning; a cut chunk: an error, which libpng
// prints itself) leave stderr empty: a script reads that as success.
TEST(IntroCommand, DecoderMessagesStayOffStderr)
{
    const QByteArray png = fixtures::Encode(fixtures::Solid(4, 4, Qt::red), "png");
    ASSERT_EQ(png.mid(12, 4), QByteArray("IHDR"));
    const qsizetype afterHeader = 8 + 25; // the signature and the IHDR chunk
    const QByteArray badChecksum =
        QByteArray(png).insert(afterHeader, QByteArray::fromHex("00000007") + QByteArray("tEXtkey\0abc", 11)
                                                + QByteArray::fromHex("00000000"));
    const QByteArray cutChunk = QByteArray(png).insert(afterHeader, QByteArray::fromHex("00000007") + "tEXtkey");
    const auto pict = [](const QByteArray &bytes) { return "{\\pict\\pngblip\\picw4\\pich4 " + bytes.toHex() + "}"; };
    ScratchDir dir;
    const QString rtf =
        Write(dir, QStringLiteral("i.rtf"), "{\\rtf1\\ansi before " + pict(badChecksum) + pict(cutChunk) + " after}");
    for (const char *format : {"text", "html", "rtf"}) {
        const ToolRun run = Intro(MakeBook(dir, QStringLiteral("b.vlr"), rtf), format);
        EXPECT_EQ(run.exitCode, 0) << format;
        EXPECT_EQ(run.err, QByteArray()) << format;
        EXPECT_TRUE(run.out.contains("after")) << format;
    }
}

} // namespace
