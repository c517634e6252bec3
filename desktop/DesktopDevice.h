// One display device as the desktop-arrangement operations see it, and how they gather them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class IDisplaySettings;

struct DesktopDevice {
    std::wstring DeviceName;  // as enumerated
    DEVMODEW Mode;            // the current mode; the staged change is written into this copy
    DWORD StateFlags;         // as enumerated
};

// Which devices an operation works on.
enum class DesktopCollection {
    // Attached to the desktop and with a readable current mode (make primary).
    AttachedAndReadable,
    // Every device but mirroring drivers, attached or not; an unreadable current mode leaves the
    // cleared record (make sole).
    AllButMirroring,
};

// Enumerates the adapters afresh, in enumeration order.
std::vector<DesktopDevice> CollectDesktopDevices(IDisplaySettings& display, DesktopCollection rule);

// The first device whose name equals deviceName exactly (letter case counts); null when none.
DesktopDevice* FindDesktopDevice(std::vector<DesktopDevice>& devices, const std::wstring& deviceName);
