// Reading and pressing other processes' windows with the messages the system marshals itself.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Messages to another process wait at most this long, so a hung program cannot hang the tests.
constexpr UINT kSendTimeoutMs = 5000;

struct WindowFacts {
    HWND window;
    std::wstring className;
    std::wstring title;
    DWORD processId;
    int id;  // the control id; 0 for top-level windows
    bool visible;
    bool enabled;
    LONG style;
};

WindowFacts DescribeWindow(HWND window);
std::vector<HWND> TopLevelWindows();
std::vector<HWND> ChildWindows(HWND parent);
// The window's text through WM_GETTEXT, which also works for edit controls of other processes.
std::wstring WindowText(HWND window);
// Sends a message with the tool's timeout; false if the window did not answer in time.
bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// A window handle or number given on the command line ("0x1002a" or "65578").
HWND ParseWindow(const std::wstring& text);
