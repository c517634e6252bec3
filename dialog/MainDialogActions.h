// The operations of other parts that the main dialog starts, replaceable so the dialog can be
// run in-process without opening boxes or starting programs.
#pragma once
#include <windows.h>

#include <functional>

#include "about/AboutBox.h"
#include "about/Updater.h"
#include "desktop/DesktopOperations.h"
#include "shortcut/ShortcutDlg.h"

struct MainDialogActions : DesktopOperations {
    std::function<void(HWND owner, IShell&)> showAboutBox = ShowAboutBox;
    std::function<void(IShell&, HWND owner, bool automatic, HMODULE module)> launchUpdater = LaunchUpdater;
    std::function<void(const ShortcutSettings&, IMessageBox&, IFileDialogs&, IShortcutPlatform&)> showShortcutDialog =
        ShowShortcutDialog;
};
