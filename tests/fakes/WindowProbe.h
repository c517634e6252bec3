// Whether this test run can create windows at all (Wine without an X display cannot).
#pragma once
#include <windows.h>

inline bool CanCreateWindows() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (probe == nullptr) return false;
    DestroyWindow(probe);
    return true;
}
