#include "settings/store/SettingsStore.h"

#include "document/AppDirectories.h"

#include "FullDisk.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <memory>

class SettingsStore : public testing::Test {
protected:
    void SetUp() override { SetDataDirectory(dir_.Path()); }
    void TearDown() override { SetDataDirectory(QString()); }
    QString Ini() const { return dir_.FilePath(QStringLiteral("Vellora.ini")); }
    ScratchDir dir_;
};

TEST_F(SettingsStore, FileLiesInTheDataDirectory) { EXPECT_EQ(SettingsFilePath(), Ini()); }

TEST_F(SettingsStore, MissingFileGivesEveryDefault)
{
    EXPECT_EQ(
        ReadSettingText(QStringLiteral("Default Path"), QStringLiteral("Book Library"), QStringLiteral(".\\booklib")),
        QStringLiteral(".\\booklib"));
    EXPECT_EQ(ReadSettingInt(QStringLiteral("Read Mode"), QStringLiteral("Step"), 5), 5);
    EXPECT_EQ(ReadSettingInt(QStringLiteral("Read Mode"), QStringLiteral("Center"), 1), 1);
    EXPECT_FALSE(QFile::exists(Ini())); // reading creates nothing
}

TEST_F(SettingsStore, WrittenValuesReadBackWithCaseInsensitiveNames)
{
    ASSERT_TRUE(WriteSetting(QStringLiteral("Read Mode"), QStringLiteral("Speed"), QStringLiteral("3")));
    ASSERT_TRUE(
        WriteSetting(QStringLiteral("Frequent Category"), QStringLiteral("category1"), QStringLiteral("风景, 山水")));
    EXPECT_EQ(ReadSettingInt(QStringLiteral("READ MODE"), QStringLiteral("speed"), 1), 3);
    EXPECT_EQ(ReadSettingText(QStringLiteral("frequent category"), QStringLiteral("CATEGORY1"), QString()),
              QStringLiteral("风景, 山水"));
    ASSERT_TRUE(WriteSetting(QStringLiteral("read mode"), QStringLiteral("SPEED"), QStringLiteral("4")));
    EXPECT_EQ(ReadSettingInt(QStringLiteral("Read Mode"), QStringLiteral("Speed"), 1), 4);
    // Replaced, not added twice.
    EXPECT_EQ(ReadAll(Ini()).count("peed"), 1);
}

TEST_F(SettingsStore, ValuesKeepBlanksCommasAndChinese)
{
    for (const QString &v : {QStringLiteral("  leading"), QStringLiteral("trailing  "), QStringLiteral("a,b,,c"),
                             QStringLiteral("\"quoted\""), QStringLiteral("x = y ; z"), QString()}) {
        ASSERT_TRUE(WriteSetting(QStringLiteral("Default Path"), QStringLiteral("Favorites"), v));
        EXPECT_EQ(ReadSettingText(QStringLiteral("Default Path"), QStringLiteral("Favorites"), QStringLiteral("d")), v)
            << v.toStdString();
    }
}

TEST_F(SettingsStore, LineBreaksAreNotStored)
{
    ASSERT_TRUE(WriteSetting(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("kept")));
    EXPECT_FALSE(WriteSetting(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("a\n[Evil]\nK=1")));
    EXPECT_EQ(ReadSettingText(QStringLiteral("S"), QStringLiteral("K"), QString()), QStringLiteral("kept"));
}

TEST_F(SettingsStore, HandWrittenCommentsSurviveAWrite)
{
    ASSERT_TRUE(WriteAll(Ini(), "; my settings\n[Read Mode]\n; how fast\nSpeed=2\nBorder=2\n\n[Other]\nx=1\n"));
    ASSERT_TRUE(WriteSetting(QStringLiteral("Read Mode"), QStringLiteral("Step"), QStringLiteral("7")));
    const QByteArray after = ReadAll(Ini());
    EXPECT_TRUE(after.contains("; my settings"));
    EXPECT_TRUE(after.contains("; how fast"));
    EXPECT_TRUE(after.contains("x=1"));
    EXPECT_EQ(ReadSettingInt(QStringLiteral("Read Mode"), QStringLiteral("Border"), 0), 2);
    EXPECT_EQ(ReadSettingInt(QStringLiteral("Read Mode"), QStringLiteral("Step"), 5), 7);
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
                                         LimitCase{"Default Path", "Favorites", 511, 511},
                                         LimitCase{"Frequent Category", "category3", 300, 255},
                                         LimitCase{"Recent Document List", "Document1", 5000, 4095},
                                         LimitCase{"Recent Document List", "Document2", 300, 300},
                                         LimitCase{"Other", "Key", 5000, 5000}));

struct IntCase {
    const char *stored;
    int expected;
};

class SettingsIntegers : public testing::TestWithParam<IntCase> {};

TEST_P(SettingsIntegers, ReadAsLeadingDecimalDigits)
{
    ScratchDir dir;
    const QString file = dir.FilePath(QStringLiteral("Vellora.ini"));
    ASSERT_TRUE(WriteAll(file, QByteArray("[Read Mode]\nStep=") + GetParam().stored + "\n"));
    EXPECT_EQ(ReadSettingIntFrom(file, QStringLiteral("Read Mode"), QStringLiteral("Step"), 5), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsIntegers,
                         testing::Values(IntCase{"2", 2}, IntCase{"0", 0}, IntCase{"-3", -3}, IntCase{"40", 40},
                                         IntCase{" 12 ", 12}, IntCase{"12abc", 12}, IntCase{"abc", 0}, IntCase{"", 5},
                                         IntCase{"99999999999", 2147483647}, IntCase{"-99999999999", -2147483647 - 1}));

TEST(SettingsStoreFiles, UnreadableOrOddFilesGiveDefaultsAndAreNotOverwritten)
{
    ScratchDir dir;
    // A folder where the file should be.
    const QString folder = dir.FilePath(QStringLiteral("Vellora.ini"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(ReadSettingIntFrom(folder, QStringLiteral("A"), QStringLiteral("B"), 9), 9);
    EXPECT_FALSE(WriteSettingTo(folder, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1")));

    // Binary junk still reads (as nothing) without a crash.
    const QString junk = dir.FilePath(QStringLiteral("junk.ini"));
    ASSERT_TRUE(WriteAll(junk, QByteArray("\x00\xff[\x01=\n\n=\xfe", 10)));
    EXPECT_EQ(ReadSettingTextFrom(junk, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("d")),
              QStringLiteral("d"));

    // A data directory that does not exist: the write is lost, silently.
    EXPECT_FALSE(WriteSettingTo(dir.FilePath(QStringLiteral("none/Vellora.ini")), QStringLiteral("A"),
                                QStringLiteral("B"), QStringLiteral("1")));
}

// A full disk (a real one when a tmpfs can be mounted, a file-size limit
// always) must not cost the user the settings already in the file.
class SettingsOnAFullDisk : public testing::TestWithParam<bool> {};

TEST_P(SettingsOnAFullDisk, LeavesTheFileAsItWasAndWritesAllKeysOnceThereIsRoom)
{
    const bool realDisk = GetParam();
    SmallFileSystem disk;
    ScratchDir scratch;
    if (realDisk && !disk.Mounted())
        GTEST_SKIP() << disk.Refusal() << "; the file-size limit case still runs";
    const QString folder = realDisk ? disk.Path() : scratch.Path();
    const QString file = folder + QStringLiteral("Vellora.ini");
    const QByteArray old = "[Recent Document List]\nDocumentCount=5\nDocument1=/books/a.vlr\n\n[Read Mode]\nStep=7\n";
    ASSERT_TRUE(WriteAll(file, old));
    const SettingValues both{{QStringLiteral("Document1"), QStringLiteral("/books/b.vlr")},
                             {QStringLiteral("Document2"), QStringLiteral("/books/a.vlr")}};
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (realDisk) {
            ASSERT_TRUE(disk.LeaveRoom(0));
        } else {
            limit = std::make_unique<FileSizeLimit>(16);
        }
        EXPECT_FALSE(WriteSettingTo(file, QStringLiteral("Read Mode"), QStringLiteral("Step"), QStringLiteral("8")));
        EXPECT_FALSE(WriteSettingsTo(file, QStringLiteral("Recent Document List"), both));
    }
    EXPECT_EQ(ReadAll(file), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".tmp")), QStringList());

    if (realDisk) {
        ASSERT_TRUE(disk.MakeRoom());
    }
    ASSERT_TRUE(WriteSettingsTo(file, QStringLiteral("Recent Document List"), both));
    EXPECT_EQ(ReadSettingTextFrom(file, QStringLiteral("Recent Document List"), QStringLiteral("Document1"), QString()),
              QStringLiteral("/books/b.vlr"));
    EXPECT_EQ(ReadSettingTextFrom(file, QStringLiteral("Recent Document List"), QStringLiteral("Document2"), QString()),
              QStringLiteral("/books/a.vlr"));
    EXPECT_EQ(ReadSettingIntFrom(file, QStringLiteral("Read Mode"), QStringLiteral("Step"), 5), 7);
}

INSTANTIATE_TEST_SUITE_P(Faults, SettingsOnAFullDisk, testing::Bool(),
                         [](const auto &info) { return std::string(info.param ? "SmallTmpfs" : "FileSizeLimit"); });
