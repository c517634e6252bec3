#include "fakes/FakeProcesses.h"

#include <algorithm>

namespace {
std::string HandleText(HANDLE handle) { return std::to_string(reinterpret_cast<uintptr_t>(handle)); }
}  // namespace

bool FakeProcesses::StartProcess(const wchar_t* application, std::vector<wchar_t>& commandLine, bool inheritHandles,
                                 DWORD creationFlags, void* environment, const wchar_t* currentDirectory,
                                 STARTUPINFOW& startup, PROCESS_INFORMATION& info) {
    ProcessStart start{};
    if (application != nullptr) start.application = std::wstring(application);
    start.commandLine = std::wstring(commandLine.begin(), std::find(commandLine.begin(), commandLine.end(), L'\0'));
    start.bufferSize = commandLine.size();
    start.inheritHandles = inheritHandles;
    start.creationFlags = creationFlags;
    start.environment = environment != nullptr;
    if (currentDirectory != nullptr) start.currentDirectory = std::wstring(currentDirectory);
    start.startup = startup;
    starts.push_back(start);
    Note("StartProcess");
    if (overwriteCommandLine) {
        const size_t length = std::min(overwriteCommandLine->size(), commandLine.size());
        std::copy_n(overwriteCommandLine->begin(), length, commandLine.begin());
    }
    if (!succeed) return false;
    info.hProcess = processHandle;
    info.hThread = threadHandle;
    info.dwProcessId = processId;
    info.dwThreadId = threadId;
    return true;
}

DWORD FakeProcesses::LastError() {
    ++lastErrorCalls;
    return error;
}

std::wstring FakeProcesses::SystemErrorText(DWORD code) {
    textRequests.push_back(code);
    const auto text = systemTexts.find(code);
    return text != systemTexts.end() ? text->second : std::wstring();
}

DWORD FakeProcesses::WaitForIdle(HANDLE process, DWORD milliseconds) {
    idleWaits.emplace_back(process, milliseconds);
    Note("WaitForIdle " + HandleText(process));
    if (clock != nullptr) clock->AdvanceTo(clock->now + std::min(idleAfterMs, milliseconds));
    return idleAfterMs <= milliseconds ? 0 : WAIT_TIMEOUT;
}

DWORD FakeProcesses::WaitForObject(HANDLE handle, DWORD milliseconds) {
    waits.emplace_back(handle, milliseconds);
    Note("WaitForObject " + HandleText(handle));
    if (clock != nullptr && handle == processHandle && milliseconds == INFINITE) clock->AdvanceTo(endsAt);
    return WAIT_OBJECT_0;
}

bool FakeProcesses::Close(HANDLE handle) {
    closed.push_back(handle);
    Note("Close " + HandleText(handle));
    return true;
}
