#pragma once

#include <QPalette>
#include <QPointer>
#include <QRect>
#include <qnamespace.h>

// What full-screen reading takes away from the frame and gives back when it
// ends: the window's state and place, which bars were shown, the picture
// view's frame and background, the key table in force and the focus.
struct FullScreenReturn {
    Qt::WindowStates windowState;
    QRect geometry;
    bool menuBand = true;
    bool mainToolBar = true;
    bool readingBar = true;
    bool statusBar = true;
    int viewFrameStyle = 0;
    QPalette viewportPalette;
    int acceleratorTable = 0;
    QPointer<QWidget> focus; // hiding the bars moves it
};
