// The framework's resource tables: what a well-formed table gives, and that
// a malformed one is refused as a whole rather than read half.

#include "TestFiles.h"
#include "platform/AcceleratorTable.h"
#include "platform/DialogTemplate.h"
#include "platform/JsonResource.h"
#include "platform/MenuResource.h"
#include "platform/StringTable.h"
#include "platform/ToolBarResource.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

struct IdCase {
    const char *key;
    std::optional<int> id;
};

class ResourceIdTest : public ::testing::TestWithParam<IdCase> {};

TEST_P(ResourceIdTest, ParsesOnlyPlainDecimalIds)
{
    EXPECT_EQ(ParseResourceId(QString::fromUtf8(GetParam().key)), GetParam().id);
}

INSTANTIATE_TEST_SUITE_P(Keys, ResourceIdTest,
                         ::testing::Values(IdCase{"128", 128}, IdCase{"57345", 57345}, IdCase{"0", 0},
                                           IdCase{"", std::nullopt}, IdCase{"-1", std::nullopt},
                                           IdCase{"12a", std::nullopt}, IdCase{" 12", std::nullopt},
                                           IdCase{"1e3", std::nullopt}, IdCase{"9999999999", std::nullopt}));

struct PromptCase {
    const char *text;
    const char *status;
    const char *tip;
};

class CommandPromptTest : public ::testing::TestWithParam<PromptCase> {};

TEST_P(CommandPromptTest, SplitsAtTheFirstNewline)
{
    const CommandPrompt prompt = SplitCommandPrompt(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(prompt.statusHelp, QString::fromUtf8(GetParam().status));
    EXPECT_EQ(prompt.toolTip, QString::fromUtf8(GetParam().tip));
}

INSTANTIATE_TEST_SUITE_P(
    Strings, CommandPromptTest,
    ::testing::Values(PromptCase{"图书编辑模式\n编辑", "图书编辑模式", "编辑"},
                      // the blank before the newline belongs to the status help
                      PromptCase{"将图片缩小到原始大小的 25% \n25%", "将图片缩小到原始大小的 25% ", "25%"},
                      PromptCase{"\n跳转到首页", "", "跳转到首页"}, PromptCase{"就绪", "就绪", ""},
                      PromptCase{"a\nb\nc", "a", "b\nc"}, PromptCase{"", "", ""}));

// Each parser must refuse these rather than crash or read a partial table.
class MalformedTableTest : public ::testing::TestWithParam<const char *> {};

TEST_P(MalformedTableTest, EveryParserRefusesIt)
{
    const QByteArray json(GetParam());
    EXPECT_FALSE(StringTable::Parse(json));
    EXPECT_FALSE(MenuResources::Parse(json));
    EXPECT_FALSE(ToolBarResources::Parse(json));
    EXPECT_FALSE(AcceleratorTables::Parse(json));
    EXPECT_FALSE(DialogTemplates::Parse(json));
}

INSTANTIATE_TEST_SUITE_P(Inputs, MalformedTableTest,
                         ::testing::Values("", "{", "[]", "42", "{\"other\": {}}", "\xff\xfe{", "{\"strings\": [1]}"));

TEST(StringTableTest, RefusesABadIdOrANonTextValue)
{
    EXPECT_FALSE(StringTable::Parse(R"({"strings": {"x1": "a"}})"));
    EXPECT_FALSE(StringTable::Parse(R"({"strings": {"1": 5}})"));
}

TEST(MenuResourceTest, ReadsCommandsSeparatorsAndNestedPopups)
{
    const std::optional<MenuResources> menus = MenuResources::Parse(R"({"menus": {"7": [
        {"text": "文件", "items": [
            {"id": 57600, "text": "新建...\tCtrl+N"},
            {"separator": true},
            {"text": "最近文件", "items": []}]}]}})");
    ASSERT_TRUE(menus);
    const QList<MenuItem> top = menus->Menu(7);
    ASSERT_EQ(top.size(), 1);
    EXPECT_EQ(top[0].kind, MenuItem::Kind::Popup);
    ASSERT_EQ(top[0].items.size(), 3);
    EXPECT_EQ(top[0].items[0].id, 57600);
    EXPECT_EQ(top[0].items[0].text, QStringLiteral("新建...\tCtrl+N"));
    EXPECT_EQ(top[0].items[1].kind, MenuItem::Kind::Separator);
    EXPECT_EQ(top[0].items[2].kind, MenuItem::Kind::Popup);
    EXPECT_TRUE(top[0].items[2].items.isEmpty());
    EXPECT_TRUE(menus->Menu(8).isEmpty());
}

TEST(MenuResourceTest, RefusesItemsWithoutIdAndEndlessNesting)
{
    EXPECT_FALSE(MenuResources::Parse(R"({"menus": {"1": [{"text": "a"}]}})"));
    EXPECT_FALSE(MenuResources::Parse(R"({"menus": {"1": [{"id": 0, "text": "a"}]}})"));
    QByteArray deep = R"({"menus": {"1": )";
    for (int i = 0; i < 40; ++i)
        deep += R"([{"text": "p", "items": )";
    deep += "[]";
    for (int i = 0; i < 40; ++i)
        deep += "}]";
    deep += "}}";
    EXPECT_FALSE(MenuResources::Parse(deep));
}

TEST(ToolBarResourceTest, ReadsButtonsSeparatorsImageSizeAndIcons)
{
    const std::optional<ToolBarResources> bars = ToolBarResources::Parse(
        R"({"toolbars": {"223": {"imageSize": [32, 16], "buttons": [32836, 0, 32827]}},
            "icons": {"32836": "auto-start.svg"}})");
    ASSERT_TRUE(bars);
    const std::optional<ToolBarTemplate> bar = bars->ToolBar(223);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->imageSize, QSize(32, 16));
    EXPECT_EQ(bar->buttons, (QList<int>{32836, kToolBarSeparator, 32827}));
    EXPECT_EQ(bars->IconFile(32836), QStringLiteral("auto-start.svg"));
    EXPECT_TRUE(bars->IconFile(32822).isEmpty());
    EXPECT_FALSE(bars->ToolBar(128));
}

TEST(ToolBarResourceTest, RefusesNegativeIdsAndAbsurdImageSizes)
{
    EXPECT_FALSE(ToolBarResources::Parse(R"({"toolbars": {"1": {"buttons": [-5]}}})"));
    EXPECT_FALSE(ToolBarResources::Parse(R"({"toolbars": {"1": {"imageSize": [0, 16], "buttons": []}}})"));
    EXPECT_FALSE(ToolBarResources::Parse(R"({"toolbars": {"1": {"imageSize": [100000, 16], "buttons": []}}})"));
}

TEST(DialogTemplateTest, RefusesUnknownKindsAndBadRectangles)
{
    EXPECT_FALSE(DialogTemplates::Parse(
        R"({"dialogs": {"1": {"size": [10, 10], "controls": [{"kind": "slider", "rect": [0, 0, 1, 1]}]}}})"));
    EXPECT_FALSE(DialogTemplates::Parse(
        R"({"dialogs": {"1": {"size": [10, 10], "controls": [{"kind": "text", "rect": [0, 0, 1]}]}}})"));
    EXPECT_FALSE(DialogTemplates::Parse(
        R"({"dialogs": {"1": {"size": [10, 10], "controls": [{"kind": "text", "rect": [0, -3, 1, 1]}]}}})"));
    EXPECT_FALSE(DialogTemplates::Parse(R"({"dialogs": {"1": {"size": [10], "controls": []}}})"));
}

} // namespace
