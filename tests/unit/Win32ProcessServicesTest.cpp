#include <gtest/gtest.h>

#include "app/ProcessServices.h"
#include "app/RunProgram.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeWindows.h"
#include "framework/Strings.h"
#include "res/resource.h"

TEST(Win32ProcessServices, MissingProgramFailsWithFileNotFoundAndTheSystemHasTextForIt) {
    Win32ProcessServices processes;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::vector<wchar_t> commandLine = CommandLineBuffer(L"pixmode-no-such-program-here.exe --x");
    EXPECT_FALSE(processes.StartProcess(nullptr, commandLine, false, 0, nullptr, nullptr, startup, info));
    EXPECT_EQ(processes.LastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(processes.SystemErrorText(ERROR_FILE_NOT_FOUND).empty());
}

TEST(Win32ProcessServices, RealFailureReportCarriesTheSystemsOwnText) {
    Win32ProcessServices processes;
    FakeDisplay display;
    FakeMessageBox messages;
    FakeWindows windows;
    FakeClock clock;
    RunServices services{display, messages, processes, windows, clock};
    CommandLineOptions options;
    options.programCommandLine = L"pixmode-no-such-program-here.exe";
    RunProgramAndRestore(options, CommandLineState{}, services);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              FormatResString(IDS_RUN_FAILED,
                              {L"pixmode-no-such-program-here.exe", processes.SystemErrorText(ERROR_FILE_NOT_FOUND)}));
    // No saved mode: the display is left alone.
    EXPECT_TRUE(display.calls.empty());
}

TEST(Win32ProcessServices, StartsWaitsForAndClosesARealProcess) {
    Win32ProcessServices processes;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::vector<wchar_t> commandLine = CommandLineBuffer(L"cmd.exe /c exit 7");
    ASSERT_TRUE(processes.StartProcess(nullptr, commandLine, false, 0, nullptr, nullptr, startup, info));
    ProcessHandle process(info.hProcess, ProcessHandleCloser(processes));
    ProcessHandle thread(info.hThread, ProcessHandleCloser(processes));
    EXPECT_EQ(processes.WaitForObject(process.Get(), INFINITE), WAIT_OBJECT_0);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeProcess(process.Get(), &code));
    EXPECT_EQ(code, 7u);
}
