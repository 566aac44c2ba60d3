#pragma once

class CAxPictureView;
class CBookReader;
class CZoomScrollImpl;
class QWidget;

// The commands of read mode as the main frame routes them: the view's zoom,
// border, centre and fit commands and the reader's page, auto-browse,
// parameters and redisplay commands, with the enabled and checked states
// the frame's idle update gives them.
namespace ReadingCommand {
enum : int {
    Zoom25 = 32781,
    Zoom50 = 32782,
    Zoom100 = 32783,
    Zoom200 = 32784,
    Zoom400 = 32785,
    Zoom800 = 32786,
    Border = 32810,
    Centre = 32811,
    Stretch = 32812,
    FitWidth = 32813,
    FitHeight = 32814,
    StopAutoBrowse = 32822,
    ReadingParameters = 32823,
    FirstPage = 32824,
    PreviousPage = 32826,
    NextPage = 32828,
    JumpForward = 32829,
    StartAutoBrowse = 32836,
    JumpBack = 32837,
    LastPage = 32838,
    Redisplay = 59395,
};
}

struct ReadingCommandState {
    bool enabled = true;
    bool checked = false;
    bool operator==(const ReadingCommandState &) const = default;
};

// Whether the id is one of the commands above.
bool IsReadingCommand(int commandId);

// The state of a command on a menu item (onToolBar false) or a tool-bar
// button: the 100 % button is never disabled and never checked, while its
// menu item follows the zoom commands.
ReadingCommandState ReadingCommandStateFor(int commandId, const CZoomScrollImpl &view, bool autoBrowsing,
                                           bool readMode, bool onToolBar);

// The zoom box accepts typing only in read mode with stretch off.
bool ZoomBoxReadOnly(const CZoomScrollImpl &view, bool readMode);

// Carries out a command; false when it is not one of ours or could not act
// (no pages, not in read mode), so the frame may pass it on.
bool RunReadingCommand(int commandId, CAxPictureView &view, CBookReader &reader, QWidget *dialogOwner);
