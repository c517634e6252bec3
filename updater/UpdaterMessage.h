// What the updater says, for each way a check can end.
#pragma once
#include <windows.h>

#include <string>

#include "updater/FileVersion.h"

struct CheckOutcome;

inline constexpr wchar_t kUpdaterCaption[] = L"Pixmode Updater";

struct UpdaterMessage {
    std::wstring text;
    UINT style;  // buttons and icon for MessageBoxW
};

// For a parameter text the updater cannot read.
UpdaterMessage ParametersMessage(const std::wstring& parameters);

// For a check of the installed version (0 when the program has none).
UpdaterMessage OutcomeMessage(const CheckOutcome& outcome, FileVersion installed);
