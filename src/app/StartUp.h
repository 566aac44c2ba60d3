#pragma once

#include <QStringList>
#include <memory>

class MainWindow;

// The main frame as the program starts it: 380 x 265 pixels, centred on the
// screen, not yet shown. The application directories must be known.
std::unique_ptr<MainWindow> CreateMainWindow();

// A book named on the command line (a file manager passes the one that was
// double-clicked) opens as File > Open would open it; only the first
// argument counts. `arguments` are those after the program's name.
void OpenBookFromArguments(MainWindow &frame, const QStringList &arguments);

// Qt's own texts (file, colour and font dialogs, the text editors' context
// menus, standard buttons) in Simplified Chinese, as the rest of the program.
// False when the translation is not installed; those texts stay English then.
bool InstallQtChineseTranslation();
