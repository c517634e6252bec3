#include "app/CommandLineSwitch.h"

#include <utility>

#include "dialog/ModeSwitch.h"
#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"
#include "display/ModeRequest.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {

std::wstring RequestedModeText(const DEVMODEW& mode) {
    return FormatResString(IDS_REQUESTED_MODE,
                           {UnsignedText(mode.dmPelsWidth), UnsignedText(mode.dmPelsHeight),
                            UnsignedText(mode.dmBitsPerPel), UnsignedText(mode.dmDisplayFrequency)});
}

}  // namespace

CommandLineSwitch::CommandLineSwitch(IDisplaySettings& display, IMessageBox& messages, IShell& shell,
                                     DesktopOperations desktop)
    : m_display(display), m_messages(messages), m_shell(shell), m_desktop(std::move(desktop)) {}

void CommandLineSwitch::Warn(const std::wstring& text) { m_messages.Show(text, MB_OK); }

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
    if (!m_display.EnumDevices(nullptr, static_cast<DWORD>(*monitorNumber), record, 0)) {
        Warn(LoadResString(IDS_BAD_MONITOR_NUMBER));
        return std::wstring();
    }
    // A mirroring driver is no display of its own: the default device is used, silently.
    if (record.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER) return std::wstring();
    return FieldText(record.DeviceName);
}

DEVMODEW CommandLineSwitch::ReadSavedMode(const wchar_t* device) {
    DEVMODEW mode = PreparedDevMode();
    if (m_display.EnumSettings(device, ENUM_CURRENT_SETTINGS, mode)) return mode;
    mode = PreparedDevMode();
    if (m_display.EnumSettings(device, ENUM_REGISTRY_SETTINGS, mode)) return mode;
    Warn(LoadResString(IDS_NO_SAVED_MODE));
    mode.dmPelsHeight = 0;
    return mode;
}

void CommandLineSwitch::SwitchToModeNumber(int32_t modeNumber, bool quiet, CommandLineState& state) {
    // The number goes to the service as given: -1 and -2 read the current and the stored mode.
    if (!m_display.EnumSettings(nullptr, static_cast<DWORD>(modeNumber), state.requestedMode)) {
        Warn(FormatResString(IDS_BAD_MODE_NUMBER, {SignedText(modeNumber)}));
        return;
    }
    const LONG result = m_display.ChangeSettings(&state.requestedMode, state.changeFlags);
    if (result != DISP_CHANGE_SUCCESSFUL && !quiet) {
        Warn(ChangeFailedText(result));
    }
}

void CommandLineSwitch::ApplyDesktopOptions(const CommandLineOptions& options, CommandLineState& state) {
    DWORD fields = options.fields;
    if (options.makePrimary) {
        if (state.deviceName.empty()) {
            Warn(LoadResString(IDS_NEED_MONITOR_NUMBER));
        } else {
            // The window-less run has no main window to own the Control Panel offer.
            m_desktop.makePrimary(m_display, m_messages, m_shell, nullptr, state.deviceName, options.quiet);
        }
        fields &= ~static_cast<DWORD>(DM_POSITION);
    }
    if (options.makeSole) {
        if (state.deviceName.empty()) {
            Warn(LoadResString(IDS_NEED_MONITOR_NUMBER));
        } else {
            m_desktop.makeSole(m_display, m_messages, state.deviceName, fields, static_cast<DWORD>(options.width),
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
        Warn(LoadResString(IDS_NO_CURRENT_SETTINGS));
        return;
    }
    BuildRequestedMode(options, fields, state);
    // With a program watched for being maximized, or a watched title, the watcher applies the mode.
    const bool deferred =
        (options.onlyWhenMaximized && !options.programCommandLine.empty()) || !options.windowTitle.empty();
    if (deferred) return;
    const LONG result = m_display.ChangeSettingsEx(state.Device(), &state.requestedMode, state.changeFlags);
    if (result != DISP_CHANGE_SUCCESSFUL && !options.quiet) {
        Warn(FormatResString(IDS_CHANGE_REQUEST_FAILED, {RequestedModeText(state.requestedMode)}));
    }
}
