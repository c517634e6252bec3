#include "framework/Shell.h"

#include "framework/LateLoaded.h"

INT_PTR Win32Shell::Execute(HWND owner, const wchar_t* verb, const std::wstring& file, const wchar_t* parameters,
                            const wchar_t* directory, int show) {
    return reinterpret_cast<INT_PTR>(late::ShellExecuteW(owner, verb, file.c_str(), parameters, directory, show));
}

bool Win32Shell::ExecuteEx(SHELLEXECUTEINFOW& request) { return late::ShellExecuteExW(&request) != FALSE; }
