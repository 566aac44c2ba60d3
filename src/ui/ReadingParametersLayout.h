#pragma once

#include <QSize>

class NumberEdit;
class QCheckBox;
class QPushButton;
class QWidget;

// The reading parameters: jump width and browse speed boxes, the border and
// centring check boxes and, on the stand-alone dialog, OK and Cancel. The
// reader's own dialog and the settings sheet's reading page are both built by
// BuildReadingParameters, so the two look the same at every font.
struct ReadingParametersControls {
    NumberEdit *step = nullptr;
    NumberEdit *speed = nullptr;
    QCheckBox *border = nullptr;
    QCheckBox *centre = nullptr;
    QPushButton *ok = nullptr;     // only with buttons
    QPushButton *cancel = nullptr; // only with buttons
};

// The size both have always had, in dialog units of their font.
inline constexpr QSize kReadingParametersSize(200, 128);

enum ReadingParametersId : int {
    kReadingStepEdit = 1025,
    kReadingSpeedEdit = 1026,
    kReadingBorderCheck = 1027,
    kReadingCentreCheck = 1028,
};

enum class ReadingParametersButtons { None, OkCancel };

// Creates the controls on the host and lays them out, labels included: the two
// number rows with their units, a rule, the two check boxes side by side and,
// when asked for, OK and Cancel centred at the bottom. The buttons are not
// connected to anything.
ReadingParametersControls BuildReadingParameters(QWidget &host, ReadingParametersButtons buttons);
