#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

// The program's message boxes: no owner window, the program's name (string
// 128) as caption, the information icon and the buttons the message names.

// The box, ready to run; for callers that must look at it before it runs.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString &text, QMessageBox::StandardButtons buttons);

// Shows the string with the id modally and returns the button pressed.
QMessageBox::StandardButton ShowMessageBox(int stringId, QMessageBox::StandardButtons buttons);
