// The window queries and commands the run and the foreground watcher use, behind a seam so
// tests script the windows of a launched program.
#pragma once
#include <windows.h>

#include <functional>

class IWindowServices {
public:
    virtual ~IWindowServices() = default;
    // EnumThreadWindows: visit is called for every window the platform reports, in its order.
    virtual void EnumThreadWindows(DWORD threadId, const std::function<void(HWND)>& visit) = 0;
    virtual HWND GetParent(HWND window) = 0;
    // IsWindowVisible.
    virtual bool IsVisible(HWND window) = 0;
    // GetWindowLongW with GWL_STYLE or GWL_EXSTYLE.
    virtual LONG WindowLong(HWND window, int index) = 0;
    // GetWindowTextW and GetClassNameW: at most capacity - 1 characters and a terminating zero are
    // written to text; the result is the number of characters written.
    virtual int WindowText(HWND window, wchar_t* text, int capacity) = 0;
    virtual int ClassName(HWND window, wchar_t* text, int capacity) = 0;
    // GetForegroundWindow.
    virtual HWND ForegroundWindow() = 0;
    virtual bool IsZoomed(HWND window) = 0;
    virtual bool ShowWindow(HWND window, int command) = 0;
    virtual bool IsWindow(HWND window) = 0;
    // FindWindowExW; a null class or title matches any.
    virtual HWND FindWindowMatching(HWND parent, HWND after, const wchar_t* className, const wchar_t* title) = 0;
};

class Win32WindowServices : public IWindowServices {
public:
    void EnumThreadWindows(DWORD threadId, const std::function<void(HWND)>& visit) override;
    HWND GetParent(HWND window) override;
    bool IsVisible(HWND window) override;
    LONG WindowLong(HWND window, int index) override;
    int WindowText(HWND window, wchar_t* text, int capacity) override;
    int ClassName(HWND window, wchar_t* text, int capacity) override;
    HWND ForegroundWindow() override;
    bool IsZoomed(HWND window) override;
    bool ShowWindow(HWND window, int command) override;
    bool IsWindow(HWND window) override;
    HWND FindWindowMatching(HWND parent, HWND after, const wchar_t* className, const wchar_t* title) override;
};
