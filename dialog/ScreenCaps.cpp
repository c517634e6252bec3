#include "dialog/ScreenCaps.h"

#include "framework/WindowDC.h"

ScreenMode Win32ScreenCaps::Read() {
    const WindowDC screen(nullptr);
    const auto caps = [&screen](int index) { return static_cast<DWORD>(GetDeviceCaps(screen.Get(), index)); };
    return {caps(HORZRES), caps(VERTRES), caps(BITSPIXEL), caps(VREFRESH)};
}
