// The Create Shortcut command: writes the link on the user's desktop from the dialog's settings.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "shortcut/ShortcutSettings.h"

class IMessageBox;

// The platform services Create Shortcut uses.
class IShortcutPlatform {
public:
    virtual ~IShortcutPlatform() = default;
    // The current user's desktop folder; none when the shell cannot tell it.
    virtual std::optional<std::wstring> DesktopFolder() = 0;
    // The full path of this program's executable file.
    virtual std::wstring OwnProgramPath() = 0;
    virtual HRESULT WriteLink(const std::wstring& target, const std::wstring& arguments, const std::wstring& linkFile,
                              const std::wstring& description, const std::wstring& iconFile) = 0;
};

class Win32ShortcutPlatform : public IShortcutPlatform {
public:
    std::optional<std::wstring> DesktopFolder() override;
    std::wstring OwnProgramPath() override;
    HRESULT WriteLink(const std::wstring& target, const std::wstring& arguments, const std::wstring& linkFile,
                      const std::wstring& description, const std::wstring& iconFile) override;
};

// The link's comment: string 1 filled with the program path, the width and the height.
std::wstring ShortcutDescription(const ShortcutSettings& settings);

// Runs Create Shortcut over settings, taking the maximized-foreground option from the check box.
// Returns true when the link was written and the dialog may close. A desktop folder that cannot be
// found (or is empty) stops silently; a failed write shows "Failed to save the shortcut" with the reason.
bool CreateShortcut(ShortcutSettings& settings, bool onlyWhenMaximizedChecked, IShortcutPlatform& platform,
                    IMessageBox& messageBox);
