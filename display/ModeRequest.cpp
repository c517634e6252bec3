#include "display/ModeRequest.h"

#include "display/DisplayRecords.h"

void ApplyRequestedFields(DEVMODEW& mode, DWORD fieldMask, DWORD width, DWORD height, uint64_t colourCount,
                          DWORD frequency) {
    if (fieldMask & DM_PELSWIDTH) {
        mode.dmPelsWidth = width;
        mode.dmFields |= DM_PELSWIDTH;
    }
    if (fieldMask & DM_PELSHEIGHT) {
        mode.dmPelsHeight = height;
        mode.dmFields |= DM_PELSHEIGHT;
    }
    if ((fieldMask & DM_BITSPERPEL) && colourCount != 0) {
        mode.dmBitsPerPel = BitsPerPixelFromColourCount(colourCount);
        mode.dmFields |= DM_BITSPERPEL;
    }
    if (fieldMask & DM_DISPLAYFREQUENCY) {
        mode.dmDisplayFrequency = frequency;
        mode.dmFields |= DM_DISPLAYFREQUENCY;
    }
}
