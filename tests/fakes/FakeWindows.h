// Scripted top-level and child windows: their thread, parent, visibility, styles, texts, zoom
// state and life, the foreground window, and a record of what the code asked.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "app/WindowServices.h"
#include "fakes/CallJournal.h"

struct FakeWindow {
    HWND handle = nullptr;
    HWND parent = nullptr;
    bool visible = true;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    std::wstring title;
    std::wstring className = L"FakeWindowClass";
    DWORD thread = 0;
    bool zoomed = false;
    bool alive = true;
};

inline HWND FakeHandle(uintptr_t value) { return reinterpret_cast<HWND>(value); }

class FakeWindows : public IWindowServices {
public:
    std::deque<FakeWindow> windows;  // references stay valid as windows are added
    HWND foreground = nullptr;
    CallJournal* journal = nullptr;

    int enumerations = 0;
    int findCalls = 0;
    std::vector<std::pair<HWND, int>> shows;  // ShowWindow calls with their commands
    std::vector<int> textCapacities;          // capacities GetWindowTextW was given
    std::vector<int> classCapacities;         // capacities GetClassNameW was given

    // Adds a window with handle 0x100, 0x200, ... on the given thread.
    FakeWindow& Add(DWORD thread, const std::wstring& title = L"Window");
    FakeWindow& Get(HWND handle);
    // Brings the window to the front as the user would, maximized or not.
    void Activate(HWND handle, bool zoomed);
    void Destroy(HWND handle);

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

private:
    FakeWindow* Find(HWND handle);
};
