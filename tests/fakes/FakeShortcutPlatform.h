// A shortcut platform with a scripted desktop folder and program path that records every link
// it is asked to write and answers with a scripted result.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "shortcut/CreateShortcut.h"

struct WrittenLink {
    std::wstring target, arguments, linkFile, description, iconFile;
};

class FakeShortcutPlatform : public IShortcutPlatform {
public:
    std::optional<std::wstring> desktop = std::wstring(L"C:\\Users\\me\\Desktop");
    std::wstring ownPath = L"C:\\Tools\\pixmode.exe";
    HRESULT writeResult = S_OK;
    std::vector<WrittenLink> written;

    std::optional<std::wstring> DesktopFolder() override { return desktop; }
    std::wstring OwnProgramPath() override { return ownPath; }
    HRESULT WriteLink(const std::wstring& target, const std::wstring& arguments, const std::wstring& linkFile,
                      const std::wstring& description, const std::wstring& iconFile) override {
        written.push_back({target, arguments, linkFile, description, iconFile});
        return writeResult;
    }
};
