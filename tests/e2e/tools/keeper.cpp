// Keeps one Wine process running for the whole test session: Wine's explorer (which passes
// display changes made with xrandr on to Windows programs) ends once no program is left.
// A message-only window and a message loop; WM_CLOSE or ending the process stops it.
#include <windows.h>

namespace {

LRESULT CALLBACK KeeperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = KeeperProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"PixmodeTestKeeper";
    if (RegisterClassW(&windowClass) == 0) return 1;
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
