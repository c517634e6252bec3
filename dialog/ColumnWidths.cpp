#include "dialog/ColumnWidths.h"

#include "framework/WindowDC.h"

int AverageCharWidth(HWND window) {
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    WindowDC dc(window);
    SIZE extent{};
    if (GetTextExtentPoint32W(dc.Get(), kLetters, 52, &extent)) return AverageWidthFromExtent(extent.cx);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    return metrics.tmAveCharWidth;
}
