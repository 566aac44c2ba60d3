// The settings sheet: what its pages show, what OK writes and what Cancel
// and a never-shown page leave alone.

#include "TestFiles.h"
#include "document/AppDirectories.h"
#include "platform/NumberEdit.h"
#include "settings/dialogs/MainProperties.h"
#include "settings/dialogs/PathPage.h"
#include "settings/dialogs/ReadPage.h"
#include "settings/store/SettingsStore.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kRead = QStringLiteral("Read Mode");
const QString kPath = QStringLiteral("Default Path");

class SettingsSheet : public ::testing::Test {
protected:
    void SetUp() override { SetDataDirectory(data.path()); }

    // The sheet as the user sees it right after it opens.
    std::unique_ptr<CMainProperties> Open()
    {
        auto sheet = std::make_unique<CMainProperties>();
        sheet->show();
        return sheet;
    }
    void ShowPathPage(CMainProperties &sheet) { sheet.Tabs()->setCurrentIndex(1); }
    QString Stored(const QString &section, const QString &key) const
    {
        return ReadSettingText(section, key, QStringLiteral("<missing>"));
    }
    QByteArray FileBytes() const { return ReadAll(SettingsFilePath()); }

    ScratchDir data;
};

TEST_F(SettingsSheet, CaptionTabsAndFirstPage)
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

TEST_F(SettingsSheet, MissingFileShowsTheDefaults)
{
    auto sheet = Open();
    ShowPathPage(*sheet);
    const CReadPage &read = *sheet->ReadPage();
    EXPECT_EQ(read.StepEdit()->text(), QStringLiteral("5"));
    EXPECT_EQ(read.SpeedEdit()->text(), QStringLiteral("1"));
    EXPECT_FALSE(read.BorderCheck()->isChecked());
    EXPECT_TRUE(read.CentreCheck()->isChecked());
    const CPathPage &path = *sheet->PathPage();
    EXPECT_EQ(path.Edit(CPathPage::kBookEdit)->text(), QStringLiteral(".\\booklib"));
    EXPECT_EQ(path.Edit(CPathPage::kPictureEdit)->text(), QStringLiteral(".\\picturelib"));
    EXPECT_EQ(path.Edit(CPathPage::kFavoritesEdit)->text(), QStringLiteral(".\\my favorites"));
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

class ConfirmAtOnce : public SettingsSheet, public ::testing::WithParamInterface<NormalCase> {};

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

TEST_F(SettingsSheet, ShowingThePathPageThenConfirmingWritesAllThreeKeys)
{
    auto sheet = Open();
    ShowPathPage(*sheet);
    sheet->accept();
    EXPECT_EQ(Stored(kPath, "Book Library"), QStringLiteral(".\\booklib"));
    EXPECT_EQ(Stored(kPath, "Picture Library"), QStringLiteral(".\\picturelib"));
    EXPECT_EQ(Stored(kPath, "Favorites"), QStringLiteral(".\\my favorites"));
}

TEST_F(SettingsSheet, BrowsingStartsAtTheKeptValueAndTheChoiceReplacesTheTypedText)
{
    WriteSetting(kPath, QStringLiteral("Book Library"), QStringLiteral("/books"));
    auto sheet = Open();
    ShowPathPage(*sheet);
    CPathPage &page = *sheet->PathPage();
    QStringList starts;
    page.SetFolderBrowser([&](const QString &start) {
        starts.append(start);
        return QStringLiteral("/home/user/画册");
    });
    page.Edit(CPathPage::kBookEdit)->setText(QStringLiteral("/typed"));
    page.BrowseForLibraryFolder(CPathPage::kBookBrowse);
    EXPECT_EQ(starts, QStringList{QStringLiteral("/books")});
    EXPECT_EQ(page.Edit(CPathPage::kBookEdit)->text(), QStringLiteral("/home/user/画册"));

    page.SetFolderBrowser([&](const QString &start) {
        starts.append(start);
        return QString(); // cancelled
    });
    page.BrowseForLibraryFolder(CPathPage::kFavoritesBrowse);
    EXPECT_EQ(starts.last(), QStringLiteral(".\\my favorites"));
    EXPECT_EQ(page.Edit(CPathPage::kFavoritesEdit)->text(), QStringLiteral(".\\my favorites"));
    EXPECT_FALSE(FileBytes().contains("/home/user")) << "browsing writes nothing";
}

TEST_F(SettingsSheet, EmptySpeedBoxIsStoredEmpty)
{
    auto sheet = Open();
    sheet->ReadPage()->SpeedEdit()->clear();
    sheet->accept();
    EXPECT_EQ(Stored(kRead, "Speed"), QString());
}

TEST_F(SettingsSheet, CancelWritesNothingAndTheNextOpeningShowsStoredValues)
{
    WriteSetting(kRead, QStringLiteral("Step"), QStringLiteral("9"));
    const QByteArray before = FileBytes();
    {
        auto sheet = Open();
        ShowPathPage(*sheet);
        sheet->ReadPage()->StepEdit()->setText(QStringLiteral("3"));
        sheet->ReadPage()->BorderCheck()->setChecked(true);
        sheet->PathPage()->Edit(CPathPage::kBookEdit)->setText(QStringLiteral("/x"));
        sheet->reject();
    }
    EXPECT_EQ(FileBytes(), before);
    auto again = Open();
    EXPECT_EQ(again->ReadPage()->StepEdit()->text(), QStringLiteral("9"));
    EXPECT_FALSE(again->ReadPage()->BorderCheck()->isChecked());
}

TEST_F(SettingsSheet, EditsSurviveSwitchingPages)
{
    auto sheet = Open();
    sheet->ReadPage()->StepEdit()->setText(QStringLiteral("8"));
    ShowPathPage(*sheet);
    sheet->PathPage()->Edit(CPathPage::kPictureEdit)->setText(QStringLiteral("/pics"));
    sheet->Tabs()->setCurrentIndex(0);
    ShowPathPage(*sheet);
    sheet->accept();
    EXPECT_EQ(Stored(kRead, "Step"), QStringLiteral("8"));
    EXPECT_EQ(Stored(kPath, "Picture Library"), QStringLiteral("/pics"));
}

TEST_F(SettingsSheet, LongDefaultPathComesBackCutTo511)
{
    WriteSetting(kPath, QStringLiteral("Favorites"), QString(600, QLatin1Char('f')));
    auto sheet = Open();
    ShowPathPage(*sheet);
    EXPECT_EQ(sheet->PathPage()->Edit(CPathPage::kFavoritesEdit)->text().size(), 511);
    sheet->accept();
    EXPECT_EQ(Stored(kPath, "Favorites").size(), 255) << "a page takes at most 255 characters from a box";
}

} // namespace
