#pragma once

#include <QDialog>

// The about box: the program's name, description, icon and contact address,
// laid out by dialog template 100. OK (the default button), Enter and Escape
// close it; it opens centred over its owner.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget *owner);

protected:
    void showEvent(QShowEvent *event) override;
};
