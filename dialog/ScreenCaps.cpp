#include "dialog/ScreenCaps.h"

namespace {
class ScreenDC {
public:
    ScreenDC() : m_hDC(GetDC(nullptr)) {}
    ~ScreenDC() {
        if (m_hDC != nullptr) ReleaseDC(nullptr, m_hDC);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    DWORD Caps(int index) const { return static_cast<DWORD>(GetDeviceCaps(m_hDC, index)); }

private:
    HDC m_hDC;
};
}  // namespace

ScreenMode Win32ScreenCaps::Read() {
    ScreenDC screen;
    return {screen.Caps(HORZRES), screen.Caps(VERTRES), screen.Caps(BITSPIXEL), screen.Caps(VREFRESH)};
}
