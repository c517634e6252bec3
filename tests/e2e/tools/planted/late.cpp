// A DLL named like one of the system libraries the program loads only when first needed, as a
// file that lands unasked beside a program. It exports nothing; when a program loads it, it
// appends its own file name and the program's path, separated by a tab, to planted.log beside
// itself.
#include <windows.h>

#include <string>

#include "framework/ModulePath.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    const std::wstring path = ModuleFileName(instance);
    const std::wstring folder = FolderWithSeparator(path);
    const std::wstring line = path.substr(folder.size()) + L"\t" + ModuleFileName(nullptr) + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &text[0], size, nullptr, nullptr);
    const HANDLE file =
        CreateFileW((folder + L"planted.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return TRUE;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return TRUE;
}
