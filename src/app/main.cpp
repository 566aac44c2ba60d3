// Vellora: compiles and reads picture books.

#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "document/AppDirectories.h"
#include "ui/QuietQtMessages.h"
#include "ui/ToolBarResource.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    SilenceQtMessages();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellora"));
    QApplication::setWindowIcon(NamedIcon(QStringLiteral("vellora.svg")));
    InstallQtChineseTranslation();
    InitialiseDirectoriesFromEnvironment();

    const std::unique_ptr<MainWindow> frame = CreateMainWindow();
    frame->show();
    // After the window is up, so that a book that does not open is reported
    // over the program, which then stays with its new, empty book.
    OpenBookFromArguments(*frame, QCoreApplication::arguments().mid(1));
    // A normal exit is 0 here: launchers and scripts read anything else as a
    // failure.
    return QApplication::exec() == 0 ? 0 : 1;
}
