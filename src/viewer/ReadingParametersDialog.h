#pragma once

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLineEdit;

// The reading parameters dialog: jump width, browse speed, border and
// centring. It only collects the texts; the reader decides what an accepted
// dialog changes, so a text that is no number can leave its value alone.
class ReadingParametersDialog : public QDialog {
public:
    enum ControlId { kStepEdit = 1025, kSpeedEdit = 1026, kBorderCheck = 1027, kCentreCheck = 1028 };

    explicit ReadingParametersDialog(QWidget *owner);

    void SetValues(std::int32_t step, std::int32_t speed, bool border, bool centre);
    QString StepText() const;
    QString SpeedText() const;
    bool BorderChecked() const;
    bool CentreChecked() const;

    QLineEdit *StepEdit() const { return step_; }
    QLineEdit *SpeedEdit() const { return speed_; }
    QCheckBox *BorderCheck() const { return border_; }
    QCheckBox *CentreCheck() const { return centre_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *step_ = nullptr;
    QLineEdit *speed_ = nullptr;
    QCheckBox *border_ = nullptr;
    QCheckBox *centre_ = nullptr;
};
