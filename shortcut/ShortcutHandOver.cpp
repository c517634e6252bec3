#include "shortcut/ShortcutHandOver.h"

#include "display/ModeRequest.h"

ShortcutSettings ShortcutSettingsFromSelection(const DEVMODEW& record, bool permanentChecked, bool filterChecked,
                                               std::optional<int> deviceNumber,
                                               std::optional<DWORD> firstCheckedRotation) {
    ShortcutSettings settings;
    settings.updateRegistry = permanentChecked;
    settings.bitsPerPixel = record.dmBitsPerPel;
    if (!filterChecked) settings.frequency = record.dmDisplayFrequency;
    settings.width = record.dmPelsWidth;
    settings.height = record.dmPelsHeight;
    if (deviceNumber) settings.deviceNumber = *deviceNumber;
    if (firstCheckedRotation) settings.rotation = *firstCheckedRotation;
    // A checked 90 or 270 degree button exchanges the size, whatever orientation the record carries.
    SwapForQuarterTurn(DMDO_DEFAULT, settings.rotation, settings.width, settings.height);
    return settings;
}
