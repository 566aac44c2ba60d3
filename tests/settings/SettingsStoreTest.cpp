#include "settings/store/SettingsStore.h"

#include "FullDisk.h"
#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

#include <memory>

// A hand-edited file: a write replaces the key whatever the letter case of
// its names, adds a new one to its section and keeps comments and other
// sections; a value with a line break is refused.
TEST(SettingsStoreFile, WritesKeepTheRestOfTheFile)
{
    ScratchDir dir;
    const QString ini = dir.FilePath(QStringLiteral("Vellora.ini"));
    ASSERT_TRUE(WriteAll(ini, "; my settings\n[Read Mode]\n; how fast\nSpeed=2\n\n[Other]\nx=1\n"));
    ASSERT_TRUE(WriteSettingTo(ini, QStringLiteral("read mode"), QStringLiteral("SPEED"), QStringLiteral("4")));
    ASSERT_TRUE(WriteSettingTo(ini, QStringLiteral("Read Mode"), QStringLiteral("Step"), QStringLiteral("7")));
    EXPECT_FALSE(WriteSettingTo(ini, QStringLiteral("Other"), QStringLiteral("x"), QStringLiteral("a\n[Evil]\nK=1")));
    const QByteArray after = ReadAll(ini);
    for (const char *kept : {"; my settings", "; how fast", "[Other]\nx=1"})
        EXPECT_TRUE(after.contains(kept)) << kept;
    EXPECT_EQ(after.count("peed"), 1) << "replaced, not added twice";
    EXPECT_EQ(ReadSettingIntFrom(ini, QStringLiteral("READ MODE"), QStringLiteral("speed"), 1), 4);
}

struct LimitCase {
    const char *section;
    const char *key;
    int stored;
    int expected;
};

class SettingsTextLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(SettingsTextLimits, ReadersCutTextsToTheirBuffers)
{
    ScratchDir dir;
    const QString file = dir.FilePath(QStringLiteral("Vellora.ini"));
    const QString value(GetParam().stored, QChar(u'字'));
    ASSERT_TRUE(WriteSettingTo(file, QLatin1String(GetParam().section), QLatin1String(GetParam().key), value));
    EXPECT_EQ(
        ReadSettingTextFrom(file, QLatin1String(GetParam().section), QLatin1String(GetParam().key), QString()).size(),
        GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, SettingsTextLimits,
                         testing::Values(LimitCase{"Default Path", "Book Library", 600, 511},
                                         LimitCase{"Frequent Category", "category3", 300, 255},
                                         LimitCase{"Recent Document List", "Document1", 5000, 4095},
                                         LimitCase{"Other", "Key", 5000, 5000}));

class SettingsIntegers : public testing::TestWithParam<std::pair<const char *, int>> {};

TEST_P(SettingsIntegers, ReadAsLeadingDecimalDigits)
{
    ScratchDir dir;
    const QString file = dir.FilePath(QStringLiteral("Vellora.ini"));
    ASSERT_TRUE(WriteAll(file, QByteArray("[Read Mode]\nStep=") + GetParam().first + "\n"));
    EXPECT_EQ(ReadSettingIntFrom(file, QStringLiteral("Read Mode"), QStringLiteral("Step"), 5), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsIntegers,
                         testing::Values(std::pair{" 12 ", 12}, std::pair{"12abc", 12}, std::pair{"abc", 0},
                                         std::pair{"", 5}, std::pair{"99999999999", 2147483647},
                                         std::pair{"-99999999999", -2147483647 - 1}));

// A full disk (a real one when a tmpfs can be mounted, a file-size limit
// always) must not cost the user the settings already in the file.
class SettingsOnAFullDisk : public testing::TestWithParam<bool> {};

TEST_P(SettingsOnAFullDisk, LeavesTheFileAsItWasAndWritesAllKeysOnceThereIsRoom)
{
    SmallFileSystem disk;
    ScratchDir scratch;
    if (GetParam() && !disk.Mounted())
        GTEST_SKIP() << disk.Refusal() << "; the file-size limit case still runs";
    const QString folder = GetParam() ? disk.Path() : scratch.Path();
    const QString file = folder + QStringLiteral("Vellora.ini");
    const QByteArray old = "[Recent Document List]\nDocumentCount=5\nDocument1=/books/a.vlr\n\n[Read Mode]\nStep=7\n";
    ASSERT_TRUE(WriteAll(file, old));
    const QString recent = QStringLiteral("Recent Document List");
    const SettingValues both{{QStringLiteral("Document1"), QStringLiteral("/books/b.vlr")},
                             {QStringLiteral("Document2"), QStringLiteral("/books/a.vlr")}};
    {
        const auto limit = GetParam() ? nullptr : std::make_unique<FileSizeLimit>(16);
        ASSERT_TRUE(!GetParam() || disk.LeaveRoom(0));
        EXPECT_FALSE(WriteSettingsTo(file, recent, both));
    }
    EXPECT_EQ(ReadAll(file), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".tmp")), QStringList());

    ASSERT_TRUE(!GetParam() || disk.MakeRoom());
    ASSERT_TRUE(WriteSettingsTo(file, recent, both));
    EXPECT_EQ(ReadSettingTextFrom(file, recent, QStringLiteral("Document1"), QString()),
              QStringLiteral("/books/b.vlr"));
    EXPECT_EQ(ReadSettingTextFrom(file, recent, QStringLiteral("Document2"), QString()),
              QStringLiteral("/books/a.vlr"));
    EXPECT_EQ(ReadSettingIntFrom(file, QStringLiteral("Read Mode"), QStringLiteral("Step"), 5), 7);
}

INSTANTIATE_TEST_SUITE_P(Faults, SettingsOnAFullDisk, testing::Bool(),
                         [](const auto &instance) { return std::string(instance.param ? "SmallTmpfs" : "FileSizeLimit"); });
