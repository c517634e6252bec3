// What the main dialog hands to the shortcut dialog: the selected mode and the dialog's options.
#pragma once
#include <windows.h>

#include <optional>

#include "shortcut/ShortcutSettings.h"

// Settings from the selected mode record and the main dialog's state; firstCheckedRotation is the
// index (0 to 3) of the first checked rotation button, none when none is checked. The frequency is handed
// over only when the refresh filter is unchecked; width and height are exchanged when the checked
// rotation is 90 or 270 degrees, whatever orientation the record carries. The program path and
// the maximized-foreground option stay not given.
ShortcutSettings ShortcutSettingsFromSelection(const DEVMODEW& record, bool permanentChecked, bool filterChecked,
                                               std::optional<int> deviceNumber,
                                               std::optional<DWORD> firstCheckedRotation);
