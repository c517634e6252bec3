// The shell's "open this" requests (help page, links, Control Panel, the updater), behind a seam.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

class IShell {
public:
    virtual ~IShell() = default;
    // ShellExecuteW; a null verb, parameters or directory is passed as none. The result is the
    // platform's instance value as an integer (above 32 means success).
    virtual INT_PTR Execute(HWND owner, const wchar_t* verb, const std::wstring& file, const wchar_t* parameters,
                            const wchar_t* directory, int show) = 0;
    // ShellExecuteExW with the request as filled by the caller.
    virtual bool ExecuteEx(SHELLEXECUTEINFOW& request) = 0;
};

class Win32Shell : public IShell {
public:
    INT_PTR Execute(HWND owner, const wchar_t* verb, const std::wstring& file, const wchar_t* parameters,
                    const wchar_t* directory, int show) override;
    bool ExecuteEx(SHELLEXECUTEINFOW& request) override;
};
