// The desktop arrangements the command line and the main dialog ask for, replaceable so that a
// run can be observed without rearranging the desktop. By default they are the real operations.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "desktop/MakePrimary.h"
#include "desktop/MakeSole.h"

struct DesktopOperations {
    std::function<void(IDisplaySettings&, IMessageBox&, IShell&, HWND owner, const std::wstring& deviceName,
                       bool quiet)>
        makePrimary = MakePrimary;
    std::function<void(IDisplaySettings&, IMessageBox&, const std::wstring& deviceName, DWORD fieldMask, DWORD width,
                       DWORD height, uint64_t colourCount, DWORD frequency, bool quiet)>
        makeSole = MakeSole;
};
