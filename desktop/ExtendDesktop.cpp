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
    const DWORD flags = changeGlobally ? CDS_UPDATEREGISTRY | CDS_GLOBAL : CDS_UPDATEREGISTRY;
    // The device goes where the enumerated mode places it.
    DEVMODEW mode = *selectedMode;
    mode.dmFields |= DM_POSITION;
    const wchar_t* device = deviceName.empty() ? nullptr : deviceName.c_str();
    if (display.ChangeSettingsEx(device, &mode, flags | CDS_NORESET) == DISP_CHANGE_SUCCESSFUL) {
        display.ChangeSettings(nullptr, flags);
    }
}
