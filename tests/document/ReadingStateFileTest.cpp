#include "document/ReadingStateFile.h"
#include "document/AppDirectories.h"
#include "document/FileIo.h"

#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
struct StateDir {
    ScratchDir scratch;
    StateDir() { QDir().mkpath(scratch.Path() + QStringLiteral("etc")); }
    QString Data() const { return scratch.Path(); }
    QString FilePath(const char *id) const
    {
        return scratch.Path() + QStringLiteral("etc/") + QLatin1String(id) + QStringLiteral(".etc");
    }
};
} // namespace

TEST(ReadingStateFile, WritesTheEighteenByteExample)
{
    StateDir dir;
    ASSERT_TRUE(SaveReadingStateFile(dir.Data(), QStringLiteral("901234"), ReadingState{4, 1, 5}));
    const QByteArray expected("\x34\x00\x0D\x00\x0A\x00\x31\x00\x0D\x00\x0A\x00\x35\x00\x0D\x00\x0A\x00", 18);
    EXPECT_EQ(ReadAll(dir.FilePath("901234")), expected);
}

TEST(ReadingStateFile, NegativeValuesRoundTripAndASaveWithoutEtcFails)
{
    StateDir dir;
    ASSERT_TRUE(SaveReadingStateFile(dir.Data(), QStringLiteral("1"), ReadingState{-1, 0, -2147483647 - 1}));
    ReadingState back{9, 9, 9};
    ASSERT_TRUE(LoadReadingStateFile(dir.Data(), QStringLiteral("1"), back));
    EXPECT_EQ(std::tuple(back.page, back.speed, back.step), std::tuple(-1, 0, -2147483647 - 1));
    ScratchDir bare; // no "etc" folder
    EXPECT_FALSE(SaveReadingStateFile(bare.Path(), QStringLiteral("5"), ReadingState{}));
    EXPECT_FALSE(LoadReadingStateFile(dir.Data(), QStringLiteral("123"), back)); // a missing file changes nothing
    EXPECT_EQ(std::tuple(back.page, back.speed, back.step), std::tuple(-1, 0, -2147483647 - 1));
}

struct StateCase {
    const char *name;
    QString text;
    ReadingState expected; // loaded over {10, 20, 30}
};

class ReadingStateLoad : public testing::TestWithParam<StateCase> {};

TEST_P(ReadingStateLoad, EachLineThatIsANumberReplacesItsValue)
{
    StateDir dir;
    ASSERT_TRUE(WriteAll(dir.FilePath("77"), ToUtf16Le(GetParam().text)));
    ReadingState state{10, 20, 30};
    ASSERT_TRUE(LoadReadingStateFile(dir.Data(), QStringLiteral("77"), state));
    const ReadingState &e = GetParam().expected;
    EXPECT_EQ(std::tuple(state.page, state.speed, state.step), std::tuple(e.page, e.speed, e.step));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingStateLoad,
    testing::Values(StateCase{"Plain", QStringLiteral("7\r\n2\r\n3\r\n"), {7, 2, 3}},
                    // Each line as ParseNumber reads it (its own table has the syntax).
                    StateCase{"BlanksFractionsAndLetters", QStringLiteral(" 7 \r\n7.9\r\nx\r\n"), {7, 7, 30}},
                    StateCase{"ExtraLinesIgnored", QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n"), {1, 2, 3}},
                    StateCase{"ThirdLineWithoutLineEnd", QStringLiteral("1\r\n2\r\n3"), {1, 2, 30}},
                    StateCase{"OneLine", QStringLiteral("5\r\n"), {5, 20, 30}},
                    StateCase{"Empty", QString(), {10, 20, 30}},
                    StateCase{"Garbage", QStringLiteral("\r\r\r\r"), {10, 20, 30}}),
    [](const auto &info) { return std::string(info.param.name); });

class UnsafeBookId : public testing::TestWithParam<const char *> {};

TEST_P(UnsafeBookId, GetsNoStateFile)
{
    StateDir dir;
    const QString id = QString::fromUtf8(GetParam());
    EXPECT_TRUE(ReadingStateFilePath(dir.Data(), id).isEmpty());
    EXPECT_FALSE(SaveReadingStateFile(dir.Data(), id, ReadingState{}));
    ReadingState state;
    EXPECT_FALSE(LoadReadingStateFile(dir.Data(), id, state));
    // Nothing was written anywhere below the data directory.
    EXPECT_EQ(QDir(dir.Data()).entryList(QDir::Files).size(), 0);
    EXPECT_EQ(QDir(dir.Data() + QStringLiteral("etc")).entryList(QDir::Files).size(), 0);
}

// Which ids are safe is BookId's table; these are the ones that would leave the folder.
INSTANTIATE_TEST_SUITE_P(Ids, UnsafeBookId, testing::Values("../../x", "", "12/3"));

TEST(DataDirectories, EnsureCreatesTheDataFolderAndEtc)
{
    ScratchDir dir;
    const QString data = dir.Path() + QStringLiteral("Documents/Vellora/");
    SetDataDirectory(data);
    EnsureDataDirectories();
    EnsureDataDirectories(); // existing folders are fine
    EXPECT_TRUE(QDir(data + QStringLiteral("etc")).exists());
    SetDataDirectory(QString());
}

TEST(DataDirectories, DirectoriesEndInASlash)
{
    for (const char *given : {"/Opt/App", "/Opt/App/"}) {
        SetApplicationDirectory(QLatin1String(given));
        EXPECT_EQ(ApplicationDirectory(), QStringLiteral("/Opt/App/"));
    }
    SetApplicationDirectory(QString());
}
