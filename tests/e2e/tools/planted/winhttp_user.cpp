// A program that imports WinHTTP: the tests run it beside the planted winhttp.dll to show that
// Wine looks in the program's folder first for it too, as Windows does.
#include <windows.h>
#include <winhttp.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Only the one function the planted file has; the process ends straight after.
    return WinHttpOpen(L"planted test", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS,
                       0) != nullptr
               ? 0
               : 1;
}
