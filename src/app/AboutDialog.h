#pragma once

#include <QDialog>

// The about box: the program's name, description, icon and contact address,
// in a group box above a centred OK button. OK (the default button), Enter and Escape
// close it; it opens centred over its owner.
class AboutDialog : public QDialog {
public:
    explicit AboutDialog(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;
};
