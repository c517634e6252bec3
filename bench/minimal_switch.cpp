// The least a program can do to switch the default display's size: read the current mode and
// make the one change call Pixmode makes for "-H<width> -V<height>". Built with SAME_IMPORTS it
// also imports every library the program imports, without using them, and carries the program's
// manifest: what it takes beyond the plain one is loading, not work.
#include <windows.h>

#include <cstdlib>
#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
#ifdef SAME_IMPORTS
    // Never true: the references alone make the loader map the libraries at start.
    if (__argc > 1000) {
        RegCloseKey(nullptr);
        GetDeviceCaps(nullptr, 0);
    }
#endif
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 2;
    const DWORD currentFields = mode.dmFields;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | (currentFields & DM_DISPLAYFREQUENCY);
    for (int i = 1; i < __argc; ++i) {
        const wchar_t* argument = __wargv[i];
        if (wcsncmp(argument, L"-H", 2) == 0) mode.dmPelsWidth = static_cast<DWORD>(wcstol(argument + 2, nullptr, 10));
        if (wcsncmp(argument, L"-V", 2) == 0) mode.dmPelsHeight = static_cast<DWORD>(wcstol(argument + 2, nullptr, 10));
    }
    return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}
