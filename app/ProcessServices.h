// Starting another program and waiting for it, behind a seam so tests script the outcome.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/ScopedHandle.h"

class IProcessServices {
public:
    virtual ~IProcessServices() = default;
    // CreateProcessW with no security attributes. The command line is a writable buffer because
    // the platform may write into it; its zero-terminated text is the command line.
    virtual bool StartProcess(const wchar_t* application, std::vector<wchar_t>& commandLine, bool inheritHandles,
                              DWORD creationFlags, void* environment, const wchar_t* currentDirectory,
                              STARTUPINFOW& startup, PROCESS_INFORMATION& info) = 0;
    // GetLastError.
    virtual DWORD LastError() = 0;
    // The system's own text for an error code (FormatMessageW, user default language); empty when
    // the system has none.
    virtual std::wstring SystemErrorText(DWORD code) = 0;
    // WaitForInputIdle.
    virtual DWORD WaitForIdle(HANDLE process, DWORD milliseconds) = 0;
    // WaitForSingleObject.
    virtual DWORD WaitForObject(HANDLE handle, DWORD milliseconds) = 0;
    // CloseHandle.
    virtual bool Close(HANDLE handle) = 0;
};

class Win32ProcessServices : public IProcessServices {
public:
    bool StartProcess(const wchar_t* application, std::vector<wchar_t>& commandLine, bool inheritHandles,
                      DWORD creationFlags, void* environment, const wchar_t* currentDirectory, STARTUPINFOW& startup,
                      PROCESS_INFORMATION& info) override;
    DWORD LastError() override;
    std::wstring SystemErrorText(DWORD code) override;
    DWORD WaitForIdle(HANDLE process, DWORD milliseconds) override;
    DWORD WaitForObject(HANDLE handle, DWORD milliseconds) override;
    bool Close(HANDLE handle) override;
};

// A kernel handle closed through the seam, so that tests see every handle given back.
struct ProcessHandleCloser : KernelHandleCloser {
    explicit ProcessHandleCloser(IProcessServices& services) : processes(services) {}
    void operator()(HANDLE handle) const { processes.Close(handle); }
    IProcessServices& processes;
};
using ProcessHandle = ScopedHandle<ProcessHandleCloser>;
