#include "desktop/DesktopDevice.h"

#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"

std::vector<DesktopDevice> CollectDesktopDevices(IDisplaySettings& display, DesktopCollection rule) {
    std::vector<DesktopDevice> devices;
    for (DWORD index = 0;; ++index) {
        DISPLAY_DEVICEW record = PreparedDisplayDevice();
        if (!display.EnumDevices(nullptr, index, record, 0)) break;
        const std::wstring name = FieldText(record.DeviceName);
        DesktopDevice device{name, PreparedDevMode(), record.StateFlags};
        if (rule == DesktopCollection::AttachedAndReadable) {
            if ((record.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) == 0) continue;
            if (!display.EnumSettings(name.c_str(), ENUM_CURRENT_SETTINGS, device.Mode)) continue;
        } else {
            if (record.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER) continue;
            // A device without current settings is still staged, from the cleared record; a failed
            // read must not leave half-written fields behind.
            if (!display.EnumSettings(name.c_str(), ENUM_CURRENT_SETTINGS, device.Mode))
                device.Mode = PreparedDevMode();
        }
        devices.push_back(device);
    }
    return devices;
}

DesktopDevice* FindDesktopDevice(std::vector<DesktopDevice>& devices, const std::wstring& deviceName) {
    for (DesktopDevice& device : devices) {
        if (device.DeviceName == deviceName) return &device;
    }
    return nullptr;
}
