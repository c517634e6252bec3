// The window-less work of a command-line run: resolving option M, reading the mode to put back
// later, and the mode-number, desktop and requested-mode switches.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "app/CommandLineOptions.h"
#include "app/CommandLineState.h"
#include "desktop/DesktopOperations.h"

class IDisplaySettings;
class IMessageBox;
class IShell;

class CommandLineSwitch {
public:
    CommandLineSwitch(IDisplaySettings& display, IMessageBox& messages, IShell& shell,
                      DesktopOperations desktop = DesktopOperations());

    // Device, saved mode and change flags; done in every run, the dialog's included.
    CommandLineState Prepare(const CommandLineOptions& options, bool updateRegistry);

    // The default device's mode with that index in its enumeration, applied as enumerated.
    void SwitchToModeNumber(int32_t modeNumber, bool quiet, CommandLineState& state);

    // P, then S, then the requested mode when a mode value is left to apply.
    void ApplyDesktopOptions(const CommandLineOptions& options, CommandLineState& state);

    // The saved mode with the given values requested. fields: the mode values given.
    void SwitchToRequestedMode(const CommandLineOptions& options, DWORD fields, CommandLineState& state);

private:
    std::wstring ResolveDevice(const std::optional<int32_t>& monitorNumber);
    DEVMODEW ReadSavedMode(const wchar_t* device);
    void BuildRequestedMode(const CommandLineOptions& options, DWORD fields, CommandLineState& state) const;
    void Warn(const std::wstring& text);

    IDisplaySettings& m_display;
    IMessageBox& m_messages;
    IShell& m_shell;
    DesktopOperations m_desktop;
};
