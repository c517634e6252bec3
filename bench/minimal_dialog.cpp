// The least modal dialog with an empty report list, closed by Close or the close box. With the
// argument "template" it shows the main dialog's own template instead, still empty and with no
// initialisation, which tells the template's share of the main dialog's start from the program's.
// Built with SAME_IMPORTS it also loads every library the program imports, without using them.
#include <windows.h>
#include <commctrl.h>
#ifdef SAME_IMPORTS
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#endif

namespace {
INT_PTR CALLBACK MinimalProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    default: return FALSE;
    }
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef SAME_IMPORTS
    // Never true: the references alone make the loader map the libraries at start.
    if (__argc > 1000) {
        ShellExecuteW(nullptr, nullptr, nullptr, nullptr, nullptr, SW_SHOW);
        CoInitialize(nullptr);
        GetOpenFileNameW(nullptr);
        RegCloseKey(nullptr);
    }
#endif
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const bool mainTemplate = __argc > 1 && lstrcmpW(__wargv[1], L"template") == 0;
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(mainTemplate ? 102 : 100), nullptr, MinimalProc, 0));
}
