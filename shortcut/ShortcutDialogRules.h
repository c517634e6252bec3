// What the shortcut dialog shows and how it takes the program to run, apart from its window.
#pragma once
#include <optional>
#include <string>

#include "framework/FileDialog.h"
#include "shortcut/ShortcutSettings.h"

// The texts and visibility of the dialog's labels, filled once when it opens.
struct ShortcutLabels {
    std::wstring resolution;   // "<width> x <height>"
    std::wstring colourCount;  // number of colours; empty without a colour depth
    std::wstring frequency;    // empty without a frequency
    bool showHz = false;
    std::wstring deviceNumber;  // empty without a device
    bool showMonitor = false;
    bool showRegistryNote = false;
    std::wstring explanation;  // string 2
};

ShortcutLabels ShortcutLabelsFor(const ShortcutSettings& settings);

// The file dialog that picks the program: title string 3, "Programs" (*.exe) then "All Files" (*.*).
FileDialogRequest ProgramBrowseRequest();

// Takes the file dialog's answer: a confirmed choice replaces the program path. Returns true when
// the program label is to be enabled and show the new path (a non-empty choice).
bool TakeChosenProgram(ShortcutSettings& settings, const std::optional<std::wstring>& chosen);
