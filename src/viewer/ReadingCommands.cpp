#include "viewer/ReadingCommands.h"

#include "viewer/AxPictureView.h"
#include "viewer/BookReader.h"

using namespace ReadingCommand;

bool IsReadingCommand(int id)
{
    return (id >= Zoom25 && id <= Zoom800) || (id >= Border && id <= FitHeight) || id == StopAutoBrowse
           || id == ReadingParameters || id == FirstPage || id == PreviousPage || id == NextPage || id == JumpForward
           || id == StartAutoBrowse || id == JumpBack || id == LastPage || id == Redisplay;
}

ReadingCommandState ReadingCommandStateFor(int id, const CZoomScrollImpl &view, bool autoBrowsing, bool readMode,
                                           bool onToolBar)
{
    const bool viewCommandsOn = readMode && !view.Has(kDisplayStretch);
    if (id >= Zoom25 && id <= Zoom800) {
        if (id == Zoom100 && onToolBar)
            return {true, false};
        return {viewCommandsOn, view.CheckedZoomCommand() == id};
    }
    switch (id) {
    case Border: return {viewCommandsOn, view.Has(kDisplayBorder)};
    case Centre: return {viewCommandsOn, view.Has(kDisplayCentre)};
    case Stretch: return {readMode, view.Has(kDisplayStretch)};
    case FitWidth: return {viewCommandsOn, view.Has(kDisplayFitWidth)};
    case FitHeight: return {viewCommandsOn, view.Has(kDisplayFitHeight)};
    case StartAutoBrowse: return {readMode && !autoBrowsing, false};
    case StopAutoBrowse: return {readMode && autoBrowsing, false};
    default: return {true, false};
    }
}

bool ZoomBoxReadOnly(const CZoomScrollImpl &view, bool readMode) { return !(readMode && !view.Has(kDisplayStretch)); }

bool RunReadingCommand(int id, CAxPictureView &view, CBookReader &reader, QWidget *dialogOwner)
{
    if (id >= Zoom25 && id <= Zoom800) {
        view.ZoomCommand(id);
        return true;
    }
    switch (id) {
    case Border: view.ToggleBorder(); return true;
    case Centre: view.ToggleCentre(); return true;
    case Stretch: view.ToggleStretch(); return true;
    case FitWidth: view.ToggleFitWidth(); return true;
    case FitHeight: view.ToggleFitHeight(); return true;
    case FirstPage: return reader.Navigate(PageMove::First);
    case JumpBack: return reader.Navigate(PageMove::JumpBack);
    case PreviousPage: return reader.Navigate(PageMove::Previous);
    case NextPage: return reader.Navigate(PageMove::Next);
    case JumpForward: return reader.Navigate(PageMove::JumpForward);
    case LastPage: return reader.Navigate(PageMove::Last);
    case StartAutoBrowse:
    case StopAutoBrowse: return reader.ToggleAutoBrowse();
    case ReadingParameters: reader.OnReadingParameters(dialogOwner); return true;
    case Redisplay: reader.OnRedisplay(); return true;
    default: return false;
    }
}
