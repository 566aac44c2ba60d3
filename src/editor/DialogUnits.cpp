#include "editor/DialogUnits.h"

#include <QFontMetrics>

namespace {
int Scale(int units, int base, int divisor)
{
    return static_cast<int>((static_cast<qint64>(units) * base * 2 + divisor) / (2 * divisor));
}
} // namespace

QRect DialogUnitsToPixels(const QRect &units, const QFont &font)
{
    const QFontMetrics metrics(font);
    const int baseX = metrics.averageCharWidth();
    const int baseY = metrics.height();
    return QRect(Scale(units.x(), baseX, 4), Scale(units.y(), baseY, 8), Scale(units.width(), baseX, 4),
                 Scale(units.height(), baseY, 8));
}
