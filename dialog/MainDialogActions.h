// The operations of other parts that the main dialog starts, replaceable so the dialog can be
// run in-process without opening boxes or starting programs.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "about/AboutBox.h"
#include "about/Updater.h"
#include "desktop/MakePrimary.h"
#include "desktop/MakeSole.h"
#include "dialog/SystemRestart.h"
#include "shortcut/ShortcutDlg.h"

struct MainDialogActions {
    std::function<void(HWND owner)> showAboutBox = ShowAboutBox;
    std::function<void(HWND owner, bool automatic, HMODULE module)> launchUpdater = LaunchUpdater;
    std::function<void(IDisplaySettings&, IMessageBox&, IShell&, HWND owner, const std::wstring& deviceName, bool quiet)>
        makePrimary = MakePrimary;
    std::function<void(IDisplaySettings&, IMessageBox&, const std::wstring& deviceName, DWORD fieldMask, DWORD width,
                       DWORD height, uint64_t colours, DWORD frequency, bool quiet)>
        makeSole = MakeSole;
    std::shared_ptr<ISystemRestart> restart = std::make_shared<Win32SystemRestart>();
    std::function<void(const ShortcutSettings&)> showShortcutDialog = ShowShortcutDialog;
};
