// The device list's contents: one entry per listed adapter in enumeration order, each owning its
// DeviceEntry, and the entry to select at start. Window-free: the dialog puts it on screen.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "display/DisplayRecords.h"

class IDisplaySettings;

struct DeviceListItem {
    std::wstring text;                   // the adapter's device name
    std::unique_ptr<DeviceEntry> entry;  // none when it could not be made, or for the empty entry
};

class DeviceList {
public:
    // Enumerates the adapters, skipping mirroring drivers (their index still counts), with the
    // monitors of each joined by "; ". With no adapter at all the list holds one empty entry.
    static DeviceList Build(IDisplaySettings& display);

    std::vector<DeviceListItem> items;
    size_t selected = 0;        // the primary adapter's entry, else the first
    bool adapterFound = false;  // at least one adapter was enumerated

    // Frees every entry's DeviceEntry, first to last; the number freed. A second call frees nothing.
    size_t Release();
};

struct DeviceLabels {
    std::wstring description;  // static 1011
    std::wstring number;       // static 1037
    std::wstring monitors;     // static 1042
};
DeviceLabels LabelsFor(const DeviceEntry& entry);

// The device list, Make Primary and Make Sole start enabled only with a choice to make.
inline bool DeviceChoiceEnabled(size_t entryCount) { return entryCount > 1; }

// After a refresh, Make Primary and Make Sole are enabled unless the adapter is removable.
inline bool DesktopButtonsEnabled(const DeviceEntry& entry) {
    return (entry.device.StateFlags & DISPLAY_DEVICE_REMOVABLE) == 0;
}
