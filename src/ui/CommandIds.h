#pragma once

// Command ids shared by menus, tool bars, accelerators and the string table.
// The numbers are fixed: resource files, settings and tests name them.
enum CommandId : int {
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdRecentFirst = 57616,
    kCmdRecentLast = 57631,
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
    kCmdViewRedisplay = 59395,
    kCmdFileExportPdf = 620,

    kCmdReadMode = 1038,
    kCmdZoom25 = 32781,
    kCmdZoom50 = 32782,
    kCmdZoom100 = 32783,
    kCmdZoom200 = 32784,
    kCmdZoom400 = 32785,
    kCmdZoom800 = 32786,
    kCmdEditPictures = 32805,
    kCmdEditMode = 32806,
    kCmdEditIntro = 32807,
    kCmdSettings = 32808,
    kCmdViewReadingBar = 32809,
    kCmdViewBorder = 32810,
    kCmdViewCentre = 32811,
    kCmdFitScreen = 32812,
    kCmdFitWidth = 32813,
    kCmdFitHeight = 32814,
    kCmdHelpManual = 32815,
    kCmdHelpFaq = 32816,
    kCmdHelpSupport = 32818,
    kCmdStopAutoBrowse = 32822,
    kCmdReadingParameters = 32823,
    kCmdFirstPage = 32824,
    kCmdPreviousPage = 32826,
    kCmdNextPage = 32828,
    kCmdJumpForward = 32829,
    kCmdStartAutoBrowse = 32836,
    kCmdJumpBack = 32837,
    kCmdLastPage = 32838,
    kCmdFullScreen = 650,
};

// The six zoom steps, smallest first: menu 211 and the update-UI table treat
// them as one group.
inline constexpr int kZoomStepCommands[] = {kCmdZoom25, kCmdZoom50, kCmdZoom100, kCmdZoom200, kCmdZoom400, kCmdZoom800};

inline constexpr bool IsRecentDocumentCommand(int id) { return id >= kCmdRecentFirst && id <= kCmdRecentLast; }
