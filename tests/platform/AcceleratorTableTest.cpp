// Looking key presses up in an accelerator table.

#include "platform/AcceleratorTable.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

const char kTables[] = R"({"accelerators": {
    "128": [{"key": "Ctrl+N", "command": 57600}, {"key": "Down", "command": 32829},
            {"key": "Return", "command": 59395}, {"key": "Space", "command": 32836}],
    "233": [{"key": "Ctrl+N", "command": 57600}]}})";

struct LookupCase {
    int table;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<int> command;
};

class AcceleratorLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(AcceleratorLookupTest, FindsTheCommandOfExactlyThatKey)
{
    const std::optional<AcceleratorTables> tables = AcceleratorTables::Parse(kTables);
    ASSERT_TRUE(tables);
    const LookupCase &c = GetParam();
    const QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
    EXPECT_EQ(tables->Lookup(c.table, press), c.command);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AcceleratorLookupTest,
    ::testing::Values(LookupCase{128, Qt::Key_N, Qt::ControlModifier, 57600},
                      LookupCase{128, Qt::Key_N, Qt::NoModifier, std::nullopt},
                      // Shift or Alt on top makes another key
                      LookupCase{128, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier, std::nullopt},
                      LookupCase{128, Qt::Key_Down, Qt::AltModifier, std::nullopt},
                      LookupCase{128, Qt::Key_Down, Qt::NoModifier, 32829},
                      // keypad arrows and the keypad's Enter are the same keys
                      LookupCase{128, Qt::Key_Down, Qt::KeypadModifier, 32829},
                      LookupCase{128, Qt::Key_Enter, Qt::KeypadModifier, 59395},
                      LookupCase{128, Qt::Key_Return, Qt::NoModifier, 59395},
                      LookupCase{128, Qt::Key_Space, Qt::NoModifier, 32836},
                      LookupCase{233, Qt::Key_Space, Qt::NoModifier, std::nullopt},
                      LookupCase{233, Qt::Key_N, Qt::ControlModifier, 57600},
                      LookupCase{999, Qt::Key_N, Qt::ControlModifier, std::nullopt}));

TEST(AcceleratorTableTest, RefusesChordsUnknownKeysAndMissingCommands)
{
    EXPECT_FALSE(AcceleratorTables::Parse(R"({"accelerators": {"1": [{"key": "Ctrl+K, Ctrl+C", "command": 5}]}})"));
    EXPECT_FALSE(AcceleratorTables::Parse(R"({"accelerators": {"1": [{"key": "Nonsense", "command": 5}]}})"));
    EXPECT_FALSE(AcceleratorTables::Parse(R"({"accelerators": {"1": [{"key": "Up"}]}})"));
    EXPECT_FALSE(AcceleratorTables::Parse(R"({"accelerators": {"1": {"key": "Up", "command": 5}}})"));
}

} // namespace
