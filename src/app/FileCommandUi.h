#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Everything the file commands ask of the user or show to them. The program
// runs the real dialogs (QtFileCommandUi); a test answers as a user would.
class FileCommandUi {
public:
    virtual ~FileCommandUi() = default;
    // The chosen file, or empty when the dialog was cancelled.
    virtual QString AskOpenPath() = 0;
    virtual QString AskSavePath() = 0;
    // A message box of the string with the id; the button pressed.
    virtual QMessageBox::StandardButton ShowMessage(int stringId, QMessageBox::StandardButtons buttons) = 0;
    virtual void Beep() = 0;
    // The wait cursor while a book is read or written.
    virtual void SetBusy(bool busy) = 0;
};

// The shipped dialogs: Qt's file dialogs with the book filters, modal to the
// active window, and the program's message boxes.
class QtFileCommandUi : public FileCommandUi {
public:
    QString AskOpenPath() override;
    QString AskSavePath() override;
    QMessageBox::StandardButton ShowMessage(int stringId, QMessageBox::StandardButtons buttons) override;
    void Beep() override;
    void SetBusy(bool busy) override;
};

// The file dialogs' filters: "Vellora (*.vlr)" first, then "All Files (*.*)".
QStringList BookFileFilters();
inline constexpr char kBookDefaultSuffix[] = "vlr";
