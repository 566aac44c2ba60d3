#include "app/FrameCommandStates.h"

#include "ui/CommandIds.h"

UiTargets UpdateUiTargets(int id)
{
    switch (id) {
    case kCmdFileNew:
    case kCmdFileSave:
    case kCmdReadMode:
    case kCmdEditMode:
    case kCmdViewCentre:
    case kCmdViewBorder:
    case kCmdFitScreen:
    case kCmdFitHeight:
    case kCmdFitWidth: return UiTarget::Menu | UiTarget::ToolBar;
    case kCmdFileSaveAs:
    case kCmdFullScreen:
    case kCmdViewToolbar:
    case kCmdViewReadingBar:
    case kCmdViewStatusBar:
    case kCmdZoom25:
    case kCmdZoom50:
    case kCmdZoom100:
    case kCmdZoom200:
    case kCmdZoom400:
    case kCmdZoom800: return UiTarget::Menu;
    case kCmdStartAutoBrowse:
    case kCmdStopAutoBrowse: return UiTarget::ToolBar;
    default: return {};
    }
}

QList<CommandUiState> ComputeCommandStates(const FrameIdleInput &in)
{
    const bool r = in.readMode;
    const bool viewAdjustable = r && !in.fitScreen;
    QList<CommandUiState> states = {
        {kCmdFileNew, true, std::nullopt},
        {kCmdFileSave, true, std::nullopt},
        {kCmdFileSaveAs, true, std::nullopt},
    };
    // The zoom commands keep their checks: the zoom itself sets them.
    for (int id : kZoomStepCommands)
        states.append({id, viewAdjustable, std::nullopt});
    states.append({kCmdViewCentre, viewAdjustable, in.centre});
    states.append({kCmdViewBorder, viewAdjustable, in.border});
    states.append({kCmdFitWidth, viewAdjustable, in.fitWidth});
    states.append({kCmdFitHeight, viewAdjustable, in.fitHeight});
    states.append({kCmdFitScreen, r, in.fitScreen});
    states.append({kCmdStartAutoBrowse, r && !in.autoBrowse, std::nullopt});
    states.append({kCmdStopAutoBrowse, r && in.autoBrowse, std::nullopt});
    states.append({kCmdFullScreen, r, in.fullScreen});
    states.append({kCmdReadMode, true, r});
    states.append({kCmdEditMode, true, !r});
    return states;
}

bool ZoomBoxReadOnly(const FrameIdleInput &in) { return !(in.readMode && !in.fitScreen); }
