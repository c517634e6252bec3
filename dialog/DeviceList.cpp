#include "dialog/DeviceList.h"

#include <new>

#include "display/DisplaySettings.h"
#include "framework/Strings.h"

namespace {
std::wstring MonitorNames(IDisplaySettings& display, const wchar_t* adapterName) {
    std::wstring names;
    DISPLAY_DEVICEW monitor = PreparedDisplayDevice();
    for (DWORD index = 0; display.EnumDevices(adapterName, index, monitor, EDD_GET_DEVICE_INTERFACE_NAME); ++index) {
        if (index > 0) names += L"; ";
        names += FieldText(monitor.DeviceString);
        monitor = PreparedDisplayDevice();
    }
    return names;
}

std::unique_ptr<DeviceEntry> MakeEntry(const DISPLAY_DEVICEW& adapter, int number, std::wstring monitors) {
    try {
        return std::unique_ptr<DeviceEntry>(new DeviceEntry{adapter, number, std::move(monitors)});
    } catch (const std::bad_alloc&) {
        // The entry stays in the list without its record.
        return nullptr;
    }
}
}  // namespace

DeviceList DeviceList::Build(IDisplaySettings& display) {
    DeviceList list;
    DISPLAY_DEVICEW adapter = PreparedDisplayDevice();
    for (DWORD index = 0; display.EnumDevices(nullptr, index, adapter, 0); ++index) {
        list.adapterFound = true;
        if ((adapter.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER) == 0) {
            const std::wstring name = FieldText(adapter.DeviceName);
            std::wstring monitors = MonitorNames(display, name.c_str());
            if (adapter.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) list.selected = list.items.size();
            list.items.push_back({name, MakeEntry(adapter, static_cast<int>(index), std::move(monitors))});
        }
        adapter = PreparedDisplayDevice();
    }
    if (!list.adapterFound) list.items.push_back({std::wstring(), nullptr});
    return list;
}

size_t DeviceList::Release() {
    size_t freed = 0;
    for (DeviceListItem& item : items) {
        if (item.entry) ++freed;
        item.entry.reset();
    }
    return freed;
}

DeviceLabels LabelsFor(const DeviceEntry& entry) {
    return {FieldText(entry.device.DeviceString), SignedText(entry.deviceNumber), entry.monitorNames};
}
