// Scripted process creation: success with a thread id and an end time, or failure with an error
// code and the system's text for it; records every call and every handle closed.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/ProcessServices.h"
#include "fakes/CallJournal.h"
#include "fakes/FakeClock.h"

struct ProcessStart {
    std::optional<std::wstring> application;
    std::wstring commandLine;  // the text up to the buffer's first zero
    size_t bufferSize;         // characters the writable buffer holds
    bool inheritHandles;
    DWORD creationFlags;
    bool environment;  // an environment block was passed
    std::optional<std::wstring> currentDirectory;
    STARTUPINFOW startup;
};

class FakeProcesses : public IProcessServices {
public:
    bool succeed = true;
    DWORD error = ERROR_FILE_NOT_FOUND;
    std::map<DWORD, std::wstring> systemTexts{
        {ERROR_FILE_NOT_FOUND, L"The system cannot find the file specified.\r\n"}};
    DWORD processId = 4000;
    DWORD threadId = 4004;
    HANDLE processHandle = reinterpret_cast<HANDLE>(0x44);
    HANDLE threadHandle = reinterpret_cast<HANDLE>(0x48);
    // Written over the start of the command-line buffer during creation, as the platform may.
    std::optional<std::wstring> overwriteCommandLine;
    // With a clock: the time the program ends (waiting for it moves the clock there) and how
    // long it takes to become idle.
    FakeClock* clock = nullptr;
    ULONGLONG endsAt = 0;
    DWORD idleAfterMs = 0;
    CallJournal* journal = nullptr;

    std::vector<ProcessStart> starts;
    int lastErrorCalls = 0;
    std::vector<DWORD> textRequests;
    std::vector<std::pair<HANDLE, DWORD>> idleWaits;
    std::vector<std::pair<HANDLE, DWORD>> waits;
    std::vector<HANDLE> closed;

    bool StartProcess(const wchar_t* application, std::vector<wchar_t>& commandLine, bool inheritHandles,
                      DWORD creationFlags, void* environment, const wchar_t* currentDirectory, STARTUPINFOW& startup,
                      PROCESS_INFORMATION& info) override;
    DWORD LastError() override;
    std::wstring SystemErrorText(DWORD code) override;
    DWORD WaitForIdle(HANDLE process, DWORD milliseconds) override;
    DWORD WaitForObject(HANDLE handle, DWORD milliseconds) override;
    bool Close(HANDLE handle) override;

private:
    void Note(const std::string& entry) {
        if (journal != nullptr) journal->Add(entry);
    }
};
