// A DLL named like a system library (built twice: as version.dll and as winhttp.dll), as a file
// that lands unasked beside a program. It appends a line to planted.log beside itself when a
// program loads it ("load", the program's path) and each time one of its functions is called (the
// function's name, the program's path and the path of the module that called it, separated by
// tabs); those functions find nothing and open nothing.
#include <windows.h>

#include <string>

#include "framework/ModulePath.h"

namespace {

HMODULE thisModule = nullptr;

// The module that holds the code at an address: for a return address, the caller.
std::wstring ModuleAt(void* address) {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(address), &module);
    return module != nullptr ? ModuleFileName(module) : L"?";
}

void Log(const std::wstring& event, const std::wstring& caller = std::wstring()) {
    const std::wstring log = FolderWithSeparator(ModuleFileName(thisModule)) + L"planted.log";
    const std::wstring line = event + L"\t" + ModuleFileName(nullptr) + (caller.empty() ? L"" : L"\t" + caller) + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &text[0], size, nullptr, nullptr);
    const HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        thisModule = instance;
        Log(L"load");
    }
    return TRUE;
}

__declspec(dllexport) DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR, LPDWORD) {
    Log(L"GetFileVersionInfoSizeW", ModuleAt(__builtin_return_address(0)));
    return 0;
}

__declspec(dllexport) BOOL WINAPI GetFileVersionInfoW(LPCWSTR, DWORD, DWORD, LPVOID) {
    Log(L"GetFileVersionInfoW", ModuleAt(__builtin_return_address(0)));
    return FALSE;
}

__declspec(dllexport) BOOL WINAPI VerQueryValueW(LPCVOID, LPCWSTR, LPVOID*, PUINT) {
    Log(L"VerQueryValueW", ModuleAt(__builtin_return_address(0)));
    return FALSE;
}

__declspec(dllexport) void* WINAPI WinHttpOpen(LPCWSTR, DWORD, LPCWSTR, LPCWSTR, DWORD) {
    Log(L"WinHttpOpen", ModuleAt(__builtin_return_address(0)));
    return nullptr;
}
}
