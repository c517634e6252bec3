// Switching the selected device to the mode chosen in the main dialog.
#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "dialog/ModeList.h"

class IDisplaySettings;
class IMessageBox;
class ISystemRestart;

struct SwitchRequest {
    DEVMODEW mode;                  // a copy of the chosen mode as enumerated
    std::wstring deviceName;        // empty addresses the default display device
    bool changePermanent = false;   // also store the mode for the device
    bool changeGlobally = false;    // store it for all users (only together with changePermanent)
    std::optional<DWORD> rotation;  // the first checked rotation button, 0 to 3; none when none is checked
};

// The record of a ModeTable index as the mode list hands it out; null for -1 (no selection) and
// for any index outside the table.
const DEVMODEW* ModeAt(const ModeTable& table, int index);

// The first checked of the rotation buttons 0°, 90°, 180°, 270° as orientation 0 to 3.
std::optional<DWORD> FirstCheckedRotation(const std::array<bool, 4>& checked);

// The message for a mode change that the platform refused with result.
std::wstring ChangeFailedText(LONG result);

// Applies the request once. A mode that needs a restart is offered a restart; a refused one is
// reported with its result code. Returns true when the mode list must be rebuilt: the change
// succeeded and turned the display between landscape and portrait.
bool SwitchMode(IDisplaySettings& display, IMessageBox& messages, ISystemRestart& restart,
                const SwitchRequest& request);
