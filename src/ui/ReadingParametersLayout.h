#pragma once

#include <QSize>

class NumberEdit;
class QCheckBox;
class QFrame;
class QPushButton;
class QWidget;

// The reading parameters template: jump width and browse speed boxes, the
// border and centring check boxes, OK and Cancel. The reader's own dialog and
// the settings sheet's reading page are both built from it, so the two look
// the same at every font.
struct ReadingParametersControls {
    NumberEdit *step = nullptr;  // 1025
    NumberEdit *speed = nullptr; // 1026
    QFrame *line = nullptr;
    QCheckBox *border = nullptr;   // 1027
    QCheckBox *centre = nullptr;   // 1028
    QPushButton *ok = nullptr;     // 1
    QPushButton *cancel = nullptr; // 2
};

inline constexpr QSize kReadingParametersSize(200, 128);

enum ReadingParametersId : int {
    kReadingStepEdit = 1025,
    kReadingSpeedEdit = 1026,
    kReadingBorderCheck = 1027,
    kReadingCentreCheck = 1028,
};

// Creates the template's controls on the host, placed in dialog units of the
// host's font, and shows them (a page builds them while it is already on
// screen). The buttons are not connected to anything.
ReadingParametersControls BuildReadingParameters(QWidget &host);
