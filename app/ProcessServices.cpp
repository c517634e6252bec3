#include "app/ProcessServices.h"

#include "framework/SystemMessage.h"

bool Win32ProcessServices::StartProcess(const wchar_t* application, std::vector<wchar_t>& commandLine,
                                        bool inheritHandles, DWORD creationFlags, void* environment,
                                        const wchar_t* currentDirectory, STARTUPINFOW& startup,
                                        PROCESS_INFORMATION& info) {
    return CreateProcessW(application, commandLine.data(), nullptr, nullptr, inheritHandles ? TRUE : FALSE,
                          creationFlags, environment, currentDirectory, &startup, &info) != FALSE;
}

DWORD Win32ProcessServices::LastError() { return GetLastError(); }

std::wstring Win32ProcessServices::SystemErrorText(DWORD code) { return ::SystemErrorText(code); }

DWORD Win32ProcessServices::WaitForIdle(HANDLE process, DWORD milliseconds) {
    return WaitForInputIdle(process, milliseconds);
}

DWORD Win32ProcessServices::WaitForObject(HANDLE handle, DWORD milliseconds) {
    return WaitForSingleObject(handle, milliseconds);
}

bool Win32ProcessServices::Close(HANDLE handle) { return CloseHandle(handle) != FALSE; }
