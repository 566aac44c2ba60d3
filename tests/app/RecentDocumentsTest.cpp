// The recent-document list: its menu, its keys in the settings file, and
// two copies of the program sharing one settings file.

#include "FrameFixture.h"
#include "app/RecentDocumentList.h"
#include "settings/store/SettingsStore.h"
#include "ui/ResourceIds.h"

#include <QAction>
#include <QMenu>

#include <QFile>

namespace {

const QString kSection = QStringLiteral("Recent Document List");

QStringList MenuTexts(const MainWindow &frame)
{
    QStringList texts;
    for (QAction *a : frame.RecentFilesMenu()->actions())
        texts.append(a->text());
    return texts;
}

QString Stored(const char *key)
{
    return ReadSettingText(kSection, QString::fromLatin1(key), QStringLiteral("<missing>"));
}

TEST_F(FrameTest, OpenedFilesGoToTheTopAndAFileGoneLeavesMenuAndSettings)
{
    EXPECT_EQ(MenuTexts(*frame_), (QStringList{"&1 ", "&2 ", "&3 ", "&4 ", "&5 "}));
    // an ampersand in a path is shown, not taken for a mnemonic
    const QString a = MakeBook(QStringLiteral("a&b.vlr"), QStringLiteral("a"));
    const QString b = MakeBook(QStringLiteral("b.vlr"), QStringLiteral("b"));
    Open(a);
    Open(b);
    Open(a);
    const QString shownA = QString(a).replace(QLatin1Char('&'), QStringLiteral("&&"));
    EXPECT_EQ(MenuTexts(*frame_), (QStringList{"&1 " + shownA, "&2 " + b, "&3 ", "&4 ", "&5 "}));
    EXPECT_EQ(Stored("Document1"), a);
    EXPECT_EQ(Stored("Document2"), b);

    ASSERT_TRUE(QFile::remove(a));
    frame_->OnCommand(kCmdRecentFirst);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsCannotOpenFile});
    EXPECT_EQ(MenuTexts(*frame_), (QStringList{"&1 " + b, "&2 ", "&3 ", "&4 "}));
    EXPECT_EQ(Stored("Document1"), b);
    EXPECT_EQ(Stored("Document2"), QString());
}

// Two copies of the program on one home folder: each list was read at its
// start-up, and neither may write the other's entries away. Steps: "A+/p"
// adds /p to list A, "A-/p" removes it, "Aw" writes A. The file starts with `stored` (most recent first) and is read
// back by a third list at the end.
struct TwoCopiesCase {
    const char *name;
    int capacity;
    QStringList stored;
    QStringList steps;
    QStringList expected;
};

class RecentListOfTwoCopies : public ::testing::TestWithParam<TwoCopiesCase> {
protected:
    void SetUp() override { SetDataDirectory(data_.Path()); }
    ScratchDir data_;
};

TEST_P(RecentListOfTwoCopies, KeepsWhatEachCopyDid)
{
    const TwoCopiesCase &c = GetParam();
    WriteSetting(kSection, QStringLiteral("DocumentCount"), QString::number(c.capacity));
    for (int i = 0; i < c.stored.size(); ++i)
        WriteSetting(kSection, QStringLiteral("Document%1").arg(i + 1), c.stored[i]);
    RecentDocumentList a;
    RecentDocumentList b;
    a.Read();
    b.Read();
    for (const QString &step : c.steps) {
        RecentDocumentList &list = step[0] == QLatin1Char('A') ? a : b;
        const QString path = step.mid(2);
        switch (step[1].unicode()) {
        case u'+': list.Add(path); break;
        case u'-': list.Remove(int(list.Entries().indexOf(path))); break;
        default: ASSERT_TRUE(list.Write()) << step.toStdString();
        }
    }
    RecentDocumentList onDisk;
    onDisk.Read();
    EXPECT_EQ(onDisk.MostRecentFirst(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RecentListOfTwoCopies,
    ::testing::Values(
        // Each copy keeps what the other added, and a path both opened is listed once.
        TwoCopiesCase{"APathOpenedInBothIsListedOnce",
                      5,
                      {"/x"},
                      {"A+/c", "Aw", "B+/b", "Bw", "A+/d", "Aw", "B+/c", "Bw"},
                      {"/c", "/d", "/b", "/x", ""}},
        TwoCopiesCase{"ARemovedPathDoesNotComeBackFromTheOther",
                      5,
                      {"/x", "/y"},
                      {"A-/y", "Aw", "B+/b", "Bw"},
                      {"/b", "/x", "", "", ""}},
        TwoCopiesCase{"ARemovedPathLeavesNoCopyInAHigherKey", 3, {"/x", "/y", "/z"}, {"A-/y", "Aw"}, {"/x", "/z", ""}}),
    [](const auto &instance) { return std::string(instance.param.name); });

} // namespace
