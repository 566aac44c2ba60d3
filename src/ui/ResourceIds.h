#pragma once

// Ids of menus, tool bars, accelerator tables, dialog templates and icons.
enum ResourceId : int {
    kIddAbout = 100,
    kIdrMainWindow = 128, // menu, main tool bar, start-up accelerators, icon
    kIdbCoverDefault = 212,
    kIdrZoomMenu = 211,
    kIdrReadingBar = 223,
    kIdrEditAccelerators = 233,
    kIdrReadAccelerators = 234,
    kIdrFullScreenAccelerators = 650, // the page keys, F11 and Esc
};

// Ids of the string table's texts that are not command prompts.
enum StringId : int {
    kIdsAppTitle = 128,
    kIdsAskSaveBeforeNew = 133,
    kIdsExitWithoutSaving = 134,
    kIdsTitleEmpty = 136,
    kIdsColumnPath = 137,
    kIdsColumnSize = 138,
    kIdsColumnCompileTime = 139,
    kIdsPageIntro = 140,
    kIdsPagePictures = 141,
    kIdsSettingsCaption = 142,
    kIdsCannotOpenFile = 145,
    kIdsCannotSaveFile = 146,
    // The buttons of the program's message boxes.
    kIdsButtonYes = 180,
    kIdsButtonNo = 181,
    kIdsButtonOk = 182,
    kIdsButtonCancel = 183,
    kIdsOpenStoppedUnsaved = 184,
    kIdsRecentListEmpty = 185,
    // Tool tips of the form's category button and cover box, by control id.
    kIdsCategoryButtonTip = 1005,
    kIdsCoverBoxTip = 1010,
    kIdsReady = 57345,
};
