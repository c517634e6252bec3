#include "app/WindowServices.h"

namespace {
BOOL CALLBACK VisitWindow(HWND window, LPARAM visit) {
    (*reinterpret_cast<const std::function<void(HWND)>*>(visit))(window);
    return TRUE;
}
}  // namespace

void Win32WindowServices::EnumThreadWindows(DWORD threadId, const std::function<void(HWND)>& visit) {
    ::EnumThreadWindows(threadId, VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

HWND Win32WindowServices::GetParent(HWND window) { return ::GetParent(window); }

bool Win32WindowServices::IsVisible(HWND window) { return IsWindowVisible(window) != FALSE; }

LONG Win32WindowServices::WindowLong(HWND window, int index) { return GetWindowLongW(window, index); }

int Win32WindowServices::WindowText(HWND window, wchar_t* text, int capacity) {
    return GetWindowTextW(window, text, capacity);
}

int Win32WindowServices::ClassName(HWND window, wchar_t* text, int capacity) {
    return GetClassNameW(window, text, capacity);
}

HWND Win32WindowServices::ForegroundWindow() { return GetForegroundWindow(); }

bool Win32WindowServices::IsZoomed(HWND window) { return ::IsZoomed(window) != FALSE; }

bool Win32WindowServices::ShowWindow(HWND window, int command) { return ::ShowWindow(window, command) != FALSE; }

bool Win32WindowServices::IsWindow(HWND window) { return ::IsWindow(window) != FALSE; }

HWND Win32WindowServices::FindWindowMatching(HWND parent, HWND after, const wchar_t* className, const wchar_t* title) {
    return ::FindWindowExW(parent, after, className, title);
}
