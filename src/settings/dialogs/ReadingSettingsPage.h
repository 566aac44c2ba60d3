#pragma once

#include "settings/dialogs/ReadModeSettings.h"

#include <QWidget>

class NumberEdit;
class QCheckBox;

// The sheet's "自动浏览参数" page, laid out like the reading parameters
// dialog. Its controls are made and filled from the settings file the first
// time the page is shown, and keep the user's edits until the sheet closes.
class ReadingSettingsPage : public QWidget {
public:
    enum ControlId { kStepEdit = 1025, kSpeedEdit = 1026, kBorderCheck = 1027, kCentreCheck = 1028 };

    explicit ReadingSettingsPage(QWidget *parent = nullptr);

    // Whether the page has been shown (its controls exist).
    bool IsCreated() const { return created_; }
    // The values read when the page was first shown.
    const ReadModeSettings &Kept() const { return kept_; }
    // Writes the controls' state to "Read Mode"; nothing before the page exists.
    void SaveReadSettings() const;

    NumberEdit *StepEdit() const { return step_; }
    NumberEdit *SpeedEdit() const { return speed_; }
    QCheckBox *BorderCheck() const { return border_; }
    QCheckBox *CentreCheck() const { return centre_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Create();

    bool created_ = false;
    ReadModeSettings kept_;
    NumberEdit *step_ = nullptr;
    NumberEdit *speed_ = nullptr;
    QCheckBox *border_ = nullptr;
    QCheckBox *centre_ = nullptr;
};
