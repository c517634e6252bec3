#include "Displays.h"

#include <windows.h>

#include "JsonLine.h"

namespace {

DEVMODEW EmptyMode() {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    return mode;
}

const wchar_t* DeviceOrNull(const std::wstring& device) { return device.empty() ? nullptr : device.c_str(); }

void AddMode(JsonLine& line, const DEVMODEW& mode) {
    line.Add("width", static_cast<std::int64_t>(mode.dmPelsWidth))
        .Add("height", static_cast<std::int64_t>(mode.dmPelsHeight))
        .Add("bpp", static_cast<std::int64_t>(mode.dmBitsPerPel))
        .Add("frequency", static_cast<std::int64_t>(mode.dmDisplayFrequency))
        .Add("orientation", static_cast<std::int64_t>(mode.dmDisplayOrientation))
        .Add("x", static_cast<std::int64_t>(mode.dmPosition.x))
        .Add("y", static_cast<std::int64_t>(mode.dmPosition.y))
        .Add("fields", static_cast<std::int64_t>(mode.dmFields));
}

int CountModes(const std::wstring& device) {
    int count = 0;
    DEVMODEW mode = EmptyMode();
    while (EnumDisplaySettingsW(DeviceOrNull(device), static_cast<DWORD>(count), &mode)) {
        ++count;
        mode = EmptyMode();
    }
    return count;
}

}  // namespace

int PrintDisplays() {
    DISPLAY_DEVICEW adapter{};
    adapter.cb = sizeof(adapter);
    for (DWORD index = 0; EnumDisplayDevicesW(nullptr, index, &adapter, 0); ++index) {
        const std::wstring name = adapter.DeviceName;
        DISPLAY_DEVICEW monitor{};
        monitor.cb = sizeof(monitor);
        std::vector<std::wstring> monitors;
        for (DWORD m = 0; EnumDisplayDevicesW(name.c_str(), m, &monitor, 0); ++m) {
            monitors.push_back(monitor.DeviceString);
            monitor = DISPLAY_DEVICEW{};
            monitor.cb = sizeof(monitor);
        }
        JsonLine line;
        line.Add("index", static_cast<std::int64_t>(index))
            .Add("name", name)
            .Add("description", std::wstring(adapter.DeviceString))
            .Add("stateFlags", static_cast<std::int64_t>(adapter.StateFlags))
            .Add("monitors", monitors)
            .Add("modeCount", static_cast<std::int64_t>(CountModes(name)));
        DEVMODEW current = EmptyMode();
        line.Add("hasCurrent", EnumDisplaySettingsW(name.c_str(), ENUM_CURRENT_SETTINGS, &current) != FALSE);
        AddMode(line, current);
        // The stored mode, which changes made with CDS_UPDATEREGISTRY write.
        DEVMODEW stored = EmptyMode();
        const bool hasStored = EnumDisplaySettingsW(name.c_str(), ENUM_REGISTRY_SETTINGS, &stored) != FALSE;
        line.Add("hasStored", hasStored)
            .Add("storedWidth", static_cast<std::int64_t>(stored.dmPelsWidth))
            .Add("storedHeight", static_cast<std::int64_t>(stored.dmPelsHeight))
            .Add("storedFrequency", static_cast<std::int64_t>(stored.dmDisplayFrequency))
            .Add("storedX", static_cast<std::int64_t>(stored.dmPosition.x))
            .Add("storedY", static_cast<std::int64_t>(stored.dmPosition.y));
        line.Print();
        adapter = DISPLAY_DEVICEW{};
        adapter.cb = sizeof(adapter);
    }
    return 0;
}

int PrintModes(const std::wstring& device) {
    DEVMODEW mode = EmptyMode();
    for (DWORD index = 0; EnumDisplaySettingsW(DeviceOrNull(device), index, &mode); ++index) {
        JsonLine line;
        line.Add("index", static_cast<std::int64_t>(index));
        AddMode(line, mode);
        line.Print();
        mode = EmptyMode();
    }
    return 0;
}

int ChangeMode(const std::wstring& device, DWORD width, DWORD height, DWORD frequency, DWORD flags,
               const POINTL* position) {
    DEVMODEW mode = EmptyMode();
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    if (frequency != 0) {
        mode.dmDisplayFrequency = frequency;
        mode.dmFields |= DM_DISPLAYFREQUENCY;
    }
    if (position != nullptr) {
        mode.dmPosition = *position;
        mode.dmFields |= DM_POSITION;
    }
    const LONG result = ChangeDisplaySettingsExW(DeviceOrNull(device), &mode, nullptr, flags, nullptr);
    JsonLine().Add("result", static_cast<std::int64_t>(result)).Print();
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}
