// A window's device context, released with its owner; a null window gives the whole screen's.
#pragma once
#include <windows.h>

#include "framework/ScopedHandle.h"

struct WindowDCCloser {
    using Handle = HDC;
    static bool Holds(HDC dc) { return dc != nullptr; }
    void operator()(HDC dc) const { ReleaseDC(window, dc); }
    HWND window;
};

class WindowDC : public ScopedHandle<WindowDCCloser> {
public:
    explicit WindowDC(HWND window) : ScopedHandle(GetDC(window), WindowDCCloser{window}) {}
};
