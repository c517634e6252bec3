#include "app/CommandLineSwitch.h"

#include <utility>

#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"
#include "display/ModeRequest.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {

std::wstring RequestedModeText(const DEVMODEW& mode) {
    return L"Res:\t" + SizeText(mode.dmPelsWidth, mode.dmPelsHeight) + L"\nColours:\t" +
           UnsignedText(mode.dmBitsPerPel) + L" bpp\nFreq:\t" + UnsignedText(mode.dmDisplayFrequency) + L" Hz";
}

}  // namespace

CommandLineSwitch::CommandLineSwitch(IDisplaySettings& display, IMessageBox& messages, IShell& shell,
                                     DesktopOperations desktop)
    : display_(display), messages_(messages), shell_(shell), desktop_(std::move(desktop)) {}

void CommandLineSwitch::Warn(const std::wstring& text) { messages_.Show(text, MB_OK); }

CommandLineState CommandLineSwitch::Prepare(const CommandLineOptions& options, bool updateRegistry) {
    CommandLineState state;
    state.deviceName = ResolveDevice(options.monitorNumber);
    state.savedMode = ReadSavedMode(state.Device());
    state.changeFlags = updateRegistry ? CDS_UPDATEREGISTRY : 0;
    return state;
}

std::wstring CommandLineSwitch::ResolveDevice(const std::optional<int32_t>& monitorNumber) {
    if (!monitorNumber) return std::wstring();
    DISPLAY_DEVICEW record = PreparedDisplayDevice();
    if (!display_.EnumDevices(nullptr, static_cast<DWORD>(*monitorNumber), record, 0)) {
        Warn(L"Failed to EnumDisplayDevices - you may have specified an invalid monitor number.\n\n"
             L"The operation will continue with the default monitor");
        return std::wstring();
    }
    // A mirroring driver is no display of its own: the default device is used, silently.
    if (record.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER) return std::wstring();
    return FieldText(record.DeviceName);
}

DEVMODEW CommandLineSwitch::ReadSavedMode(const wchar_t* device) {
    DEVMODEW mode = PreparedDevMode();
    if (display_.EnumSettings(device, ENUM_CURRENT_SETTINGS, mode)) return mode;
    mode = PreparedDevMode();
    if (display_.EnumSettings(device, ENUM_REGISTRY_SETTINGS, mode)) return mode;
    Warn(L"Failed to get current or registry settings.\n\n"
         L"Please report this to us and let us know your current graphics configuration");
    mode.dmPelsHeight = 0;
    return mode;
}

void CommandLineSwitch::SwitchToModeNumber(int32_t modeNumber, bool quiet, CommandLineState& state) {
    // The number goes to the service as given: -1 and -2 read the current and the stored mode.
    if (!display_.EnumSettings(nullptr, static_cast<DWORD>(modeNumber), state.requestedMode)) {
        Warn(FormatResString(IDS_BAD_MODE_NUMBER, SignedText(modeNumber)));
        return;
    }
    const LONG result = display_.ChangeSettings(&state.requestedMode, state.changeFlags);
    if (result != DISP_CHANGE_SUCCESSFUL && !quiet) {
        Warn(ReplaceFirst(LoadResString(IDS_CHANGE_FAILED), L"%d", SignedText(result)));
    }
}

void CommandLineSwitch::ApplyDesktopOptions(const CommandLineOptions& options, CommandLineState& state) {
    DWORD fields = options.fields;
    if (options.makePrimary) {
        if (state.deviceName.empty()) {
            Warn(LoadResString(IDS_NEED_MONITOR_NUMBER));
        } else {
            // The window-less run has no main window to own the Control Panel offer.
            desktop_.makePrimary(display_, messages_, shell_, nullptr, state.deviceName, options.quiet);
        }
        fields &= ~static_cast<DWORD>(DM_POSITION);
    }
    if (options.makeSole) {
        if (state.deviceName.empty()) {
            Warn(LoadResString(IDS_NEED_MONITOR_NUMBER));
        } else {
            desktop_.makeSole(display_, messages_, state.deviceName, fields, static_cast<DWORD>(options.width),
                              static_cast<DWORD>(options.height), options.colourCount,
                              static_cast<DWORD>(options.frequency), options.quiet);
        }
        fields &= ~static_cast<DWORD>(DM_POSITION);
    }
    if (fields != 0) SwitchToRequestedMode(options, fields, state);
}

void CommandLineSwitch::BuildRequestedMode(const CommandLineOptions& options, DWORD fields,
                                           CommandLineState& state) const {
    DEVMODEW& mode = state.requestedMode;
    mode = state.savedMode;
    mode.dmFields = 0;
    DWORD applied = fields;
    // While the device runs at its hardware default rate a requested rate is dropped.
    if (IsHardwareDefaultFrequency(state.savedMode.dmDisplayFrequency)) {
        applied &= ~static_cast<DWORD>(DM_DISPLAYFREQUENCY);
    }
    ApplyRequestedFields(mode, applied, static_cast<DWORD>(options.width), static_cast<DWORD>(options.height),
                         options.colourCount, static_cast<DWORD>(options.frequency));
    if (!(fields & DM_DISPLAYFREQUENCY) && (state.savedMode.dmFields & DM_DISPLAYFREQUENCY)) {
        // Ask for the current rate again, so a new size does not fall back to another rate.
        mode.dmFields |= DM_DISPLAYFREQUENCY;
    }
    if (fields & DM_DISPLAYORIENTATION) {
        // The caller gives the rotated width and height itself.
        mode.dmDisplayOrientation = options.orientation;
        mode.dmFields |= DM_DISPLAYORIENTATION;
    }
}

void CommandLineSwitch::SwitchToRequestedMode(const CommandLineOptions& options, DWORD fields,
                                              CommandLineState& state) {
    if (!state.HasSavedMode()) {
        Warn(L"Can't get current settings.\n\nThis shouldn't happen - bad driver perhaps?");
        return;
    }
    BuildRequestedMode(options, fields, state);
    // With a program watched for being maximized, or a watched title, the watcher applies the mode.
    const bool deferred =
        (options.onlyWhenMaximized && !options.programCommandLine.empty()) || !options.windowTitle.empty();
    if (deferred) return;
    const LONG result = display_.ChangeSettingsEx(state.Device(), &state.requestedMode, state.changeFlags);
    if (result != DISP_CHANGE_SUCCESSFUL && !options.quiet) {
        Warn(FormatResString(IDS_CHANGE_REQUEST_FAILED, RequestedModeText(state.requestedMode)));
    }
}
