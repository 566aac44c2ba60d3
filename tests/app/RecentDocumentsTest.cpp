// The recent-document list: its storage in the settings file, its menu and
// the recent-document commands.

#include "FileCommandFixture.h"
#include "app/RecentDocumentList.h"
#include "ui/ResourceIds.h"

#include <QFile>

namespace {

const QString kSection = QStringLiteral("Recent Document List");

TEST_F(FileCommandTest, FirstStartShowsFiveNumberedEmptyItems)
{
    EXPECT_EQ(RecentMenuTexts(), (QStringList{"&1 ", "&2 ", "&3 ", "&4 ", "&5 "}));
    EXPECT_EQ(frame_->RecentFilesMenu()->actions().last()->data().toInt(), kCmdRecentFirst + 4);
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"));
    Open(path);
    EXPECT_EQ(RecentMenuTexts(), (QStringList{"&1 " + path, "&2 ", "&3 ", "&4 ", "&5 "}));
    EXPECT_EQ(Stored(QStringLiteral("Document1")), path);
    EXPECT_EQ(Stored(QStringLiteral("Document5")), QString());
    EXPECT_EQ(Stored(QStringLiteral("DocumentCount")), QStringLiteral("5"));
}

TEST_F(FileCommandTest, AFileOpenedAgainMovesToTheTopWithoutADuplicate)
{
    const QString a = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("a"));
    const QString b = MakeBookFile(QStringLiteral("b.vlr"), QStringLiteral("b"));
    Open(a);
    Open(b);
    Open(a);
    EXPECT_EQ(RecentMenuTexts().mid(0, 3), (QStringList{"&1 " + a, "&2 " + b, "&3 "}));
}

TEST_F(FileCommandTest, PathsThatDifferInLetterCaseAreTwoFiles)
{
    const QString lower = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("a"));
    const QString upper = MakeBookFile(QStringLiteral("A.vlr"), QStringLiteral("A"));
    Open(lower);
    Open(upper);
    EXPECT_EQ(RecentMenuTexts().mid(0, 2), (QStringList{"&1 " + upper, "&2 " + lower}));
}

TEST_F(FileCommandTest, ADeletedRecentDocumentLeavesTheMenuAndTheSettingsFile)
{
    const QString a = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("a"));
    const QString b = MakeBookFile(QStringLiteral("b.vlr"), QStringLiteral("b"));
    Open(a);
    Open(b);
    ASSERT_TRUE(QFile::remove(a));
    frame_->OnCommand(kCmdRecentFirst + 1);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsCannotOpenFile});
    EXPECT_EQ(RecentMenuTexts(), (QStringList{"&1 " + b, "&2 ", "&3 ", "&4 "}));
    EXPECT_EQ(Stored(QStringLiteral("Document1")), b);
    EXPECT_EQ(Stored(QStringLiteral("Document2")), QString());
    EXPECT_EQ(frame_->CurrentPath(), b);
}

TEST_F(FileCommandTest, RecentDocumentOpensMovesToTopAndSavesTheReadingStateFirst)
{
    const QString a = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("a"), 2);
    const QString b = MakeBookFile(QStringLiteral("b.vlr"), QStringLiteral("b"));
    Open(a);
    Open(b);
    const QString idOfB = frame_->SavedBook().bookId;
    reader_.calls.clear();
    frame_->OnCommand(kCmdRecentFirst + 1);
    EXPECT_EQ(reader_.statesSavedFor.last(), idOfB);
    EXPECT_EQ(reader_.calls.first(), QStringLiteral("save state"));
    EXPECT_EQ(frame_->CurrentPath(), a);
    EXPECT_EQ(frame_->SavedBook().title, QStringLiteral("a"));
    EXPECT_EQ(RecentMenuTexts().mid(0, 2), (QStringList{"&1 " + a, "&2 " + b}));
    EXPECT_EQ(Stored(QStringLiteral("Document1")), a);
}

TEST_F(FileCommandTest, RecentDocumentSavesChangesFirstAndStopsWhenTheyCannotBe)
{
    const QString a = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("a"));
    const QString b = MakeBookFile(QStringLiteral("b.vlr"), QStringLiteral("b"));
    Open(a);
    Open(b);
    form_.shown.author = QStringLiteral("kept");
    frame_->OnCommand(kCmdRecentFirst + 1);
    EXPECT_EQ(OnDisk(b).author, QStringLiteral("kept"));
    EXPECT_EQ(frame_->CurrentPath(), a);

    form_.shown.title.clear();
    frame_->OnCommand(kCmdRecentFirst + 1);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsTitleEmpty});
    EXPECT_EQ(frame_->CurrentPath(), a);
}

TEST_F(FileCommandTest, RecentCommandWithoutAnEntryBeeps)
{
    frame_->OnCommand(kCmdRecentFirst + 5); // five entries: positions 0-4
    EXPECT_EQ(user_->beeps, 1);
    EXPECT_TRUE(user_->messagesShown.isEmpty());
}

TEST_F(FileCommandTest, EmptyListShowsOneDisabledItem)
{
    WriteSetting(kSection, QStringLiteral("DocumentCount"), QStringLiteral("2"));
    frame_.reset();
    StartFrame();
    const QString a = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("a"));
    Open(a);
    ASSERT_TRUE(QFile::remove(a));
    frame_->OnCommand(kCmdRecentFirst); // a: fails, removed
    frame_->OnCommand(kCmdRecentFirst); // the empty entry: fails, removed
    const QList<QAction *> items = frame_->RecentFilesMenu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first()->text(), QStringLiteral("（空）"));
    EXPECT_FALSE(items.first()->isEnabled());
    EXPECT_EQ(items.first()->data().toInt(), kCmdRecentFirst);
}

struct CapacityCase {
    const char *stored;
    int capacity;
};

class RecentCapacity : public FileCommandTest, public ::testing::WithParamInterface<CapacityCase> {};

TEST_P(RecentCapacity, IsClampedAndWrittenBack)
{
    WriteSetting(kSection, QStringLiteral("DocumentCount"), QString::fromLatin1(GetParam().stored));
    frame_.reset();
    StartFrame();
    EXPECT_EQ(frame_->RecentDocuments().Capacity(), GetParam().capacity);
    EXPECT_EQ(RecentMenuTexts().size(), GetParam().capacity);
    Open(MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("a")));
    EXPECT_EQ(Stored(QStringLiteral("DocumentCount")), QString::number(GetParam().capacity));
}

INSTANTIATE_TEST_SUITE_P(Counts, RecentCapacity,
                         ::testing::Values(CapacityCase{"1", 2}, CapacityCase{"0", 2}, CapacityCase{"40", 16},
                                           CapacityCase{"7", 7}, CapacityCase{"-3", 2}),
                         [](const auto &info) { return "Stored" + std::to_string(info.index); });

// The list alone, on its keys.
class RecentListStorage : public ::testing::Test {
protected:
    void SetUp() override { SetDataDirectory(data_.Path()); }
    ScratchDir data_;
};

TEST_F(RecentListStorage, ReadPutsKeyOneLastAndKeepsMissingKeysAsEmptyEntries)
{
    WriteSetting(kSection, QStringLiteral("DocumentCount"), QStringLiteral("3"));
    WriteSetting(kSection, QStringLiteral("Document1"), QStringLiteral("/one"));
    WriteSetting(kSection, QStringLiteral("Document3"), QStringLiteral("/three"));
    RecentDocumentList list;
    list.Read();
    EXPECT_EQ(list.Entries(), (QStringList{"/three", "", "/one"}));
    EXPECT_EQ(list.MostRecentFirst(), (QStringList{"/one", "", "/three"}));
}

TEST_F(RecentListStorage, WriteNumbersFromTheMostRecentAndLeavesHigherKeys)
{
    WriteSetting(kSection, QStringLiteral("Document4"), QStringLiteral("/old"));
    RecentDocumentList list;
    list.SetCapacity(3);
    list.Add(QStringLiteral("/a"));
    list.Add(QStringLiteral("/b"));
    list.Add(QStringLiteral("/c"));
    list.Add(QStringLiteral("/d")); // full: /a goes
    ASSERT_TRUE(list.Write());
    const auto key = [](const char *k) {
        return ReadSettingText(kSection, QString::fromLatin1(k), QStringLiteral("-"));
    };
    EXPECT_EQ(key("Document1"), QStringLiteral("/d"));
    EXPECT_EQ(key("Document2"), QStringLiteral("/c"));
    EXPECT_EQ(key("Document3"), QStringLiteral("/b"));
    EXPECT_EQ(key("Document4"), QStringLiteral("/old"));
    EXPECT_EQ(key("DocumentCount"), QStringLiteral("3"));
}

// Two copies of the program on one home folder: each list was read at its
// start-up, and neither may write the other's entries away. Steps: "A+/p"
// adds /p to list A, "A^/p" moves it to the top, "A-/p" removes it, "Aw"
// writes A. The file starts with `stored` (most recent first) and is read
// back by a third list at the end.
struct TwoCopiesCase {
    const char *name;
    int capacity;
    QStringList stored;
    QStringList steps;
    QStringList expected;
};
void PrintTo(const TwoCopiesCase &c, std::ostream *os) { *os << c.name; }

class RecentListOfTwoCopies : public RecentListStorage, public ::testing::WithParamInterface<TwoCopiesCase> {};

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
        case u'^': list.MoveToTop(int(list.Entries().indexOf(path))); break;
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
        TwoCopiesCase{
            "EachKeepsTheOthersNewEntry", 5, {"/x"}, {"B+/b", "Bw", "A+/a", "Aw"}, {"/a", "/b", "/x", "", ""}},
        TwoCopiesCase{"APathOpenedInBothIsListedOnce",
                      5,
                      {"/x"},
                      {"A+/c", "Aw", "B+/b", "Bw", "A+/d", "Aw", "B+/c", "Bw"},
                      {"/c", "/d", "/b", "/x", ""}},
        TwoCopiesCase{"LetterCaseMakesTwoPaths", 5, {"/x"}, {"A+/c", "Aw", "B+/C", "Bw"}, {"/C", "/c", "/x", "", ""}},
        TwoCopiesCase{"ARemovedPathDoesNotComeBackFromTheOther",
                      5,
                      {"/x", "/y"},
                      {"A-/y", "Aw", "B+/b", "Bw"},
                      {"/b", "/x", "", "", ""}},
        TwoCopiesCase{"ARemovedPathLeavesNoCopyInAHigherKey", 3, {"/x", "/y", "/z"}, {"A-/y", "Aw"}, {"/x", "/z", ""}},
        TwoCopiesCase{"MovedToTopInOneWhileTheOtherAdds",
                      5,
                      {"/x", "/y", "/z"},
                      {"B+/b", "Bw", "A^/z", "Aw"},
                      {"/z", "/b", "/x", "/y", ""}},
        TwoCopiesCase{"TheOldestGoWhenTheListIsFull",
                      3,
                      {"/x"},
                      {"B+/b1", "Bw", "B+/b2", "Bw", "A+/a", "Aw"},
                      {"/a", "/b2", "/b1"}},
        TwoCopiesCase{"ChangesBeforeOneWriteAllCount",
                      5,
                      {"/x"},
                      {"B+/b", "Bw", "A+/a1", "A+/a2", "Aw"},
                      {"/a2", "/a1", "/b", "/x", ""}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RecentListStorage, MoveToTopAndRemoveIgnoreIndexesOutsideTheList)
{
    RecentDocumentList list;
    list.Add(QStringLiteral("/a"));
    list.Add(QStringLiteral("/b"));
    list.MoveToTop(0);
    EXPECT_EQ(list.Entries(), (QStringList{"/b", "/a"}));
    list.MoveToTop(7);
    list.Remove(-1);
    list.Remove(2);
    EXPECT_EQ(list.Entries(), (QStringList{"/b", "/a"}));
    EXPECT_EQ(list.IndexOfPosition(0), 1);
    EXPECT_EQ(list.IndexOfPosition(1), 0);
    EXPECT_EQ(list.IndexOfPosition(2), -1);
}

} // namespace
