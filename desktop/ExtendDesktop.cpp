#include "desktop/ExtendDesktop.h"

#include "display/DisplaySettings.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

void ExtendDesktop(IDisplaySettings& display, IMessageBox& messages, const std::wstring& deviceName,
                   const DEVMODEW* selectedMode, bool changeGlobally) {
    if (selectedMode == nullptr) {
        messages.Show(LoadResString(IDS_NO_MODE_SELECTED), MB_OK);
        return;
    }
    // Extending always stores the change; the Change Permanent box is not asked.
    const DWORD flags = SwitchChangeFlags(true, changeGlobally);
    // The device goes where the enumerated mode places it.
    DEVMODEW mode = *selectedMode;
    mode.dmFields |= DM_POSITION;
    if (display.ChangeSettingsEx(DeviceOrNone(deviceName), &mode, flags | CDS_NORESET) == DISP_CHANGE_SUCCESSFUL) {
        display.ChangeSettings(nullptr, flags);
    }
}
