#include "desktop/MakeSole.h"

#include "desktop/DesktopDevice.h"
#include "desktop/DesktopStaging.h"
#include "display/ModeRequest.h"
#include "framework/MessageBox.h"

namespace {
// The target moves to the origin as primary, with the requested values the mask names.
DWORD PrepareSole(DEVMODEW& mode, DWORD fieldMask, DWORD width, DWORD height, uint64_t colours, DWORD frequency) {
    mode.dmPosition.x = 0;
    mode.dmPosition.y = 0;
    ApplyRequestedFields(mode, fieldMask, width, height, colours, frequency);
    return CDS_UPDATEREGISTRY | CDS_NORESET | CDS_SET_PRIMARY;
}

// A size of 0 by 0 detaches a device from the desktop.
DWORD PrepareDetach(DEVMODEW& mode) {
    mode.dmPelsWidth = 0;
    mode.dmPelsHeight = 0;
    mode.dmFields |= DM_PELSWIDTH | DM_PELSHEIGHT;
    return CDS_UPDATEREGISTRY | CDS_NORESET;
}
}  // namespace

void MakeSole(IDisplaySettings& display, IMessageBox& messages, const std::wstring& deviceName, DWORD fieldMask,
              DWORD width, DWORD height, uint64_t colours, DWORD frequency, bool quiet) {
    std::vector<DesktopDevice> devices = CollectDesktopDevices(display, DesktopCollection::AllButMirroring);
    const DesktopDevice* target = FindDesktopDevice(devices, deviceName);
    if (target == nullptr) {
        messages.Show(L"The selected device is not currently in the set of displays used in your desktop. You need "
                      L"to make this display part of your desktop before it can be made the primary device of the "
                      L"desktop.",
                      MB_OK);
        return;
    }
    if (target->StateFlags & DISPLAY_DEVICE_REMOVABLE) {
        if (!quiet) messages.Show(L"The device is removable. It can't be made the sole monitor", MB_OK);
        return;
    }
    auto prepare = [&](DesktopDevice& device) -> DWORD {
        device.Mode.dmFields = DM_POSITION;
        const DWORD flags = &device == target ? PrepareSole(device.Mode, fieldMask, width, height, colours, frequency)
                                              : PrepareDetach(device.Mode);
        KeepNonDefaultFrequency(device.Mode);
        return flags;
    };
    StageAndCommit(display, messages, devices, prepare, L"Your single primary device has been changed", quiet);
}
