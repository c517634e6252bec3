#include "desktop/DesktopStaging.h"

#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"

namespace {
// Each staged change is recorded twice on purpose; the second result is the one that counts.
LONG StageTwice(IDisplaySettings& display, DesktopDevice& device, DWORD flags) {
    LONG result = display.ChangeSettingsEx(device.DeviceName.c_str(), &device.Mode, flags);
    if (result == DISP_CHANGE_SUCCESSFUL) {
        result = display.ChangeSettingsEx(device.DeviceName.c_str(), &device.Mode, flags);
    }
    return result;
}
}  // namespace

void KeepNonDefaultFrequency(DEVMODEW& mode) {
    if (!IsHardwareDefaultFrequency(mode.dmDisplayFrequency)) mode.dmFields |= DM_DISPLAYFREQUENCY;
}

void StageAndCommit(IDisplaySettings& display, IMessageBox& messages, std::vector<DesktopDevice>& devices,
                    const PrepareStage& prepare, const std::wstring& successText, bool quiet) {
    for (DesktopDevice& device : devices) {
        const DWORD flags = prepare(device);
        const LONG result = StageTwice(display, device, flags);
        if (result != DISP_CHANGE_SUCCESSFUL) {
            // Built piece by piece: a device name is shown as it is, never read as a format.
            messages.Show(L"Failed to ChangeDisplaySettingsEx for device '" + device.DeviceName + L"'. Error: " +
                              SignedText(result),
                          MB_OK);
            return;
        }
    }
    if (display.ChangeSettings(nullptr, 0) != DISP_CHANGE_SUCCESSFUL) {
        messages.Show(L"Failed to ChangeDisplaySettings for set", MB_OK);
    } else if (!quiet) {
        messages.Show(successText, MB_OK);
    }
}
