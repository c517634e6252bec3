// What the main dialog hands to the shortcut dialog: the selected mode and the dialog's options.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

#include "shortcut/ShortcutSettings.h"

// The index (0 to 3) of the first checked rotation button in the order 0, 90, 180, 270 degrees;
// none when no button is checked.
std::optional<uint32_t> FirstCheckedRotation(const std::array<bool, 4>& checked);

// Settings from the selected mode record and the main dialog's state. The frequency is handed
// over only when the refresh filter is unchecked; width and height are exchanged when the checked
// rotation is 90 or 270 degrees, whatever orientation the record carries. The program path and
// the maximized-foreground option stay not given.
ShortcutSettings ShortcutSettingsFromSelection(const DEVMODEW& record, bool permanentChecked, bool filterChecked,
                                               std::optional<int> deviceNumber,
                                               std::optional<uint32_t> firstCheckedRotation);
