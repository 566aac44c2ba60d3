#include "app/StartUp.h"

#include "app/MainFrame.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int kStartWidth = 380;
constexpr int kStartHeight = 265;
} // namespace

std::unique_ptr<CMainFrame> CreateMainFrame()
{
    auto frame = std::make_unique<CMainFrame>();
    frame->resize(kStartWidth, kStartHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        frame->move(area.center() - frame->rect().center());
    }
    return frame;
}
