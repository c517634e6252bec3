// The whole screen's capabilities, which stand in for a device whose mode cannot be read.
#pragma once
#include <windows.h>

struct ScreenMode {
    DWORD width;
    DWORD height;
    DWORD bitsPerPixel;
    DWORD frequency;
};

class IScreenCaps {
public:
    virtual ~IScreenCaps() = default;
    // HORZRES, VERTRES, BITSPIXEL and VREFRESH of the screen's device context.
    virtual ScreenMode Read() = 0;
};

class Win32ScreenCaps : public IScreenCaps {
public:
    ScreenMode Read() override;
};
