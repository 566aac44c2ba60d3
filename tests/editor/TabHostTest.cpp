#include "editor/TabHost.h"

#include "TestFiles.h"

#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct RectCase {
    const char *name;
    TabPlacement placement;
    QRect client;
    int rows;
    QSize firstTab;
    QRect expected;
};

class PageDisplayRectTable : public ::testing::TestWithParam<RectCase> {};

TEST_P(PageDisplayRectTable, LeavesTheTabBandAndTheSideMargins)
{
    const RectCase &c = GetParam();
    EXPECT_EQ(PageDisplayRect(c.client, c.placement, c.rows, c.firstTab, 3, 5), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, PageDisplayRectTable,
    ::testing::Values(
        // 400 × 200: the band is rows × tab height + 5 on the tab side, 3 on the others.
        RectCase{"Top", TabPlacement::Top, QRect(0, 0, 400, 200), 1, QSize(60, 20), QRect(3, 25, 394, 172)},
        RectCase{"TopTwoRows", TabPlacement::Top, QRect(0, 0, 400, 200), 2, QSize(60, 20), QRect(3, 45, 394, 152)},
        RectCase{"Bottom", TabPlacement::Bottom, QRect(0, 0, 400, 200), 1, QSize(60, 20), QRect(3, 3, 394, 172)},
        RectCase{"Left", TabPlacement::Left, QRect(0, 0, 400, 200), 1, QSize(30, 60), QRect(35, 3, 362, 194)},
        RectCase{"Right", TabPlacement::Right, QRect(0, 0, 400, 200), 1, QSize(30, 60), QRect(3, 3, 362, 194)},
        RectCase{"NoWidth", TabPlacement::Top, QRect(0, 0, 0, 200), 1, QSize(60, 20), QRect()},
        RectCase{"NoHeight", TabPlacement::Top, QRect(0, 0, 400, 0), 1, QSize(60, 20), QRect()},
        // Smaller than the band: an empty area, never a negative one.
        RectCase{"Tiny", TabPlacement::Top, QRect(0, 0, 4, 10), 1, QSize(60, 20), QRect(3, 25, 0, 0)}),
    [](const auto &info) { return std::string(info.param.name); });

class TabHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_.resize(400, 300);
        first_ = new QWidget(&host_);
        second_ = new QWidget(&host_);
        host_.AddPage(QStringLiteral("内容简介"), first_, true);
        host_.AddPage(QStringLiteral("图画序列"), second_, false);
        host_.show();
    }

    TabHost host_;
    QWidget *first_ = nullptr;
    QWidget *second_ = nullptr;
};

TEST_F(TabHostTest, ClickingTheSecondTabShowsItsPageAndDisablesTheFirst)
{
    QTest::mouseClick(host_.TabBar(), Qt::LeftButton, {}, host_.TabBar()->tabRect(1).center());
    EXPECT_EQ(host_.ActivePage(), 1);
    EXPECT_TRUE(second_->isVisible());
    EXPECT_TRUE(second_->isEnabled());
    EXPECT_FALSE(first_->isVisible());
    EXPECT_FALSE(first_->isEnabled());

    for (int ignored : {-1, 2})
        host_.SetActivePage(ignored);
    EXPECT_EQ(host_.ActivePage(), 1);
    host_.SetActivePage(0);
    EXPECT_EQ(host_.TabBar()->currentIndex(), 0);
    EXPECT_TRUE(first_->isVisible());
    EXPECT_FALSE(second_->isVisible());
}

TEST_F(TabHostTest, PagesFollowTheControlsSize)
{
    for (const QSize size : {QSize(500, 250), QSize(800, 400)}) {
        host_.resize(size);
        const int band = host_.TabBar()->tabRect(0).height() + 5;
        const QRect expected(3, band, size.width() - 6, size.height() - band - 3);
        EXPECT_EQ(first_->geometry(), expected);
        EXPECT_EQ(second_->geometry(), expected);
    }
}

TEST_F(TabHostTest, RemoveAllPagesLeavesNoPageAndNoTab)
{
    host_.RemoveAllPages();
    EXPECT_EQ(host_.PageCount(), 0);
    EXPECT_EQ(host_.ActivePage(), -1);
    EXPECT_EQ(host_.TabBar()->count(), 0);
}

} // namespace
