#pragma once

#include "ui/CommandTable.h"

#include <QList>
#include <optional>

// What the idle update needs to know of the frame to set every command's
// state: the mode and the picture view's and reader's flags.
struct FrameIdleInput {
    bool readMode = true; // the picture view is the client view
    bool fitScreen = false;
    bool centre = true;
    bool border = true;
    bool fitWidth = false;
    bool fitHeight = false;
    bool autoBrowse = false;
    bool fullScreen = false;
};

// The state one command gets; a missing part is left as it is.
struct CommandUiState {
    int id = 0;
    std::optional<bool> enabled;
    std::optional<bool> checked;
};

// The frame's update-UI table: which of a command's menu item and tool-bar
// button take its state. Commands outside the table take none, so they stay
// enabled for good.
UiTargets UpdateUiTargets(int commandId);

// Every command the idle update sets, in the order it sets them.
QList<CommandUiState> ComputeCommandStates(const FrameIdleInput &in);

// The zoom box takes typing only where a typed zoom can apply.
bool ZoomBoxReadOnly(const FrameIdleInput &in);
