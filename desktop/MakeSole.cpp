#include "desktop/MakeSole.h"

#include "desktop/DesktopDevice.h"
#include "desktop/DesktopStaging.h"
#include "display/ModeRequest.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {
// The target moves to the origin as primary, with the requested values the mask names.
DWORD PrepareSole(DEVMODEW& mode, DWORD fieldMask, DWORD width, DWORD height, uint64_t colourCount, DWORD frequency) {
    mode.dmPosition.x = 0;
    mode.dmPosition.y = 0;
    ApplyRequestedFields(mode, fieldMask, width, height, colourCount, frequency);
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
              DWORD width, DWORD height, uint64_t colourCount, DWORD frequency, bool quiet) {
    std::vector<DesktopDevice> devices = CollectDesktopDevices(display, DesktopCollection::AllButMirroring);
    const DesktopDevice* target = FindDesktopDevice(devices, deviceName);
    if (target == nullptr) {
        messages.Show(LoadResString(IDS_SOLE_NOT_IN_DESKTOP), MB_OK);
        return;
    }
    if (target->StateFlags & DISPLAY_DEVICE_REMOVABLE) {
        if (!quiet) messages.Show(LoadResString(IDS_SOLE_REMOVABLE), MB_OK);
        return;
    }
    auto prepare = [&](DesktopDevice& device) -> DWORD {
        device.Mode.dmFields = DM_POSITION;
        const DWORD flags = &device == target
                                ? PrepareSole(device.Mode, fieldMask, width, height, colourCount, frequency)
                                : PrepareDetach(device.Mode);
        KeepNonDefaultFrequency(device.Mode);
        return flags;
    };
    StageAndCommit(display, messages, devices, prepare, LoadResString(IDS_SOLE_CHANGED), quiet);
}
