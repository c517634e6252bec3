#include "display/DisplayRecords.h"

#include "display/DisplaySettings.h"

static_assert(sizeof(DEVMODEW) == 220, "the mode record is 220 bytes");
static_assert(sizeof(DISPLAY_DEVICEW) == 840, "the device record is 840 bytes");

DEVMODEW PreparedDevMode() {
    DEVMODEW mode{};
    mode.dmSize = sizeof(DEVMODEW);
    mode.dmDriverExtra = 0;
    return mode;
}

DISPLAY_DEVICEW PreparedDisplayDevice() {
    DISPLAY_DEVICEW record{};
    record.cb = sizeof(DISPLAY_DEVICEW);
    return record;
}

DWORD BitsPerPixelFromColourCount(uint64_t colourCount) {
    if (colourCount == 0) return 0;
    DWORD bitsPerPixel = 0;
    while ((colourCount & 1) == 0) {
        colourCount >>= 1;
        ++bitsPerPixel;
    }
    return bitsPerPixel;
}

bool GetCurrentOrientation(IDisplaySettings& display, const wchar_t* deviceName, DWORD& orientation) {
    DEVMODEW mode = PreparedDevMode();
    if (!display.EnumSettings(deviceName, ENUM_CURRENT_SETTINGS, mode)) return false;
    orientation = mode.dmDisplayOrientation;
    return (mode.dmFields & DM_DISPLAYORIENTATION) != 0;
}
