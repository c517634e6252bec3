#include "framework/SystemLibrary.h"

#include <string>

namespace {

std::wstring SystemFolderPath(const wchar_t* fileName) {
    const UINT size = GetSystemDirectoryW(nullptr, 0);
    if (size == 0) return std::wstring();
    std::wstring path(size, L'\0');
    const UINT length = GetSystemDirectoryW(&path[0], size);
    if (length == 0 || length >= size) return std::wstring();
    path.resize(length);
    return path + L'\\' + fileName;
}

// By full path: a bare name would match a module of that name already loaded from anywhere.
HMODULE LoadFromSystemFolder(const wchar_t* fileName) {
    const std::wstring path = SystemFolderPath(fileName);
    if (path.empty()) return nullptr;
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A Windows 7 without the update that brought the search flags: the library's own folder then
    // comes first for what it loads.
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return module;
}

}  // namespace

void RestrictDllSearchToSystemFolder() {
    // Looked up by name: a Windows 7 without that update lacks it, and goes on without it.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories = SystemLibrary::FindIn<SetDefaultDllDirectoriesFunction>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
}

SystemLibrary::SystemLibrary(const wchar_t* fileName) : m_module(LoadFromSystemFolder(fileName)) {}

SystemLibrary::~SystemLibrary() {
    if (m_module != nullptr) FreeLibrary(m_module);
}
