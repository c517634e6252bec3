#include "framework/FileDialog.h"

#include <commdlg.h>

#include "framework/LateLoaded.h"

std::wstring PlatformFilterList(const std::vector<std::pair<std::wstring, std::wstring>>& filters) {
    std::wstring list;
    for (const auto& [name, pattern] : filters) {
        list += name;
        list += L'\0';
        list += pattern;
        list += L'\0';
    }
    list += L'\0';
    return list;
}

std::optional<std::wstring> CFileDialog::Open(HWND owner, const FileDialogRequest& request) {
    // Room for the longest path the platform allows; the dialog writes no more than nMaxFile.
    std::vector<wchar_t> file(32768, L'\0');
    request.fileName.copy(file.data(), file.size() - 1);
    const std::wstring filterList = PlatformFilterList(request.filters);

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.Flags = request.flags | OFN_EXPLORER;
    dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    if (!late::GetOpenFileNameW(&dialog)) return std::nullopt;
    return std::wstring(file.data());
}
