#include "app/RunProgram.h"

#include <algorithm>

#include "app/ForegroundWatcher.h"
#include "app/WindowChoice.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {
constexpr DWORD kInputIdleLimitMs = 30000;
constexpr DWORD kTitleSearchStepMs = 1000;
constexpr ULONGLONG kTitleSearchLimitMs = 60000;

// The text up to the terminating zero; process creation may have written into the buffer.
std::wstring TextOf(const std::vector<wchar_t>& buffer) {
    return std::wstring(buffer.begin(), std::find(buffer.begin(), buffer.end(), L'\0'));
}

void RunProgram(const CommandLineOptions& options, const CommandLineState& state, const RunServices& services) {
    IProcessServices& processes = services.processes;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::vector<wchar_t> commandLine = CommandLineBuffer(options.programCommandLine);
    if (!processes.StartProcess(nullptr, commandLine, false, 0, nullptr, nullptr, startup, info)) {
        const DWORD error = processes.LastError();
        services.messages.Show(FormatResString(IDS_RUN_FAILED, {TextOf(commandLine), processes.SystemErrorText(error)}),
                               MB_OK | MB_ICONINFORMATION);
        return;
    }
    ProcessHandle process(info.hProcess, ProcessHandleCloser(processes));
    ProcessHandle thread(info.hThread, ProcessHandleCloser(processes));
    if (options.onlyWhenMaximized) {
        processes.WaitForIdle(process.Get(), kInputIdleLimitMs);
        const HWND window = FindLaunchedWindow(info.dwThreadId, options, services);
        thread.Close();
        // Without a window nothing waits for the program: it goes on running on its own.
        if (window != nullptr) WatchForeground(options, state, window, services);
    } else {
        processes.WaitForObject(process.Get(), INFINITE);
    }
}
}  // namespace

std::vector<wchar_t> CommandLineBuffer(const std::wstring& commandLine) {
    std::vector<wchar_t> buffer(std::max<size_t>(MAX_PATH, commandLine.size() + 1), L'\0');
    std::copy(commandLine.begin(), commandLine.end(), buffer.begin());
    return buffer;
}

void RunProgramAndRestore(const CommandLineOptions& options, const CommandLineState& state,
                          const RunServices& services) {
    if (options.programCommandLine.empty()) return;
    RunProgram(options, state, services);
    // Always, started or not and watched or not; a failure here is not reported.
    PutSavedModeBack(state, services.display);
}

void WatchWindowsByTitle(const CommandLineOptions& options, const CommandLineState& state,
                         const RunServices& services) {
    if (options.windowTitle.empty()) return;
    const ULONGLONG start = services.clock.Now();
    do {
        const HWND window = services.windows.FindWindowMatching(nullptr, nullptr, nullptr, options.windowTitle.c_str());
        if (window != nullptr) {
            WatchForeground(options, state, window, services);
        } else {
            services.clock.Sleep(kTitleSearchStepMs);
        }
    } while (services.clock.Now() - start < kTitleSearchLimitMs);
}
