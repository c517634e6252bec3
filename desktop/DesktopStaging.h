// The stage-then-commit pattern of a desktop rearrangement: every device's new mode is recorded
// without being applied, then one commit applies them all at once.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "desktop/DesktopDevice.h"

class IDisplaySettings;
class IMessageBox;

// Writes one device's change into its Mode and returns the flags to stage it with.
using PrepareStage = std::function<DWORD(DesktopDevice& device)>;

// Asks for the refresh rate too when the mode carries one other than the hardware default.
void KeepNonDefaultFrequency(DEVMODEW& mode);

// Stages the devices in order; a call that succeeds is made once more, identically. The first
// failure is reported (also when quiet) and ends the operation without a commit. The commit's
// failure is reported too; its success shows successText unless quiet.
void StageAndCommit(IDisplaySettings& display, IMessageBox& messages, std::vector<DesktopDevice>& devices,
                    const PrepareStage& prepare, const std::wstring& successText, bool quiet);
