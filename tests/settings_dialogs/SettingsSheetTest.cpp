// The settings sheet: what its pages show, what OK writes and what Cancel
// and a never-shown page leave alone.

#include "settings/dialogs/SettingsSheet.h"
#include "TestFiles.h"
#include "document/AppDirectories.h"
#include "settings/dialogs/PathSettingsPage.h"
#include "settings/dialogs/ReadingSettingsPage.h"
#include "settings/store/SettingsStore.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kRead = QStringLiteral("Read Mode");
const QString kPath = QStringLiteral("Default Path");

class SettingsSheetTest : public ::testing::Test {
protected:
    void SetUp() override { SetDataDirectory(data_.Path()); }

    // The sheet as the user sees it right after it opens.
    std::unique_ptr<SettingsSheet> Open()
    {
        auto sheet = std::make_unique<SettingsSheet>();
        sheet->show();
        return sheet;
    }
    void ShowPathPage(SettingsSheet &sheet) { sheet.Tabs()->setCurrentIndex(1); }
    QString Stored(const QString &section, const QString &key) const
    {
        return ReadSettingText(section, key, QStringLiteral("<missing>"));
    }
    QByteArray FileBytes() const { return ReadAll(SettingsFilePath()); }

    ScratchDir data_;
};

TEST_F(SettingsSheetTest, CaptionTabsAndFirstPage)
{
    auto sheet = Open();
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("修改程序配置"));
    ASSERT_EQ(sheet->Tabs()->count(), 2);
    EXPECT_EQ(sheet->Tabs()->tabText(0), QStringLiteral("自动浏览参数"));
    EXPECT_EQ(sheet->Tabs()->tabText(1), QStringLiteral("默认路径"));
    EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
    EXPECT_TRUE(sheet->ReadPage()->IsCreated());
    EXPECT_FALSE(sheet->PathPage()->IsCreated());
}

TEST_F(SettingsSheetTest, MissingFileShowsTheDefaults)
{
    auto sheet = Open();
    ShowPathPage(*sheet);
    const ReadingSettingsPage &read = *sheet->ReadPage();
    EXPECT_EQ(read.StepEdit()->text(), QStringLiteral("5"));
    EXPECT_EQ(read.SpeedEdit()->text(), QStringLiteral("1"));
    EXPECT_FALSE(read.BorderCheck()->isChecked());
    EXPECT_TRUE(read.CentreCheck()->isChecked());
    const PathSettingsPage &path = *sheet->PathPage();
    EXPECT_EQ(path.Edit(PathSettingsPage::kBookEdit)->text(), QStringLiteral(".\\booklib"));
    EXPECT_EQ(path.Edit(PathSettingsPage::kPictureEdit)->text(), QStringLiteral(".\\picturelib"));
    EXPECT_EQ(path.Edit(PathSettingsPage::kFavoritesEdit)->text(), QStringLiteral(".\\my favorites"));
}

struct NormalCase {
    const char *border, *center, *speed, *step;
    const char *wBorder, *wCenter, *wSpeed, *wStep;
};

std::string CaseName(const ::testing::TestParamInfo<NormalCase> &info)
{
    static const char *const kNames[] = {"StoredValues", "MissingKeys", "ZeroAndFive"};
    return kNames[info.index];
}

class ConfirmAtOnce : public SettingsSheetTest, public ::testing::WithParamInterface<NormalCase> {};

TEST_P(ConfirmAtOnce, RewritesReadModeInNormalFormAndLeavesDefaultPathAlone)
{
    const NormalCase &c = GetParam();
    const auto put = [](const char *key, const char *value) {
        if (value)
            WriteSetting(kRead, QString::fromLatin1(key), QString::fromLatin1(value));
    };
    put("Border", c.border);
    put("Center", c.center);
    put("Speed", c.speed);
    put("Step", c.step);
    auto sheet = Open();
    sheet->accept();
    EXPECT_EQ(Stored(kRead, "Border"), QString::fromLatin1(c.wBorder));
    EXPECT_EQ(Stored(kRead, "Center"), QString::fromLatin1(c.wCenter));
    EXPECT_EQ(Stored(kRead, "Speed"), QString::fromLatin1(c.wSpeed));
    EXPECT_EQ(Stored(kRead, "Step"), QString::fromLatin1(c.wStep));
    EXPECT_FALSE(FileBytes().contains("Default Path"));
}

INSTANTIATE_TEST_SUITE_P(Values, ConfirmAtOnce,
                         ::testing::Values(NormalCase{"2", "0", "3", "007", "1", "0", "3", "7"},
                                           NormalCase{nullptr, nullptr, nullptr, nullptr, "0", "1", "1", "5"},
                                           NormalCase{"0", "5", "0", "12", "0", "1", "0", "12"}),
                         CaseName);

TEST_F(SettingsSheetTest, ShowingThePathPageThenConfirmingWritesAllThreeKeys)
{
    auto sheet = Open();
    ShowPathPage(*sheet);
    sheet->accept();
    EXPECT_EQ(Stored(kPath, "Book Library"), QStringLiteral(".\\booklib"));
    EXPECT_EQ(Stored(kPath, "Picture Library"), QStringLiteral(".\\picturelib"));
    EXPECT_EQ(Stored(kPath, "Favorites"), QStringLiteral(".\\my favorites"));
}

TEST_F(SettingsSheetTest, BrowsingStartsAtTheKeptValueAndTheChoiceReplacesTheTypedText)
{
    WriteSetting(kPath, QStringLiteral("Book Library"), QStringLiteral("/books"));
    auto sheet = Open();
    ShowPathPage(*sheet);
    PathSettingsPage &page = *sheet->PathPage();
    QStringList starts;
    page.SetFolderBrowser([&](const QString &start) {
        starts.append(start);
        return QStringLiteral("/home/user/画册");
    });
    page.Edit(PathSettingsPage::kBookEdit)->setText(QStringLiteral("/typed"));
    page.BrowseForLibraryFolder(PathSettingsPage::kBookBrowse);
    EXPECT_EQ(starts, QStringList{QStringLiteral("/books")});
    EXPECT_EQ(page.Edit(PathSettingsPage::kBookEdit)->text(), QStringLiteral("/home/user/画册"));

    page.SetFolderBrowser([&](const QString &start) {
        starts.append(start);
        return QString(); // cancelled
    });
    page.BrowseForLibraryFolder(PathSettingsPage::kFavoritesBrowse);
    EXPECT_EQ(starts.last(), QStringLiteral(".\\my favorites"));
    EXPECT_EQ(page.Edit(PathSettingsPage::kFavoritesEdit)->text(), QStringLiteral(".\\my favorites"));
    EXPECT_FALSE(FileBytes().contains("/home/user")) << "browsing writes nothing";
}

TEST_F(SettingsSheetTest, EmptySpeedBoxIsStoredEmpty)
{
    auto sheet = Open();
    sheet->ReadPage()->SpeedEdit()->clear();
    sheet->accept();
    EXPECT_EQ(Stored(kRead, "Speed"), QString());
}

TEST_F(SettingsSheetTest, CancelWritesNothingAndTheNextOpeningShowsStoredValues)
{
    WriteSetting(kRead, QStringLiteral("Step"), QStringLiteral("9"));
    const QByteArray before = FileBytes();
    {
        auto sheet = Open();
        ShowPathPage(*sheet);
        sheet->ReadPage()->StepEdit()->setText(QStringLiteral("3"));
        sheet->ReadPage()->BorderCheck()->setChecked(true);
        sheet->PathPage()->Edit(PathSettingsPage::kBookEdit)->setText(QStringLiteral("/x"));
        sheet->reject();
    }
    EXPECT_EQ(FileBytes(), before);
    auto again = Open();
    EXPECT_EQ(again->ReadPage()->StepEdit()->text(), QStringLiteral("9"));
    EXPECT_FALSE(again->ReadPage()->BorderCheck()->isChecked());
}

TEST_F(SettingsSheetTest, EditsSurviveSwitchingPages)
{
    auto sheet = Open();
    sheet->ReadPage()->StepEdit()->setText(QStringLiteral("8"));
    ShowPathPage(*sheet);
    sheet->PathPage()->Edit(PathSettingsPage::kPictureEdit)->setText(QStringLiteral("/pics"));
    sheet->Tabs()->setCurrentIndex(0);
    ShowPathPage(*sheet);
    sheet->accept();
    EXPECT_EQ(Stored(kRead, "Step"), QStringLiteral("8"));
    EXPECT_EQ(Stored(kPath, "Picture Library"), QStringLiteral("/pics"));
}

TEST_F(SettingsSheetTest, LongDefaultPathComesBackCutTo511)
{
    WriteSetting(kPath, QStringLiteral("Favorites"), QString(600, QLatin1Char('f')));
    auto sheet = Open();
    ShowPathPage(*sheet);
    EXPECT_EQ(sheet->PathPage()->Edit(PathSettingsPage::kFavoritesEdit)->text().size(), 511);
    sheet->accept();
    EXPECT_EQ(Stored(kPath, "Favorites").size(), 255) << "a page takes at most 255 characters from a box";
}

} // namespace
