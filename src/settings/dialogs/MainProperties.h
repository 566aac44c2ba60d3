#pragma once

#include <QDialog>

class CPathPage;
class CReadPage;
class QTabWidget;

// The settings sheet "修改程序配置": the read page, then the path page, with
// OK and Cancel. OK writes each page that has been shown; Cancel, Escape and
// the close box write nothing.
class CMainProperties : public QDialog {
public:
    explicit CMainProperties(QWidget *owner = nullptr);

    CReadPage *ReadPage() const { return readPage_; }
    CPathPage *PathPage() const { return pathPage_; }
    QTabWidget *Tabs() const { return tabs_; }

    void accept() override;

private:
    QTabWidget *tabs_ = nullptr;
    CReadPage *readPage_ = nullptr;
    CPathPage *pathPage_ = nullptr;
};

// Runs the sheet modally over the active window.
void ShowSettingsDialog();
