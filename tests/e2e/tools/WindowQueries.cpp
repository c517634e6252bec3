#include "WindowQueries.h"

#include <cwchar>

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::wstring ClassName(HWND window) {
    std::wstring name(256, L'\0');
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    name.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return name;
}

}  // namespace

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    DWORD_PTR answer = 0;
    const LRESULT sent =
        SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer);
    if (result != nullptr) *result = static_cast<LRESULT>(answer);
    return sent != 0;
}

std::wstring WindowText(HWND window) {
    LRESULT length = 0;
    if (!SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied)) {
        return {};
    }
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

WindowFacts DescribeWindow(HWND window) {
    WindowFacts facts{};
    facts.window = window;
    facts.className = ClassName(window);
    facts.title = WindowText(window);
    GetWindowThreadProcessId(window, &facts.processId);
    facts.style = GetWindowLongW(window, GWL_STYLE);
    facts.id = (facts.style & WS_CHILD) ? GetDlgCtrlID(window) : 0;
    facts.visible = IsWindowVisible(window) != FALSE;
    facts.enabled = IsWindowEnabled(window) != FALSE;
    return facts;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND ParseWindow(const std::wstring& text) {
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::wcstoull(text.c_str(), nullptr, 0)));
}
