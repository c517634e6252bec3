// The least modal dialog with an empty report list, closed by Close or the close box. With the
// argument "template" it shows the main dialog's own template instead, still empty and with no
// initialisation, which tells the template's share of the main dialog's start from the program's.
#include <windows.h>
#include <commctrl.h>

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
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const bool mainTemplate = __argc > 1 && lstrcmpW(__wargv[1], L"template") == 0;
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(mainTemplate ? 102 : 100), nullptr, MinimalProc, 0));
}
