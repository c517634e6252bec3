// What the display settings service reports, as the program under test sees it.
#pragma once
#include <windows.h>

#include <string>

// One line per adapter: name, description, state flags, current mode and mode count.
int PrintDisplays();
// One line per mode of the adapter (empty name: the default one), in enumeration order.
int PrintModes(const std::wstring& device);
// Changes the adapter's mode to the given size (and frequency, when not 0; and position, when
// given) with the given ChangeDisplaySettingsExW flags; prints the result code. Lets tests set
// up or put back a mode the way a Windows program does, the stored (registry) mode included.
int ChangeMode(const std::wstring& device, DWORD width, DWORD height, DWORD frequency, DWORD flags,
               const POINTL* position);
