// vellora-book and introductions: stored unchanged by "create --intro",
// printed by "intro" as text, HTML or RTF.

#include "document/Base64Text.h"
#include "document/BookDocument.h"
#include "document/BookFile.h"

#include "TestFiles.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
struct ToolResult {
    int exitCode = -1;
    QByteArray out, err;
};

ToolResult Book(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VELLORA_BIN_DIR "/vellora-book"), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QString Fixture(const QString &name) { return QStringLiteral(VELLORA_TEST_DATA "/rtf/") + name; }

// A one-page book with the given introduction file (none when empty).
QString MakeBook(const ScratchDir &dir, const QString &name, const QString &intro)
{
    const QString picture = dir.file(QStringLiteral("page.jpg"));
    WriteAll(picture, "a page");
    QStringList args{QStringLiteral("create"), dir.file(name), QStringLiteral("--title"), QStringLiteral("简介")};
    if (!intro.isEmpty())
        args << QStringLiteral("--intro") << intro;
    args << picture;
    const ToolResult run = Book(args);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return dir.file(name);
}

class IntroOfFixture : public testing::TestWithParam<const char *> {};

TEST_P(IntroOfFixture, StoresTheBytesUnchanged)
{
    ScratchDir dir;
    const QString rtf = Fixture(QLatin1String(GetParam()) + QStringLiteral(".rtf"));
    BookDocument book;
    ASSERT_TRUE(ReadBookFile(MakeBook(dir, QStringLiteral("b.vlr"), rtf), book));
    EXPECT_EQ(DecodeBase64Text(book.Intro), ReadAll(rtf));
}

TEST_P(IntroOfFixture, PrintsTheVisibleText)
{
    ScratchDir dir;
    const QString path = MakeBook(dir, QStringLiteral("b.vlr"), Fixture(QLatin1String(GetParam()) + QStringLiteral(".rtf")));
    const ToolResult run = Book({QStringLiteral("intro"), path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(run.out), QString::fromUtf8(ReadAll(Fixture(QLatin1String(GetParam()) + QStringLiteral(".txt")))));
}

TEST_P(IntroOfFixture, RtfOutputStoresAndPrintsTheSameText)
{
    ScratchDir dir;
    const QString first = MakeBook(dir, QStringLiteral("a.vlr"), Fixture(QLatin1String(GetParam()) + QStringLiteral(".rtf")));
    const ToolResult rtf = Book({QStringLiteral("intro"), first, QStringLiteral("--format"), QStringLiteral("rtf")});
    ASSERT_EQ(rtf.exitCode, 0);
    EXPECT_TRUE(rtf.out.startsWith("{\\rtf1\\ansi\\ansicpg936\\deff0"));
    WriteAll(dir.file(QStringLiteral("again.rtf")), rtf.out);
    const QString second = MakeBook(dir, QStringLiteral("b.vlr"), dir.file(QStringLiteral("again.rtf")));
    EXPECT_EQ(Book({QStringLiteral("intro"), second}).out, Book({QStringLiteral("intro"), first}).out);
    EXPECT_EQ(Book({QStringLiteral("intro"), second, QStringLiteral("--format"), QStringLiteral("rtf")}).out, rtf.out);
}

INSTANTIATE_TEST_SUITE_P(Files, IntroOfFixture,
                         testing::Values("re20-gbk-hex", "re41-unicode-escapes", "re-ansicpg1252-font134"),
                         [](const auto &info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(IntroCommand, HtmlHoldsTheTextAndItsFormat)
{
    ScratchDir dir;
    WriteAll(dir.file(QStringLiteral("i.rtf")), "{\\rtf1\\ansi {\\b \\u31895?\\u20307?} plain}");
    const ToolResult run = Book({QStringLiteral("intro"), MakeBook(dir, QStringLiteral("b.vlr"), dir.file(QStringLiteral("i.rtf"))),
                          QStringLiteral("--format"), QStringLiteral("html")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("<!DOCTYPE HTML"));
    EXPECT_TRUE(run.out.contains("font-weight:700;\">粗体</span>")) << run.out.toStdString();
}

TEST(IntroCommand, BookWithoutIntroductionPrintsNothing)
{
    ScratchDir dir;
    const QString path = MakeBook(dir, QStringLiteral("b.vlr"), QString());
    for (const char *format : {"text", "html", "rtf"}) {
        const ToolResult run = Book({QStringLiteral("intro"), path, QStringLiteral("--format"), QLatin1String(format)});
        EXPECT_EQ(run.exitCode, 0) << format;
        EXPECT_TRUE(run.out.isEmpty()) << format;
    }
}

struct FailureCase {
    const char *name;
    QStringList args; // "@" stands for a scratch folder
    int exitCode;
};

class IntroFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(IntroFailure, ExitsWithTheStatus)
{
    ScratchDir dir;
    WriteAll(dir.file(QStringLiteral("page.jpg")), "a page");
    WriteAll(dir.file(QStringLiteral("junk.vlr")), "not a book");
    QStringList args = GetParam().args;
    for (QString &a : args)
        a.replace(QLatin1Char('@'), dir.path());
    const ToolResult run = Book(args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_TRUE(run.out.isEmpty());
    // A failed create leaves no book behind.
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("new.vlr"))));
}

INSTANTIATE_TEST_SUITE_P(Cases, IntroFailure, testing::Values(
    FailureCase{"MissingBook", {"intro", "@missing.vlr"}, 1},
    FailureCase{"NotABook", {"intro", "@junk.vlr"}, 1},
    FailureCase{"UnknownFormat", {"intro", "@junk.vlr", "--format", "xml"}, 2},
    FailureCase{"NoBook", {"intro"}, 2},
    FailureCase{"TwoBooks", {"intro", "@a.vlr", "@b.vlr"}, 2},
    FailureCase{"MissingIntroFile", {"create", "@new.vlr", "--intro", "@none.rtf", "@page.jpg"}, 1},
    FailureCase{"IntroIsAFolder", {"create", "@new.vlr", "--intro", "@", "@page.jpg"}, 1}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace
