#include "dialog/HelpPage.h"

std::wstring ModuleFilePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(module, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        // A full buffer means the name may have been cut: try again with more room.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring HelpFilePath(const std::wstring& programPath) {
    const std::wstring name = L"readme.html";
    size_t separator = programPath.rfind(L'\\');
    if (separator == std::wstring::npos) return name;
    return programPath.substr(0, separator) + L"\\" + name;
}
