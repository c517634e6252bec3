// The working values of a command-line run, handed from the switch to the run and watch steps.
#pragma once
#include <windows.h>

#include <string>

#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"

struct CommandLineState {
    std::wstring deviceName;                 // empty: the default display device
    DEVMODEW savedMode = PreparedDevMode();  // dmPelsHeight 0: no saved mode
    DEVMODEW requestedMode = PreparedDevMode();
    DWORD changeFlags = 0;  // CDS_UPDATEREGISTRY with option U

    const wchar_t* Device() const { return DeviceOrNone(deviceName); }
    bool HasSavedMode() const { return savedMode.dmPelsHeight != 0; }
    // The prepared record names no field until a switch has built it.
    bool HasRequestedMode() const { return requestedMode.dmFields != 0; }
};
