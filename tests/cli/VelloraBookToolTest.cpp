// Drives the real vellora-book executable as a script would.

#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "document/FileIo.h"

#include "TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
struct ToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

ToolRun Tool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VELLORA_BIN_DIR "/vellora-book"), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QString MakePicture(const ScratchDir &dir, const QString &name)
{
    const QString path = dir.file(name);
    WriteAll(path, "not really a picture, the tool does not decode");
    return path;
}
} // namespace

TEST(VelloraBookTool, CreateThenInfoRoundTrips)
{
    ScratchDir dir;
    const QString a = MakePicture(dir, QStringLiteral("a.jpg"));
    const QString b = MakePicture(dir, QStringLiteral("猫 b.gif"));
    const QString out = dir.file(QStringLiteral("book.vlr"));
    const ToolRun create = Tool({QStringLiteral("create"), out, QStringLiteral("--title"), QStringLiteral("山水画册"),
                             QStringLiteral("--author"), QStringLiteral("Li \"Bai\""), QStringLiteral("--category"),
                             QStringLiteral("风景"), QStringLiteral("--rating"), QStringLiteral("4"), a, b});
    ASSERT_EQ(create.exitCode, 0) << create.err.toStdString();

    const ToolRun info = Tool({QStringLiteral("info"), out});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(info.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << info.out.toStdString();
    EXPECT_EQ(json[QStringLiteral("FileType")].toString(), QStringLiteral("Picture Book File (*.vlr)"));
    EXPECT_EQ(json[QStringLiteral("Title")].toString(), QStringLiteral("山水画册"));
    EXPECT_EQ(json[QStringLiteral("Author")].toString(), QStringLiteral("Li \"Bai\""));
    EXPECT_EQ(json[QStringLiteral("Category")].toString(), QStringLiteral("风景"));
    EXPECT_TRUE(json[QStringLiteral("Rating")].isDouble());
    EXPECT_EQ(json[QStringLiteral("Rating")].toInt(), 4);
    EXPECT_EQ(json[QStringLiteral("PictureCount")].toInt(), 2);
    const QJsonArray pictures = json[QStringLiteral("Pictures")].toArray();
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("Path")].toString(), a);
    EXPECT_EQ(pictures[1].toObject()[QStringLiteral("Path")].toString(), b);
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("CompileTime")].toString().count(QLatin1Char('-')), 2);
    // The eleven fields come in file order.
    EXPECT_LT(info.out.indexOf("\"FileType\""), info.out.indexOf("\"Version\""));
    EXPECT_LT(info.out.indexOf("\"Cover\""), info.out.indexOf("\"Intro\""));
}

TEST(VelloraBookTool, PicturesBelowTheToolAreStoredWithThePlaceholder)
{
    ScratchDir dir;
    const QString inside = QStringLiteral(VELLORA_BIN_DIR "/test-picture-below-tool.bmp");
    WriteAll(inside, "x");
    const QString out = dir.file(QStringLiteral("b.vlr"));
    const ToolRun create = Tool({QStringLiteral("create"), out, inside});
    QFile::remove(inside);
    ASSERT_EQ(create.exitCode, 0) << create.err.toStdString();
    BookDocument book;
    ASSERT_TRUE(ReadBookFile(out, book));
    ASSERT_EQ(book.Pictures.size(), 1);
    EXPECT_EQ(book.Pictures[0].Path, QStringLiteral("[安装目录]\\test-picture-below-tool.bmp"));
}

TEST(VelloraBookTool, MissingPicturesWriteNothing)
{
    ScratchDir dir;
    const QString a = MakePicture(dir, QStringLiteral("a.jpg"));
    const QString out = dir.file(QStringLiteral("book.vlr"));
    const ToolRun r = Tool({QStringLiteral("create"), out, a, dir.file(QStringLiteral("gone.png")), dir.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("gone.png"));
    EXPECT_FALSE(QFile::exists(out));
}

TEST(VelloraBookTool, TextsTheFormatCannotCarryAreRefused)
{
    ScratchDir dir;
    const QString a = MakePicture(dir, QStringLiteral("a.jpg"));
    const QString bad = MakePicture(dir, QStringLiteral("x>y.jpg"));
    const QString out = dir.file(QStringLiteral("book.vlr"));
    EXPECT_EQ(Tool({QStringLiteral("create"), out, QStringLiteral("--title"), QStringLiteral("a\nb"), a}).exitCode, 1);
    EXPECT_EQ(Tool({QStringLiteral("create"), out, bad}).exitCode, 1);
    EXPECT_EQ(Tool({QStringLiteral("create"), out, QStringLiteral("--author"), QStringLiteral("<intro_begin>"), a}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));
}

TEST(VelloraBookTool, InfoOnANonBookFails)
{
    ScratchDir dir;
    const QString junk = dir.file(QStringLiteral("junk.vlr"));
    WriteAll(junk, "hello");
    const ToolRun r = Tool({QStringLiteral("info"), junk});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1);
}

class VelloraBookUsage : public testing::TestWithParam<std::pair<QStringList, int>> {};

TEST_P(VelloraBookUsage, HelpAndBadArguments)
{
    const ToolRun r = Tool(GetParam().first);
    EXPECT_EQ(r.exitCode, GetParam().second);
    if (GetParam().second == 0)
        EXPECT_TRUE(r.out.contains("usage:"));
    else
        EXPECT_TRUE(r.err.contains("usage:"));
}

INSTANTIATE_TEST_SUITE_P(Args, VelloraBookUsage, testing::Values(
    std::pair{QStringList{QStringLiteral("--help")}, 0},
    std::pair{QStringList{QStringLiteral("info"), QStringLiteral("--help")}, 0},
    std::pair{QStringList{QStringLiteral("create"), QStringLiteral("--help")}, 0},
    std::pair{QStringList{}, 2}, std::pair{QStringList{QStringLiteral("frobnicate")}, 2},
    std::pair{QStringList{QStringLiteral("info")}, 2},
    std::pair{QStringList{QStringLiteral("info"), QStringLiteral("a"), QStringLiteral("b")}, 2},
    std::pair{QStringList{QStringLiteral("create"), QStringLiteral("out.vlr")}, 2},
    std::pair{QStringList{QStringLiteral("create"), QStringLiteral("o.vlr"), QStringLiteral("--rating"),
                          QStringLiteral("9"), QStringLiteral("a.jpg")}, 2},
    std::pair{QStringList{QStringLiteral("create"), QStringLiteral("o.vlr"), QStringLiteral("--colour"),
                          QStringLiteral("red"), QStringLiteral("a.jpg")}, 2},
    std::pair{QStringList{QStringLiteral("create"), QStringLiteral("o.vlr"), QStringLiteral("--title")}, 2}));
