#include "app/StartUp.h"

#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

namespace {
constexpr int kStartWidth = 380;
constexpr int kStartHeight = 265;
} // namespace

std::unique_ptr<MainWindow> CreateMainWindow()
{
    auto frame = std::make_unique<MainWindow>();
    frame->resize(kStartWidth, kStartHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        frame->move(area.center() - frame->rect().center());
    }
    return frame;
}

void OpenBookFromArguments(MainWindow &frame, const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return;
    // The recent list and the caption hold full paths, as the open dialog
    // gives them, whatever folder the program was started from.
    frame.OpenBookFile(QFileInfo(arguments.first()).absoluteFilePath());
}

bool InstallQtChineseTranslation()
{
    // One translator for the whole run, owned by the application object.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
