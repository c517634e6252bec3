// The thin window wrapper every dialog and control builds on: a handle plus one-line calls.
#pragma once
#include <windows.h>

#include <string>

class CWnd {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    explicit CWnd(HWND window) : m_hWnd(window) {}
    virtual ~CWnd() = default;

    void Attach(HWND window) { m_hWnd = window; }

    std::wstring GetWindowText() const;
    void EnableWindow(bool enable) const { ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam) != FALSE;
    }
};
