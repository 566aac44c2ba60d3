// The tables compiled into the program: every tool-bar button shows an image.

#include "ui/ToolBarResource.h"

#include <gtest/gtest.h>

namespace {
TEST(AppToolBarTest, EveryButtonHasAnImage)
{
    for (int bar : {128, 223}) {
        const std::optional<ToolBarTemplate> buttons = AppToolBars().ToolBar(bar);
        ASSERT_TRUE(buttons);
        for (int id : buttons->buttons)
            if (id != kToolBarSeparator && id != 1037 && id != 32827) { // the two edit boxes
                EXPECT_FALSE(CommandIcon(id).pixmap(16, 16).isNull()) << id;
            }
    }
}
} // namespace
