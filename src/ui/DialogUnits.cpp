#include "ui/DialogUnits.h"

#include <QFontMetrics>

#include <algorithm>
#include <limits>

namespace {

// a * b / c rounded half away from zero, computed in 64 bits.
int MulDivRounded(int a, int b, int c)
{
    if (c == 0)
        return 0;
    long long num = static_cast<long long>(a) * b;
    long long den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const long long q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
    // A template can ask for more pixels than an int holds; saturate.
    return static_cast<int>(std::clamp<long long>(q, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

DialogBaseUnits DialogBaseUnitsOf(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int DialogXToPixels(int units, const DialogBaseUnits &base) { return MulDivRounded(units, base.averageCharWidth, 4); }
int DialogYToPixels(int units, const DialogBaseUnits &base) { return MulDivRounded(units, base.charHeight, 8); }

QSize DialogSizeToPixels(const QSize &units, const DialogBaseUnits &base)
{
    return {DialogXToPixels(units.width(), base), DialogYToPixels(units.height(), base)};
}

QRect DialogRectToPixels(const QRect &units, const DialogBaseUnits &base)
{
    return {DialogXToPixels(units.x(), base), DialogYToPixels(units.y(), base), DialogXToPixels(units.width(), base),
            DialogYToPixels(units.height(), base)};
}
