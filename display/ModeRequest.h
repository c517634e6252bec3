// Turning a device's current mode into the one a caller asks for.
#pragma once
#include <windows.h>

#include <cstdint>

// Writes the width (DM_PELSWIDTH), height (DM_PELSHEIGHT), colour depth (DM_BITSPERPEL, from the
// colour count) and frequency (DM_DISPLAYFREQUENCY) that fieldMask names into mode and adds their
// bits to dmFields. A colour count of 0 requests no depth. Other bits of the mask are left to the
// caller; values not named keep what mode holds.
void ApplyRequestedFields(DEVMODEW& mode, DWORD fieldMask, DWORD width, DWORD height, uint64_t colourCount,
                          DWORD frequency);
