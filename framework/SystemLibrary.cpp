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

// From the system folder by full path (a bare name would match a module of that name already loaded
// from anywhere), or for ManifestFirst by bare name, so that the manifest's binding comes first.
HMODULE LoadSystemDll(const wchar_t* fileName, SystemLibrary::Lookup lookup) {
    const std::wstring path = lookup == SystemLibrary::Lookup::FullPath ? SystemFolderPath(fileName) : fileName;
    if (path.empty()) return nullptr;
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A Windows 7 without the update that brought the search flags: the library's own folder then
    // comes first for what it loads. A name the manifest binds is still taken from where it points.
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        module = LoadLibraryExW(path.c_str(), nullptr,
                                lookup == SystemLibrary::Lookup::FullPath ? LOAD_WITH_ALTERED_SEARCH_PATH : 0);
    }
    return module;
}

class Win32DllSearch : public IDllSearch {
public:
    bool SetDefaultDirectories(DWORD flags) override {
        // Looked up by name: a Windows 7 without that update lacks it.
        using Function = BOOL(WINAPI*)(DWORD);
        const auto setDefaultDllDirectories =
            SystemLibrary::FindIn<Function>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
        return setDefaultDllDirectories != nullptr && setDefaultDllDirectories(flags) != FALSE;
    }
    void SetDirectory(const wchar_t* folder) override { SetDllDirectoryW(folder); }
};

}  // namespace

void RestrictDllSearchToSystemFolder(IDllSearch& search) {
    if (search.SetDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Only as the fallback: unlike the other, this setting also reaches the programs started from
    // this one, and a game started with -X would lose its working folder from its DLL search.
    search.SetDirectory(L"");
}

void RestrictDllSearchToSystemFolder() {
    Win32DllSearch search;
    RestrictDllSearchToSystemFolder(search);
}

SystemLibrary::SystemLibrary(const wchar_t* fileName, Lookup lookup) : m_module(LoadSystemDll(fileName, lookup)) {}
