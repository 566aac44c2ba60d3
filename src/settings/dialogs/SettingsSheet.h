#pragma once

#include <QDialog>

class PathSettingsPage;
class ReadingSettingsPage;
class QTabWidget;

// The settings sheet "修改程序配置": the read page, then the path page, with
// OK and Cancel. OK writes each page that has been shown; Cancel, Escape and
// the close box write nothing.
class SettingsSheet : public QDialog {
public:
    explicit SettingsSheet(QWidget *owner = nullptr);

    ReadingSettingsPage *ReadPage() const { return readPage_; }
    PathSettingsPage *PathPage() const { return pathPage_; }
    QTabWidget *Tabs() const { return tabs_; }

    void accept() override;

private:
    QTabWidget *tabs_ = nullptr;
    ReadingSettingsPage *readPage_ = nullptr;
    PathSettingsPage *pathPage_ = nullptr;
};

// Runs the sheet modally over the active window.
void ShowSettingsDialog();
