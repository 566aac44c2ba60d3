// The framework's resource tables: what a well-formed table gives, that a
// malformed one is refused as a whole rather than read half, and the tables
// compiled into the program (texts, menus, tool-bar orders, keys).

#include "Cases.h"
#include "TestFiles.h"
#include "ui/AcceleratorTable.h"
#include "ui/DialogTemplate.h"
#include "ui/JsonResource.h"
#include "ui/MenuResource.h"
#include "ui/StringTable.h"
#include "ui/ToolBarResource.h"

#include <QKeyEvent>

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
    const char *text, *status, *tip;
};

class CommandPromptTest : public ::testing::TestWithParam<PromptCase> {};

TEST_P(CommandPromptTest, SplitsAtTheFirstNewline)
{
    const CommandPrompt prompt = SplitCommandPrompt(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(prompt.statusHelp, QString::fromUtf8(GetParam().status));
    EXPECT_EQ(prompt.toolTip, QString::fromUtf8(GetParam().tip));
}

// The blank before the newline belongs to the status help.
INSTANTIATE_TEST_SUITE_P(Strings, CommandPromptTest,
                         ::testing::Values(PromptCase{"图书编辑模式\n编辑", "图书编辑模式", "编辑"},
                                           PromptCase{"将图片缩小到原始大小的 25% \n25%", "将图片缩小到原始大小的 25% ",
                                                      "25%"},
                                           PromptCase{"\n跳转到首页", "", "跳转到首页"}, PromptCase{"就绪", "就绪", ""},
                                           PromptCase{"a\nb\nc", "a", "b\nc"}, PromptCase{"", "", ""}));

enum class Parser { All, Strings, Menus, ToolBars, Accelerators, Dialogs };

bool Parses(Parser parser, const QByteArray &json)
{
    switch (parser) {
    case Parser::Strings: return StringTable::Parse(json).has_value();
    case Parser::Menus: return MenuResources::Parse(json).has_value();
    case Parser::ToolBars: return ToolBarResources::Parse(json).has_value();
    case Parser::Accelerators: return AcceleratorTables::Parse(json).has_value();
    case Parser::Dialogs: return DialogTemplates::Parse(json).has_value();
    case Parser::All: break;
    }
    for (Parser p : {Parser::Strings, Parser::Menus, Parser::ToolBars, Parser::Accelerators, Parser::Dialogs})
        if (Parses(p, json))
            return true;
    return false;
}

QByteArray DeepMenu()
{
    QByteArray deep = R"({"menus": {"1": )";
    for (int i = 0; i < 40; ++i)
        deep += R"([{"text": "p", "items": )";
    deep += "[]";
    for (int i = 0; i < 40; ++i)
        deep += "}]";
    return deep + "}}";
}

struct MalformedCase {
    const char *name;
    Parser parser;
    QByteArray json;
};

class MalformedTableTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTableTest, IsRefused) { EXPECT_FALSE(Parses(GetParam().parser, GetParam().json)); }

INSTANTIATE_TEST_SUITE_P(
    Inputs, MalformedTableTest,
    ::testing::Values(
        MalformedCase{"Empty", Parser::All, ""}, MalformedCase{"Cut", Parser::All, "{"},
        MalformedCase{"Array", Parser::All, "[]"}, MalformedCase{"Number", Parser::All, "42"},
        MalformedCase{"OtherTable", Parser::All, "{\"other\": {}}"}, MalformedCase{"NotUtf8", Parser::All, "\xff\xfe{"},
        MalformedCase{"StringsAsArray", Parser::All, "{\"strings\": [1]}"},
        MalformedCase{"StringBadId", Parser::Strings, R"({"strings": {"x1": "a"}})"},
        MalformedCase{"StringNotText", Parser::Strings, R"({"strings": {"1": 5}})"},
        MalformedCase{"MenuItemWithoutId", Parser::Menus, R"({"menus": {"1": [{"text": "a"}]}})"},
        MalformedCase{"MenuItemIdZero", Parser::Menus, R"({"menus": {"1": [{"id": 0, "text": "a"}]}})"},
        MalformedCase{"MenuEndlessNesting", Parser::Menus, DeepMenu()},
        MalformedCase{"ToolBarNegativeId", Parser::ToolBars, R"({"toolbars": {"1": {"buttons": [-5]}}})"},
        MalformedCase{"ToolBarZeroImage", Parser::ToolBars,
                      R"({"toolbars": {"1": {"imageSize": [0, 16], "buttons": []}}})"},
        MalformedCase{"ToolBarHugeImage", Parser::ToolBars,
                      R"({"toolbars": {"1": {"imageSize": [100000, 16], "buttons": []}}})"},
        MalformedCase{"AcceleratorChord", Parser::Accelerators,
                      R"({"accelerators": {"1": [{"key": "Ctrl+K, Ctrl+C", "command": 5}]}})"},
        MalformedCase{"AcceleratorUnknownKey", Parser::Accelerators,
                      R"({"accelerators": {"1": [{"key": "Nonsense", "command": 5}]}})"},
        MalformedCase{"AcceleratorNoCommand", Parser::Accelerators, R"({"accelerators": {"1": [{"key": "Up"}]}})"},
        MalformedCase{"AcceleratorNotList", Parser::Accelerators,
                      R"({"accelerators": {"1": {"key": "Up", "command": 5}}})"},
        MalformedCase{
            "DialogUnknownKind", Parser::Dialogs,
            R"({"dialogs": {"1": {"size": [10, 10], "controls": [{"kind": "slider", "rect": [0, 0, 1, 1]}]}}})"},
        MalformedCase{"DialogShortRect", Parser::Dialogs,
                      R"({"dialogs": {"1": {"size": [10, 10], "controls": [{"kind": "text", "rect": [0, 0, 1]}]}}})"},
        MalformedCase{
            "DialogNegativeRect", Parser::Dialogs,
            R"({"dialogs": {"1": {"size": [10, 10], "controls": [{"kind": "text", "rect": [0, -3, 1, 1]}]}}})"},
        MalformedCase{"DialogShortSize", Parser::Dialogs, R"({"dialogs": {"1": {"size": [10], "controls": []}}})"}),
    CaseName());

// A menu flattened to "id:text" lines, "-" for separators and "[text]" …
// "[end]" around pop-ups, so a whole template compares in one go.
QStringList Flatten(const QList<MenuItem> &items)
{
    QStringList lines;
    for (const MenuItem &item : items) {
        if (item.kind == MenuItem::Kind::Separator)
            lines << QStringLiteral("-");
        else if (item.kind == MenuItem::Kind::Command)
            lines << QStringLiteral("%1:%2").arg(item.id).arg(item.text);
        else
            lines << QStringLiteral("[%1]").arg(item.text) << Flatten(item.items) << QStringLiteral("[end]");
    }
    return lines;
}

TEST(MenuResourceTest, ReadsCommandsSeparatorsAndNestedPopups)
{
    const std::optional<MenuResources> menus = MenuResources::Parse(R"({"menus": {"7": [{"text": "文件", "items": [
        {"id": 57600, "text": "新建...\tCtrl+N"}, {"separator": true}, {"text": "最近文件", "items": []}]}]}})");
    ASSERT_TRUE(menus);
    EXPECT_EQ(Flatten(menus->Menu(7)),
              (QStringList{"[文件]", "57600:新建...\tCtrl+N", "-", "[最近文件]", "[end]", "[end]"}));
    EXPECT_TRUE(menus->Menu(8).isEmpty());
}

TEST(ToolBarResourceTest, ReadsButtonsSeparatorsImageSizeAndIcons)
{
    const std::optional<ToolBarResources> bars = ToolBarResources::Parse(
        R"({"toolbars": {"223": {"imageSize": [32, 16], "buttons": [32836, 0, 32827]}}, "icons": {"32836": "auto-start.svg"}})");
    ASSERT_TRUE(bars);
    const std::optional<ToolBarTemplate> bar = bars->ToolBar(223);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->imageSize, QSize(32, 16));
    EXPECT_EQ(bar->buttons, (QList<int>{32836, kToolBarSeparator, 32827}));
    EXPECT_EQ(bars->IconFile(32836), QStringLiteral("auto-start.svg"));
    EXPECT_TRUE(bars->IconFile(32822).isEmpty());
    EXPECT_FALSE(bars->ToolBar(128));
}

struct LookupCase {
    int table;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<int> command;
};

class AcceleratorLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(AcceleratorLookupTest, FindsTheCommandOfExactlyThatKey)
{
    const std::optional<AcceleratorTables> tables = AcceleratorTables::Parse(R"({"accelerators": {
        "128": [{"key": "Ctrl+N", "command": 57600}, {"key": "Down", "command": 32829},
                {"key": "Return", "command": 59395}, {"key": "Space", "command": 32836}],
        "233": [{"key": "Ctrl+N", "command": 57600}]}})");
    ASSERT_TRUE(tables);
    const QKeyEvent press(QEvent::KeyPress, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(tables->Lookup(GetParam().table, press), GetParam().command);
}

// Shift or Alt on top makes another key; the keypad's arrows and Enter are
// the same keys.
INSTANTIATE_TEST_SUITE_P(Keys, AcceleratorLookupTest,
                         ::testing::Values(LookupCase{128, Qt::Key_N, Qt::ControlModifier, 57600},
                                           LookupCase{128, Qt::Key_N, Qt::NoModifier, std::nullopt},
                                           LookupCase{128, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier,
                                                      std::nullopt},
                                           LookupCase{128, Qt::Key_Down, Qt::AltModifier, std::nullopt},
                                           LookupCase{128, Qt::Key_Down, Qt::NoModifier, 32829},
                                           LookupCase{128, Qt::Key_Down, Qt::KeypadModifier, 32829},
                                           LookupCase{128, Qt::Key_Enter, Qt::KeypadModifier, 59395},
                                           LookupCase{128, Qt::Key_Return, Qt::NoModifier, 59395},
                                           LookupCase{128, Qt::Key_Space, Qt::NoModifier, 32836},
                                           LookupCase{233, Qt::Key_Space, Qt::NoModifier, std::nullopt},
                                           LookupCase{233, Qt::Key_N, Qt::ControlModifier, 57600},
                                           LookupCase{999, Qt::Key_N, Qt::ControlModifier, std::nullopt}));

// --- the program's own tables ------------------------------------------------

struct StringCase {
    int id;
    const char *text;
};

class AppStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(AppStringTest, HasTheExactText) { EXPECT_EQ(LoadString(GetParam().id), QString::fromUtf8(GetParam().text)); }

// The texts whose blanks, line ends and punctuation are easy to get wrong.
INSTANTIATE_TEST_SUITE_P(Strings, AppStringTest,
                         ::testing::Values(StringCase{128, "电子画册Vellora V1.0"}, StringCase{57345, "就绪"},
                                           StringCase{133, "当前文件已经改动。\r\n是否在新建文件前保存改动？"},
                                           StringCase{136, "标题栏不能为空！"}, StringCase{32806, "图书编辑模式\n编辑"},
                                           StringCase{32781, "将图片缩小到原始大小的 25% \n25%"},
                                           StringCase{32783, "以图片的原始大小显示\n100%"},
                                           StringCase{32824, "\n跳转到首页"},
                                           StringCase{59395, "重新显示选定的图片。\n重新显示"}));

// Commands whose prompts are our own must still have both halves.
TEST(AppStringTest, OwnPromptsHaveStatusHelpAndToolTip)
{
    for (int id : {57600, 57601, 57603, 57604, 57665, 59392, 59393, 32809, 32815, 32816, 32818}) {
        const CommandPrompt prompt = SplitCommandPrompt(LoadString(id));
        EXPECT_FALSE(prompt.statusHelp.isEmpty()) << id;
        EXPECT_FALSE(prompt.toolTip.isEmpty()) << id;
    }
}

TEST(AppMenuTest, MainMenuHasEveryItemInOrderAndNoSaveItemAndZoomIsThePopupOf211)
{
    const QStringList zoom = {"[缩放]", "32781:25%",  "32782:50%",  "-",          "32783:原始大小",
                              "-",      "32784:200%", "32785:400%", "32786:800%", "[end]"};
    const QStringList expected = QStringList{"[文件]",
                                             "57600:新建...\tCtrl+N",
                                             "57601:打开...\tCtrl+O",
                                             "57604:另存为...",
                                             "-",
                                             "[最近文件]",
                                             "[end]",
                                             "-",
                                             "57665:退出",
                                             "[end]",
                                             "[编辑]",
                                             "32805:图画序列",
                                             "32807:画册简介",
                                             "-",
                                             "32808:系统配置",
                                             "[end]",
                                             "[查看]",
                                             "59392:  工具栏",
                                             "59393:  状态栏",
                                             "32809:  查阅栏",
                                             "-",
                                             "32810:  显示边框",
                                             "32811:  居中显示",
                                             "59395:  重新显示",
                                             "-",
                                             "32812:  满屏拉伸",
                                             "32813:  适应宽度",
                                             "32814:  适应高度",
                                             "[end]"}
                                 + zoom + QStringList{"[帮助]",         "32815:用户手册",       "32816:常见问题",
                                                      "32818:技术支持", "57664:关于Vellora...", "[end]"};
    EXPECT_EQ(Flatten(AppMenus().Menu(128)), expected);
    EXPECT_EQ(Flatten(AppMenus().Menu(211)), zoom);
}

TEST(AppToolBarTest, ButtonsStandInTheirOrderAndEachHasAnImage)
{
    const QList<QList<int>> expected = {
        {57664, 57600, 57601, 57603, 0, 32806, 1038, 32808, 0, 1037, 1031, 32813, 32814, 32783, 32811, 32810},
        {32836, 32822, 32823, 0, 32824, 32837, 32826, 32827, 32828, 32829, 32838, 0, 32812, 32783, 32813, 32814,
         32809}};
    for (int i : {0, 1}) {
        const std::optional<ToolBarTemplate> bar = AppToolBars().ToolBar(i == 0 ? 128 : 223);
        ASSERT_TRUE(bar);
        EXPECT_EQ(bar->buttons, expected[i]);
        for (int id : bar->buttons) {
            if (id != 0 && id != 1037 && id != 32827) { // separators and the two edit boxes
                EXPECT_FALSE(CommandIcon(id).pixmap(16, 16).isNull()) << id;
            }
        }
    }
}

TEST(AppIconTest, NamedIconsLoadAtSmallAndLargeSizes)
{
    for (const char *name : {"vellora.svg", "sequence-add.svg", "sequence-insert.svg", "sequence-remove.svg",
                             "sequence-up.svg", "sequence-down.svg"}) {
        const QIcon icon = NamedIcon(QString::fromUtf8(name));
        EXPECT_FALSE(icon.pixmap(16, 16).isNull()) << name;
        EXPECT_EQ(icon.pixmap(64, 64).size(), QSize(64, 64)) << name;
    }
}

TEST(AppDialogTest, AboutTemplateIs233By174Units)
{
    const std::optional<DialogTemplate> about = AppDialogTemplates().Dialog(100);
    ASSERT_TRUE(about);
    EXPECT_EQ(about->size, QSize(233, 174));
    EXPECT_EQ(about->caption, QStringLiteral("关于 电子画册Vellora"));
}
} // namespace
