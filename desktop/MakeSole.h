// Making a display device the only display of the desktop.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

class IDisplaySettings;
class IMessageBox;

// fieldMask: which of width (DM_PELSWIDTH), height (DM_PELSHEIGHT), colourCount (DM_BITSPERPEL) and
// frequency (DM_DISPLAYFREQUENCY) to apply to the device; other bits are ignored.
void MakeSole(IDisplaySettings& display, IMessageBox& messages, const std::wstring& deviceName, DWORD fieldMask,
              DWORD width, DWORD height, uint64_t colourCount, DWORD frequency, bool quiet);
