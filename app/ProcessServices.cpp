#include "app/ProcessServices.h"

#include <memory>

namespace {
struct LocalFreer {
    void operator()(wchar_t* text) const { LocalFree(text); }
};
}  // namespace

bool Win32ProcessServices::StartProcess(const wchar_t* application, std::vector<wchar_t>& commandLine,
                                        bool inheritHandles, DWORD creationFlags, void* environment,
                                        const wchar_t* currentDirectory, STARTUPINFOW& startup,
                                        PROCESS_INFORMATION& info) {
    return CreateProcessW(application, commandLine.data(), nullptr, nullptr, inheritHandles ? TRUE : FALSE,
                          creationFlags, environment, currentDirectory, &startup, &info) != FALSE;
}

DWORD Win32ProcessServices::LastError() { return GetLastError(); }

std::wstring Win32ProcessServices::SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreer> owned(buffer);
    if (length == 0 || buffer == nullptr) return std::wstring();
    return std::wstring(buffer, length);
}

DWORD Win32ProcessServices::WaitForIdle(HANDLE process, DWORD milliseconds) {
    return WaitForInputIdle(process, milliseconds);
}

DWORD Win32ProcessServices::WaitForObject(HANDLE handle, DWORD milliseconds) {
    return WaitForSingleObject(handle, milliseconds);
}

bool Win32ProcessServices::Close(HANDLE handle) { return CloseHandle(handle) != FALSE; }
