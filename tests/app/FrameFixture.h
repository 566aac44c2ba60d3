#pragma once

// A started main frame, shown and active, with every routed command
// recorded.

#include "FileCommandDoubles.h"
#include "app/MainFrame.h"
#include "app/StartUp.h"

#include <QApplication>
#include <QList>
#include <gtest/gtest.h>
#include <memory>

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = CreateMainFrame();
        frame->SetCommandObserver([this](int id) { routed.append(id); });
        // Keys that reach file commands or the settings sheet must not leave
        // a modal dialog waiting for a user who is not there.
        frame->SetFileCommandUi(std::make_unique<ScriptedUser>());
        frame->SetSettingsDialogRunner([] {});
        frame->show();
        QApplication::setActiveWindow(frame.get());
    }

    // What the commands of one mode switch leave behind is not what a test
    // looks at.
    void SwitchTo(bool read)
    {
        frame->OnCommand(read ? 1038 : 32806);
        frame->OnIdle();
        routed.clear();
    }

    std::unique_ptr<CMainFrame> frame;
    QList<int> routed;
};
