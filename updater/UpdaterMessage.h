// What the updater shows for the parameter text it was started with.
#pragma once
#include <windows.h>

#include <string>

inline constexpr wchar_t kUpdaterCaption[] = L"Pixmode Updater";

struct UpdaterMessage {
    bool show;  // an automatic start with good parameters ends silently
    std::wstring text;
    UINT style;  // buttons and icon for MessageBoxW
};

UpdaterMessage UpdaterMessageFor(const std::wstring& parameters);
