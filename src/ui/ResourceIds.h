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
    // Tool tips of the picture sequence's buttons.
    kIdsSequenceMoveUp = 148,
    kIdsSequenceMoveDown = 149,
    kIdsSequenceInsert = 150,
    kIdsSequenceDelete = 151,
    kIdsSequenceAppend = 152,
    // The buttons of the program's message boxes.
    kIdsButtonYes = 180,
    kIdsButtonNo = 181,
    kIdsButtonOk = 182,
    kIdsButtonCancel = 183,
    kIdsOpenStoppedUnsaved = 184,
    kIdsRecentListEmpty = 185,
    // The intro editor's context menu.
    kIdsIntroBold = 186,
    kIdsIntroItalic = 187,
    kIdsIntroUnderline = 188,
    kIdsIntroFont = 189,
    kIdsIntroColour = 190,
    kIdsIntroAlign = 191,
    kIdsIntroAlignLeft = 192,
    kIdsIntroAlignCentre = 193,
    kIdsIntroAlignRight = 194,
    // The type lists of the picture dialogs and of the book dialogs.
    kIdsFilterAllPictures = 400,
    kIdsFilterBmp = 401,
    kIdsFilterJpeg = 402,
    kIdsFilterGif = 403,
    kIdsFilterCursor = 404,
    kIdsFilterEmf = 405,
    kIdsFilterIcon = 406,
    kIdsFilterWmf = 407,
    kIdsFilterAllFiles = 408,
    kIdsFilterBooks = 409,
    kIdsFilterAllBookFiles = 410,
    // The book information form's labels.
    kIdsFormTitle = 420,
    kIdsFormAuthor = 421,
    kIdsFormCategory = 422,
    kIdsFormCount = 423,
    kIdsFormCountUnit = 424,
    kIdsFormRate = 425,
    // The reading parameters, as a dialog and as a settings page.
    kIdsReadingCaption = 430,
    kIdsReadingStep = 431,
    kIdsReadingSpeed = 432,
    kIdsReadingStepUnit = 433,
    kIdsReadingSpeedUnit = 434,
    kIdsReadingBorder = 435,
    kIdsReadingCentre = 436,
    // The settings sheet's page of library folders.
    kIdsPathsCaption = 440,
    kIdsPathsBooks = 441,
    kIdsPathsPictures = 442,
    kIdsPathsFavorites = 443,
    // The about box.
    kIdsAboutCaption = 444,
    kIdsAboutProgram = 445,
    kIdsAboutName = 446,
    kIdsAboutDescriptionHeading = 447,
    kIdsAboutDescription = 448,
    kIdsAboutContact = 449,
    // Tool tips of the form's category button and cover box, by control id.
    kIdsCategoryButtonTip = 1005,
    kIdsCoverBoxTip = 1010,
    kIdsReady = 57345,
    // PDF export: the title page's lines, the page of a picture that does
    // not load, the progress dialog, the file dialog and the failure.
    kIdsExportAuthor = 621,
    kIdsExportCategory = 622,
    kIdsExportRating = 623,
    kIdsExportMissingPicture = 624,
    kIdsExportProgress = 625,
    kIdsExportFailed = 626,
    kIdsExportDialogTitle = 627,
    kIdsExportFileFilter = 628,
};
