#include "dialog/ColumnWidths.h"

namespace {
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_hWnd(window), m_hDC(GetDC(window)) {}
    ~WindowDC() {
        if (m_hDC != nullptr) ReleaseDC(m_hWnd, m_hDC);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};
}  // namespace

int AverageCharWidth(HWND window) {
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    WindowDC dc(window);
    SIZE extent{};
    if (GetTextExtentPoint32W(dc.Get(), kLetters, 52, &extent)) return AverageWidthFromExtent(extent.cx);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    return metrics.tmAveCharWidth;
}
