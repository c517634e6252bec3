// A program that imports the version library, as the program once did: the tests run it beside
// the planted version.dll to show that Wine looks in the program's folder first, as Windows does.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    DWORD handle = 0;
    return GetFileVersionInfoSizeW(L"kernel32.dll", &handle) != 0 ? 0 : 1;
}
