#include "shortcut/ShortcutHandOver.h"

#include <utility>

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
    if (settings.rotation == 1 || settings.rotation == 3) std::swap(settings.width, settings.height);
    return settings;
}
