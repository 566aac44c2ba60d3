// The resource tables compiled into the program: the texts, menus, tool-bar
// orders and keys the program is known by.

#include "TestFiles.h"
#include "platform/AcceleratorTable.h"
#include "platform/DialogTemplate.h"
#include "platform/MenuResource.h"
#include "platform/StringTable.h"
#include "platform/ToolBarResource.h"

#include <QFile>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

struct StringCase {
    int id;
    const char *text;
};

class AppStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(AppStringTest, HasTheExactText)
{
    EXPECT_EQ(LoadString(GetParam().id), QString::fromUtf8(GetParam().text));
}

// The texts whose blanks, line ends and punctuation are easy to get wrong.
INSTANTIATE_TEST_SUITE_P(
    Strings, AppStringTest,
    ::testing::Values(StringCase{128, "电子画册Vellora V1.0"}, StringCase{57345, "就绪"},
                      StringCase{133, "当前文件已经改动。\r\n是否在新建文件前保存改动？"},
                      StringCase{136, "标题栏不能为空！"}, StringCase{32806, "图书编辑模式\n编辑"},
                      StringCase{32781, "将图片缩小到原始大小的 25% \n25%"},
                      StringCase{32783, "以图片的原始大小显示\n100%"}, StringCase{32824, "\n跳转到首页"},
                      StringCase{59395, "重新显示选定的图片。\n重新显示"}));

// Commands whose prompts are our own must still have both halves.
class OwnPromptTest : public ::testing::TestWithParam<int> {};

TEST_P(OwnPromptTest, HasStatusHelpAndToolTip)
{
    const CommandPrompt prompt = SplitCommandPrompt(LoadString(GetParam()));
    EXPECT_FALSE(prompt.statusHelp.isEmpty());
    EXPECT_FALSE(prompt.toolTip.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Commands, OwnPromptTest,
                         ::testing::Values(57600, 57601, 57603, 57604, 57665, 59392, 59393, 32809, 32815, 32816,
                                           32818));

// A menu flattened to "id:text" lines, "-" for separators and "[text]" for
// pop-ups, so a whole template compares in one go.
QStringList Flatten(const QList<MenuItem> &items)
{
    QStringList lines;
    for (const MenuItem &item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            lines << QStringLiteral("-");
            break;
        case MenuItem::Kind::Command:
            lines << QStringLiteral("%1:%2").arg(item.id).arg(item.text);
            break;
        case MenuItem::Kind::Popup:
            lines << QStringLiteral("[%1]").arg(item.text);
            lines << Flatten(item.items);
            lines << QStringLiteral("[end]");
            break;
        }
    }
    return lines;
}

TEST(AppMenuTest, MainMenuHasEveryItemInOrderAndNoSaveItem)
{
    const QStringList expected = {
        "[文件]", "57600:新建...\tCtrl+N", "57601:打开...\tCtrl+O", "57604:另存为...", "-", "[最近文件]", "[end]", "-",
        "57665:退出", "[end]",
        "[编辑]", "32805:图画序列", "32807:画册简介", "-", "32808:系统配置", "[end]",
        "[查看]", "59392:  工具栏", "59393:  状态栏", "32809:  查阅栏", "-", "32810:  显示边框", "32811:  居中显示",
        "59395:  重新显示", "-", "32812:  满屏拉伸", "32813:  适应宽度", "32814:  适应高度", "[end]",
        "[缩放]", "32781:25%", "32782:50%", "-", "32783:原始大小", "-", "32784:200%", "32785:400%", "32786:800%", "[end]",
        "[帮助]", "32815:用户手册", "32816:常见问题", "32818:技术支持", "57664:关于Vellora...", "[end]"};
    EXPECT_EQ(Flatten(AppMenus().Menu(128)), expected);
}

TEST(AppMenuTest, ZoomMenuIsTheFirstPopupOf211)
{
    const QStringList expected = {"[缩放]", "32781:25%", "32782:50%", "-", "32783:原始大小", "-",
                                  "32784:200%", "32785:400%", "32786:800%", "[end]"};
    EXPECT_EQ(Flatten(AppMenus().Menu(211)), expected);
}

TEST(AppToolBarTest, ButtonsStandInTheirOrder)
{
    ASSERT_TRUE(AppToolBars().ToolBar(128));
    ASSERT_TRUE(AppToolBars().ToolBar(223));
    EXPECT_EQ(AppToolBars().ToolBar(128)->buttons,
              (QList<int>{57664, 57600, 57601, 57603, 0, 32806, 1038, 32808, 0, 1037, 1031, 32813, 32814, 32783, 32811,
                          32810}));
    EXPECT_EQ(AppToolBars().ToolBar(223)->buttons,
              (QList<int>{32836, 32822, 32823, 0, 32824, 32837, 32826, 32827, 32828, 32829, 32838, 0, 32812, 32783,
                          32813, 32814, 32809}));
}

TEST(AppToolBarTest, EveryButtonHasAnImageThatLoads)
{
    for (int bar : {128, 223}) {
        const QList<int> buttons = AppToolBars().ToolBar(bar).value_or(ToolBarTemplate{}).buttons;
        ASSERT_FALSE(buttons.isEmpty());
        for (int id : buttons) {
            if (id == 0 || id == 1037 || id == 32827) // separators and the two edit boxes
                continue;
            SCOPED_TRACE(id);
            EXPECT_FALSE(CommandIcon(id).pixmap(16, 16).isNull());
        }
    }
}

class NamedIconTest : public ::testing::TestWithParam<const char *> {};

TEST_P(NamedIconTest, LoadsAtSmallAndLargeSizes)
{
    const QIcon icon = NamedIcon(QString::fromUtf8(GetParam()));
    EXPECT_FALSE(icon.pixmap(16, 16).isNull());
    EXPECT_EQ(icon.pixmap(64, 64).size(), QSize(64, 64));
}

INSTANTIATE_TEST_SUITE_P(Icons, NamedIconTest,
                         ::testing::Values("vellora.svg", "star-empty.svg", "star-full.svg", "star-hot.svg",
                                           "sequence-add.svg", "sequence-insert.svg", "sequence-remove.svg",
                                           "sequence-up.svg", "sequence-down.svg"));

// The keys themselves are exercised through the frame (FrameKeysAndModesTest).
TEST(AppAcceleratorTest, TablesHoldNothingElse)
{
    EXPECT_EQ(AppAccelerators().Table(128).size(), 9);
    EXPECT_EQ(AppAccelerators().Table(233).size(), 3);
    EXPECT_EQ(AppAccelerators().Table(234).size(), 6);
}

TEST(AppDialogTest, AboutTemplateIs233By174Units)
{
    const std::optional<DialogTemplate> about = AppDialogTemplates().Dialog(100);
    ASSERT_TRUE(about);
    EXPECT_EQ(about->size, QSize(233, 174));
    EXPECT_EQ(about->caption, QStringLiteral("关于 电子画册Vellora"));
}

} // namespace
