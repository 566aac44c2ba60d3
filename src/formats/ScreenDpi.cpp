#include "formats/ScreenDpi.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
QSize g_override;
constexpr QSize kFallbackDpi{96, 96};
} // namespace

QSize ScreenLogicalDpi()
{
    if (g_override.isValid() && !g_override.isEmpty())
        return g_override;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return kFallbackDpi;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return kFallbackDpi;
    const int x = int(std::lround(screen->logicalDotsPerInchX()));
    const int y = int(std::lround(screen->logicalDotsPerInchY()));
    if (x <= 0 || y <= 0)
        return kFallbackDpi;
    return {x, y};
}

void SetScreenLogicalDpi(QSize dpi) { g_override = dpi; }
