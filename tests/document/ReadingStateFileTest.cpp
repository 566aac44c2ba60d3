#include "document/ReadingStateFile.h"
#include "document/FileIo.h"

#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
struct StateDir : ScratchDir {
    StateDir() { QDir().mkpath(Path() + QStringLiteral("etc")); }
};

// An id that would lead out of the folder gets no file at all.
TEST(ReadingStateFile, WritesTheEighteenByteExampleAndNothingForAnUnsafeId)
{
    StateDir dir;
    ASSERT_TRUE(SaveReadingStateFile(dir.Path(), QStringLiteral("901234"), ReadingState{4, 1, 5}));
    EXPECT_FALSE(SaveReadingStateFile(dir.Path(), QStringLiteral("../../x"), ReadingState{}));
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot), QStringList{"etc"});
    EXPECT_EQ(QDir(dir.FilePath(QStringLiteral("etc"))).entryList(QDir::Files), QStringList{"901234.etc"});
    EXPECT_EQ(ReadAll(dir.FilePath(QStringLiteral("etc/901234.etc"))),
              QByteArray("\x34\x00\x0D\x00\x0A\x00\x31\x00\x0D\x00\x0A\x00\x35\x00\x0D\x00\x0A\x00", 18));
}

// Each line that is a number (as ParseNumber reads it) replaces its value.
TEST(ReadingStateFile, LoadsEachLineThatIsANumber)
{
    StateDir dir;
    const std::pair<const char *, ReadingState> files[] = {
        {"-1\r\n0\r\n-2147483648\r\n4\r\n", {-1, 0, -2147483647 - 1}}, // extra lines are ignored
        {" 7 \r\n7.9\r\nx\r\n", {7, 7, 30}},
        {"1\r\n2\r\n3", {1, 2, 30}}}; // the third line has no line end
    for (const auto &[text, e] : files) {
        ASSERT_TRUE(WriteAll(dir.FilePath(QStringLiteral("etc/77.etc")), ToUtf16Le(QString::fromLatin1(text))));
        ReadingState state{10, 20, 30};
        ASSERT_TRUE(LoadReadingStateFile(dir.Path(), QStringLiteral("77"), state));
        EXPECT_EQ(std::tuple(state.page, state.speed, state.step), std::tuple(e.page, e.speed, e.step)) << text;
    }
}
} // namespace
