// The display mode and device records every part of the program passes around.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>

class IDisplaySettings;

// A mode record ready for an enumerate call: every byte zero, dmSize 220, dmDriverExtra 0.
DEVMODEW PreparedDevMode();
// A device record ready for an enumerate call: cb 840, every text and flag cleared.
DISPLAY_DEVICEW PreparedDisplayDevice();

// The text of a fixed-size field of a platform record. A driver may fill the whole field and
// leave out the terminator; the text then ends with the field.
template <size_t Capacity>
std::wstring FieldText(const wchar_t (&field)[Capacity]) {
    return std::wstring(field, wcsnlen(field, Capacity));
}

// A refresh rate of 0 or 1 is the device's hardware default rate.
inline bool IsHardwareDefaultFrequency(DWORD frequency) { return frequency == 0 || frequency == 1; }

// The colour depth a colour count stands for: the position of its lowest set bit
// (65536 gives 16, 768 gives 8); 0 for a count of 0.
DWORD BitsPerPixelFromColourCount(uint64_t colourCount);

// One adapter of the main dialog's device list.
struct DeviceEntry {
    DISPLAY_DEVICEW device;
    int deviceNumber;
    std::wstring monitorNames;
};

// Reads the device's current orientation into orientation (left alone when the mode cannot be
// read) and tells whether the driver flagged it. A null device is the default display.
bool GetCurrentOrientation(IDisplaySettings& display, const wchar_t* deviceName, DWORD& orientation);
