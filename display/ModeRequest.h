// Turning a device's current mode into the one a caller asks for.
#pragma once
#include <windows.h>

#include <cstdint>
#include <utility>

// Writes the width (DM_PELSWIDTH), height (DM_PELSHEIGHT), colour depth (DM_BITSPERPEL, from the
// colour count) and frequency (DM_DISPLAYFREQUENCY) that fieldMask names into mode and adds their
// bits to dmFields. A colour count of 0 requests no depth. Other bits of the mask are left to the
// caller; values not named keep what mode holds.
void ApplyRequestedFields(DEVMODEW& mode, DWORD fieldMask, DWORD width, DWORD height, uint64_t colourCount,
                          DWORD frequency);

// Exchanges width and height when the orientation turns by a quarter, between landscape and
// portrait (DMDO_90 and DMDO_270 are portrait to DMDO_DEFAULT and DMDO_180); tells whether it did.
template <typename Size>
bool SwapForQuarterTurn(DWORD fromOrientation, DWORD toOrientation, Size& width, Size& height) {
    // Unsigned wrap-around keeps the parity of the difference.
    const bool quarterTurn = ((toOrientation - fromOrientation) & 1) != 0;
    if (quarterTurn) std::swap(width, height);
    return quarterTurn;
}
