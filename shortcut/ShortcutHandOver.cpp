#include "shortcut/ShortcutHandOver.h"

#include <utility>

std::optional<uint32_t> FirstCheckedRotation(const std::array<bool, 4>& checked) {
    for (uint32_t index = 0; index < checked.size(); ++index) {
        if (checked[index]) return index;
    }
    return std::nullopt;
}

ShortcutSettings ShortcutSettingsFromSelection(const DEVMODEW& record, bool permanentChecked, bool filterChecked,
                                               std::optional<int> deviceNumber,
                                               std::optional<uint32_t> firstCheckedRotation) {
    ShortcutSettings settings;
    settings.permanent = permanentChecked;
    settings.bitsPerPixel = record.dmBitsPerPel;
    if (!filterChecked) settings.frequency = record.dmDisplayFrequency;
    settings.width = record.dmPelsWidth;
    settings.height = record.dmPelsHeight;
    if (deviceNumber) settings.deviceNumber = *deviceNumber;
    if (firstCheckedRotation) settings.rotation = *firstCheckedRotation;
    if (settings.rotation == 1 || settings.rotation == 3) std::swap(settings.width, settings.height);
    return settings;
}
