#include "desktop/DesktopStaging.h"

#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

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
            // The device name is inserted as it is; it is never read as a format.
            messages.Show(FormatResString(IDS_STAGE_FAILED, {device.DeviceName, SignedText(result)}), MB_OK);
            return;
        }
    }
    if (display.ChangeSettings(nullptr, 0) != DISP_CHANGE_SUCCESSFUL) {
        messages.Show(LoadResString(IDS_COMMIT_FAILED), MB_OK);
    } else if (!quiet) {
        messages.Show(successText, MB_OK);
    }
}
