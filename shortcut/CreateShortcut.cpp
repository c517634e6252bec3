#include "shortcut/CreateShortcut.h"

#include <shlobj.h>

#include "framework/LateLoaded.h"
#include "framework/MessageBox.h"
#include "framework/ModulePath.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "shortcut/LinkErrorText.h"
#include "shortcut/ShellLink.h"

std::optional<std::wstring> Win32ShortcutPlatform::DesktopFolder() {
    // The shell writes at most MAX_PATH characters, terminator included, into this buffer.
    std::wstring folder(MAX_PATH, L'\0');
    if (FAILED(late::SHGetFolderPathW(nullptr, CSIDL_DESKTOP, nullptr, SHGFP_TYPE_CURRENT, folder.data()))) {
        return std::nullopt;
    }
    folder.resize(folder.find(L'\0'));
    return folder;
}

std::wstring Win32ShortcutPlatform::OwnProgramPath() { return ModuleFileName(nullptr); }

HRESULT Win32ShortcutPlatform::WriteLink(const std::wstring& target, const std::wstring& arguments,
                                         const std::wstring& linkFile, const std::wstring& description,
                                         const std::wstring& iconFile) {
    return CreateShellLink(target, arguments, linkFile, description, iconFile);
}

std::wstring ShortcutDescription(const ShortcutSettings& settings) {
    return FormatResString(IDS_SHORTCUT_DESCRIPTION,
                           {settings.programPath, UnsignedText(settings.width), UnsignedText(settings.height)});
}

bool CreateShortcut(ShortcutSettings& settings, bool onlyWhenMaximizedChecked, IShortcutPlatform& platform,
                    IMessageBox& messageBox) {
    const std::wstring description = ShortcutDescription(settings);
    settings.onlyWhenMaximized = onlyWhenMaximizedChecked;
    const std::wstring target = platform.OwnProgramPath();
    const std::optional<std::wstring> desktop = platform.DesktopFolder();
    // An empty answer names no folder either: joined with the file name it would be a relative path.
    if (!desktop || desktop->empty()) return false;
    // The link's name never changes, so a new shortcut replaces the last.
    const std::wstring linkFile = JoinPath(*desktop, LoadResString(IDS_SHORTCUT_FILE_NAME));
    const std::wstring arguments = BuildShortcutArguments(settings);
    const HRESULT result = platform.WriteLink(target, arguments, linkFile, description, settings.programPath);
    if (result == S_OK) return true;
    messageBox.Show(ShortcutFailureMessage(result), MB_OK);
    return false;
}
