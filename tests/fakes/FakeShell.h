// Records the shell requests instead of making them.
#pragma once
#include <string>
#include <vector>

#include "framework/Shell.h"

struct ShellRequest {
    HWND owner;
    std::wstring verb;  // empty for none
    std::wstring file;
    std::wstring parameters;
    std::wstring directory;
    int show;
    ULONG mask;        // ShellExecuteExW requests only
    HMONITOR monitor;  // ShellExecuteExW requests only
    bool extended;     // made with ShellExecuteExW
};

class FakeShell : public IShell {
public:
    std::vector<ShellRequest> requests;

    INT_PTR Execute(HWND owner, const wchar_t* verb, const std::wstring& file, const wchar_t* parameters,
                    const wchar_t* directory, int show) override {
        requests.push_back({owner, verb ? verb : L"", file, parameters ? parameters : L"", directory ? directory : L"",
                            show, 0, nullptr, false});
        return 42;
    }
    bool ExecuteEx(SHELLEXECUTEINFOW& request) override {
        requests.push_back({request.hwnd, request.lpVerb ? request.lpVerb : L"", request.lpFile ? request.lpFile : L"",
                            request.lpParameters ? request.lpParameters : L"",
                            request.lpDirectory ? request.lpDirectory : L"", request.nShow, request.fMask,
                            static_cast<HMONITOR>(request.hMonitor), true});
        return true;
    }
};
