#pragma once

// Control ids of dialog templates and bar children. Controls of the book
// form and the dialogs join this list as those windows are built.
enum ControlId : int {
    kCtlTitle = 1002,
    kCtlPictureCount = 1006,
    kCtlZoomMenuButton = 1031,
    kCtlZoomBox = 1037,
    kCtlPageBox = 32827,

    // The three bands of the top area, left to right.
    kBandMenuBar = 60160,
    kBandMainToolBar = 60161,
    kBandReadingBar = 60162,

    // Standard button ids of dialog templates.
    kCtlOk = 1,
    kCtlCancel = 2,
};
