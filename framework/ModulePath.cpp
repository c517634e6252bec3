#include "framework/ModulePath.h"

#include <vector>

std::wstring ModuleFileName(HMODULE module) {
    // Long-path aware systems can report more than MAX_PATH characters: grow until the name fits.
    constexpr DWORD kLongestPath = 32768;
    for (DWORD size = MAX_PATH; size <= kLongestPath * 2; size *= 2) {
        std::vector<wchar_t> buffer(size);
        const DWORD length = GetModuleFileNameW(module, buffer.data(), size);
        if (length == 0) return std::wstring();
        if (length < size) return std::wstring(buffer.data(), length);
    }
    return std::wstring();
}

std::wstring FolderWithSeparator(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    const size_t nameStart = name.find_first_not_of(L'\\');
    const std::wstring tail = nameStart == std::wstring::npos ? std::wstring() : name.substr(nameStart);
    if (folder.empty()) return tail;
    const size_t folderEnd = folder.find_last_not_of(L'\\');
    const std::wstring head = folderEnd == std::wstring::npos ? std::wstring() : folder.substr(0, folderEnd + 1);
    return head + L'\\' + tail;
}
