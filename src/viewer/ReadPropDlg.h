#pragma once

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLineEdit;

// The reading parameters dialog: jump width, browse speed, border and
// centring. It only collects the texts; the reader decides what an accepted
// dialog changes, so a text that is no number can leave its value alone.
class CReadPropDlg : public QDialog {
public:
    enum ControlId { kStepEdit = 1025, kSpeedEdit = 1026, kBorderCheck = 1027, kCentreCheck = 1028 };

    explicit CReadPropDlg(QWidget *owner);

    void SetValues(std::int32_t step, std::int32_t speed, bool border, bool centre);
    QString StepText() const;
    QString SpeedText() const;
    bool BorderChecked() const;
    bool CentreChecked() const;

    QLineEdit *StepEdit() const { return m_step; }
    QLineEdit *SpeedEdit() const { return m_speed; }
    QCheckBox *BorderCheck() const { return m_border; }
    QCheckBox *CentreCheck() const { return m_centre; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_step = nullptr;
    QLineEdit *m_speed = nullptr;
    QCheckBox *m_border = nullptr;
    QCheckBox *m_centre = nullptr;
};
