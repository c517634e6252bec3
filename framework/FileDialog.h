// The file-open dialog, behind a seam so tests can see the request and script the answer.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct FileDialogRequest {
    std::wstring title;                                          // empty: the platform's own title
    std::vector<std::pair<std::wstring, std::wstring>> filters;  // name and pattern, in order
    DWORD flags = 0;                                             // OFN_ flags; the explorer style is always added
    std::wstring defaultExtension;                               // empty: none
    std::wstring fileName;                                       // initial file name; empty: none
    std::wstring initialFolder;                                  // empty: none
};

// The platform's filter list: each name and pattern ends in a null, and the list in a second one.
std::wstring PlatformFilterList(const std::vector<std::pair<std::wstring, std::wstring>>& filters);

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // Shows the open dialog; the chosen file's full path, or none when the user cancels.
    virtual std::optional<std::wstring> Open(HWND owner, const FileDialogRequest& request) = 0;
};

// The framework's file dialog over GetOpenFileNameW.
class CFileDialog : public IFileDialogs {
public:
    std::optional<std::wstring> Open(HWND owner, const FileDialogRequest& request) override;
};
