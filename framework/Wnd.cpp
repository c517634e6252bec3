#include "framework/Wnd.h"

std::wstring CWnd::GetWindowText() const {
    // The length can only be asked for, not reserved: read until the text fits.
    int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(m_hWnd, &text[0], static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}
