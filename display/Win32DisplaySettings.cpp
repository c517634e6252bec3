#include "display/DisplaySettings.h"

bool Win32DisplaySettings::EnumDevices(const wchar_t* device, DWORD index, DISPLAY_DEVICEW& record, DWORD flags) {
    return EnumDisplayDevicesW(device, index, &record, flags) != FALSE;
}

bool Win32DisplaySettings::EnumSettings(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode) {
    return EnumDisplaySettingsW(device, modeNumber, &mode) != FALSE;
}

bool Win32DisplaySettings::EnumSettingsEx(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode, DWORD flags) {
    return EnumDisplaySettingsExW(device, modeNumber, &mode, flags) != FALSE;
}

LONG Win32DisplaySettings::ChangeSettingsEx(const wchar_t* device, DEVMODEW* mode, DWORD flags) {
    return ChangeDisplaySettingsExW(device, mode, nullptr, flags, nullptr);
}

LONG Win32DisplaySettings::ChangeSettings(DEVMODEW* mode, DWORD flags) { return ChangeDisplaySettingsW(mode, flags); }
