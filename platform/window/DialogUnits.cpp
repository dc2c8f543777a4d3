#include "DialogUnits.h"

#include <cstdint>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    return static_cast<int>(rounded);
}

CDialogBaseUnits BaseUnitsFromFontMetrics(int widthOf52Letters, int fontHeight)
{
    return CDialogBaseUnits{(widthOf52Letters / 26 + 1) / 2, fontHeight};
}

int DialogUnitsToPixelsX(int units, CDialogBaseUnits base)
{
    return MulDiv(units, base.m_cx, 4);
}

int DialogUnitsToPixelsY(int units, CDialogBaseUnits base)
{
    return MulDiv(units, base.m_cy, 8);
}

CRect DialogRectToPixels(int x, int y, int cx, int cy, CDialogBaseUnits base)
{
    const int left = DialogUnitsToPixelsX(x, base);
    const int top = DialogUnitsToPixelsY(y, base);
    return CRect{left, top, left + DialogUnitsToPixelsX(cx, base), top + DialogUnitsToPixelsY(cy, base)};
}
