#include "dialog/ModeSwitch.h"

#include "dialog/SystemRestart.h"
#include "display/DisplaySettings.h"
#include "display/ModeRequest.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

const DEVMODEW* ModeAt(const ModeTable& table, int index) {
    // Compared unsigned, so -1 is outside the table too.
    if (static_cast<size_t>(static_cast<unsigned int>(index)) >= table.size()) return nullptr;
    return &table[static_cast<size_t>(index)];
}

std::optional<DWORD> FirstCheckedRotation(const std::array<bool, 4>& checked) {
    for (DWORD orientation = 0; orientation < checked.size(); ++orientation) {
        if (checked[orientation]) return orientation;
    }
    return std::nullopt;
}

std::wstring ChangeFailedText(LONG result) { return FormatResString(IDS_CHANGE_FAILED, {SignedText(result)}); }

bool SwitchMode(IDisplaySettings& display, IMessageBox& messages, ISystemRestart& restart,
                const SwitchRequest& request) {
    DEVMODEW mode = request.mode;
    bool quarterTurn = false;
    if (request.rotation) {
        // The record's orientation is the old one whatever its dmFields say.
        const DWORD oldOrientation = mode.dmDisplayOrientation;
        mode.dmFields |= DM_DISPLAYORIENTATION;
        mode.dmDisplayOrientation = *request.rotation;
        quarterTurn = SwapForQuarterTurn(oldOrientation, *request.rotation, mode.dmPelsWidth, mode.dmPelsHeight);
    }
    const wchar_t* device = DeviceOrNone(request.deviceName);
    const DWORD flags = SwitchChangeFlags(request.changePermanent, request.changeGlobally);
    const LONG result = display.ChangeSettingsEx(device, &mode, flags);
    if (result == DISP_CHANGE_SUCCESSFUL) return quarterTurn;
    if (result == DISP_CHANGE_RESTART) {
        if (messages.Show(LoadResString(IDS_RESTART_NEEDED), MB_YESNO | MB_DEFBUTTON2) != IDYES) return false;
        if (!request.changePermanent) {
            display.ChangeSettingsEx(device, &mode, SwitchChangeFlags(true, request.changeGlobally));
        }
        restart.RequestRestart();
        return false;
    }
    messages.Show(ChangeFailedText(result), MB_OK);
    return false;
}
