// The display settings service: the five operations every mode change goes through.
// A null device name addresses the default display device.
#pragma once
#include <windows.h>

#include <string>

class IDisplaySettings {
public:
    virtual ~IDisplaySettings() = default;
    // EnumDisplayDevicesW: adapters (no name, flags 0) or an adapter's monitors
    // (its name, EDD_GET_DEVICE_INTERFACE_NAME). True while the index is in range.
    virtual bool EnumDevices(const wchar_t* device, DWORD index, DISPLAY_DEVICEW& record, DWORD flags) = 0;
    // EnumDisplaySettingsW: ENUM_CURRENT_SETTINGS, ENUM_REGISTRY_SETTINGS or a mode number.
    virtual bool EnumSettings(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode) = 0;
    // EnumDisplaySettingsExW with flags such as EDS_RAWMODE.
    virtual bool EnumSettingsEx(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode, DWORD flags) = 0;
    // ChangeDisplaySettingsExW (no window, no extra parameter).
    virtual LONG ChangeSettingsEx(const wchar_t* device, DEVMODEW* mode, DWORD flags) = 0;
    // ChangeDisplaySettingsW: with no record it commits the changes staged with CDS_NORESET.
    virtual LONG ChangeSettings(DEVMODEW* mode, DWORD flags) = 0;
};

class Win32DisplaySettings : public IDisplaySettings {
public:
    bool EnumDevices(const wchar_t* device, DWORD index, DISPLAY_DEVICEW& record, DWORD flags) override;
    bool EnumSettings(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode) override;
    bool EnumSettingsEx(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode, DWORD flags) override;
    LONG ChangeSettingsEx(const wchar_t* device, DEVMODEW* mode, DWORD flags) override;
    LONG ChangeSettings(DEVMODEW* mode, DWORD flags) override;
};

// The device argument for a device name, where an empty name stands for the default display device.
inline const wchar_t* DeviceOrNone(const std::wstring& deviceName) {
    return deviceName.empty() ? nullptr : deviceName.c_str();
}

// The change flags of the Change Permanent and Change Globally choices: storing for all users
// only counts when storing at all.
inline DWORD SwitchChangeFlags(bool changePermanent, bool changeGlobally) {
    if (!changePermanent) return 0;
    return changeGlobally ? CDS_UPDATEREGISTRY | CDS_GLOBAL : CDS_UPDATEREGISTRY;
}
