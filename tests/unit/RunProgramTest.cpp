#include <gtest/gtest.h>

#include <algorithm>

#include "app/RunProgram.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "unit/RunTestSupport.h"

namespace {
constexpr DWORD kThread = 4004;  // FakeProcesses' primary thread
const std::wstring kNotFoundText = L"The system cannot find the file specified.\r\n";

std::wstring RunFailed(const std::wstring& commandLine, const std::wstring& reason) {
    return FormatResString(IDS_RUN_FAILED, {commandLine, reason});
}

struct RunRig {
    FakeRunServices rig;
    CommandLineState state = RunState(rig.display);
    CommandLineOptions options;

    RunRig() { options.programCommandLine = L"C:\\Games\\game.exe -fullscreen"; }
    void Run() { RunProgramAndRestore(options, state, rig.services); }
    std::vector<Change> Changes() { return ChangesMade(rig.display, state); }
    // Each handle the program was given closed once, and nothing else.
    void ExpectHandlesClosedOnce() {
        std::vector<HANDLE> closed = rig.processes.closed;
        std::sort(closed.begin(), closed.end());
        std::vector<HANDLE> expected{rig.processes.processHandle, rig.processes.threadHandle};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(closed, expected);
    }
    size_t JournalIndex(const std::string& entry) {
        const auto& entries = rig.journal.entries;
        const auto at = std::find(entries.begin(), entries.end(), entry);
        EXPECT_NE(at, entries.end()) << entry;
        return static_cast<size_t>(at - entries.begin());
    }
};
}  // namespace

TEST(RunProgramAndRestore, StartsTheProgramWithAFreshStartupRecordAndPlainCreation) {
    RunRig r;
    r.Run();
    ASSERT_EQ(r.rig.processes.starts.size(), 1u);
    const ProcessStart& start = r.rig.processes.starts[0];
    EXPECT_FALSE(start.application.has_value());
    EXPECT_EQ(start.commandLine, L"C:\\Games\\game.exe -fullscreen");
    EXPECT_EQ(start.bufferSize, static_cast<size_t>(MAX_PATH));
    EXPECT_FALSE(start.inheritHandles);
    EXPECT_EQ(start.creationFlags, 0u);
    EXPECT_FALSE(start.environment);
    EXPECT_FALSE(start.currentDirectory.has_value());
    STARTUPINFOW expected{};
    expected.cb = sizeof(STARTUPINFOW);
    EXPECT_EQ(std::memcmp(&start.startup, &expected, sizeof(STARTUPINFOW)), 0);
}

TEST(RunProgramAndRestore, WithoutOnlyWhenMaximizedWaitsForTheEndThenRestoresOnce) {
    RunRig r;
    r.rig.processes.endsAt = 90000;
    r.Run();
    EXPECT_EQ(r.rig.processes.waits,
              (std::vector<std::pair<HANDLE, DWORD>>{{r.rig.processes.processHandle, INFINITE}}));
    EXPECT_TRUE(r.rig.processes.idleWaits.empty());
    EXPECT_EQ(r.Changes(), std::vector<Change>{C::Restore});
    EXPECT_EQ(r.rig.clock.now, 90000u);
    EXPECT_LT(r.JournalIndex("WaitForObject 68"), r.JournalIndex("Change 1024x768"));
    r.ExpectHandlesClosedOnce();
    EXPECT_TRUE(r.rig.messages.shown.empty());
}

TEST(RunProgramAndRestore, OnlyWhenMaximizedAppliesWhileMaximizedAndRestoresEachTimeAndAtTheEnd) {
    RunRig r;
    r.options.onlyWhenMaximized = true;
    r.rig.processes.idleAfterMs = 700;
    const HWND window = r.rig.windows.Add(kThread, L"Game").handle;
    const HWND other = r.rig.windows.Add(kThread + 1, L"Explorer").handle;
    r.rig.clock.At(2000, [&] { r.rig.windows.Activate(window, true); });
    r.rig.clock.At(4000, [&] { r.rig.windows.Activate(other, false); });
    r.rig.clock.At(6000, [&] { r.rig.windows.Destroy(window); });
    r.Run();
    EXPECT_EQ(r.rig.processes.idleWaits,
              (std::vector<std::pair<HANDLE, DWORD>>{{r.rig.processes.processHandle, 30000}}));
    // Apply, restore on leaving, the watcher's last restore, and the run's own.
    EXPECT_EQ(r.Changes(), (std::vector<Change>{C::Apply, C::Restore, C::Restore, C::Restore}));
    EXPECT_TRUE(r.rig.processes.waits.empty());
    r.ExpectHandlesClosedOnce();
    // The thread handle is given up before the watch, the process handle after it.
    EXPECT_LT(r.JournalIndex("Close 72"), r.JournalIndex("Change 800x600"));
    const auto& entries = r.rig.journal.entries;
    EXPECT_EQ(std::vector<std::string>(entries.end() - 3, entries.end()),
              (std::vector<std::string>{"Change 1024x768", "Close 68", "Change 1024x768"}));
    EXPECT_TRUE(r.rig.messages.shown.empty());
}

TEST(RunProgramAndRestore, OnlyWhenMaximizedWithoutAWindowRestoresAtOnceAndLeavesTheProgramRunning) {
    RunRig r;
    r.options.onlyWhenMaximized = true;
    r.rig.windows.Add(kThread, L"Splash").visible = false;
    r.rig.processes.endsAt = 500000;
    r.Run();
    EXPECT_EQ(r.Changes(), std::vector<Change>{C::Restore});
    EXPECT_TRUE(r.rig.processes.waits.empty());
    EXPECT_EQ(r.rig.clock.now, 10000u);
    r.ExpectHandlesClosedOnce();
    EXPECT_TRUE(r.rig.messages.shown.empty());
}

TEST(RunProgramAndRestore, OnlyWhenMaximizedWithAmbiguousWindowsListsThemAndRestores) {
    RunRig r;
    r.options.onlyWhenMaximized = true;
    r.rig.windows.Add(kThread, L"One");
    r.rig.windows.Add(kThread, L"Two");
    r.Run();
    ASSERT_EQ(r.rig.messages.shown.size(), 1u);
    EXPECT_EQ(r.rig.messages.shown[0].text.rfind(LoadResString(IDS_WINDOWS_FOUND), 0), 0u);
    EXPECT_EQ(r.Changes(), std::vector<Change>{C::Restore});
    r.ExpectHandlesClosedOnce();
}

TEST(RunProgramAndRestore, FailedStartIsReportedWithTheSystemTextAndStillRestores) {
    for (const bool quiet : {false, true}) {
        RunRig r;
        r.options.quiet = quiet;
        r.options.onlyWhenMaximized = quiet;  // neither changes the report
        r.options.programCommandLine = L"nosuch.exe /x";
        r.rig.processes.succeed = false;
        r.Run();
        ASSERT_EQ(r.rig.messages.shown.size(), 1u) << quiet;
        const ShownBox& box = r.rig.messages.shown[0];
        EXPECT_EQ(box.text, RunFailed(L"nosuch.exe /x", kNotFoundText));
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_FALSE(box.plain);
        EXPECT_EQ(r.rig.processes.lastErrorCalls, 1);
        EXPECT_EQ(r.rig.processes.textRequests, std::vector<DWORD>{ERROR_FILE_NOT_FOUND});
        EXPECT_EQ(r.Changes(), std::vector<Change>{C::Restore});
        EXPECT_TRUE(r.rig.processes.closed.empty());
        EXPECT_TRUE(r.rig.processes.waits.empty());
        EXPECT_TRUE(r.rig.processes.idleWaits.empty());
    }
}

TEST(RunProgramAndRestore, ReportUsesTheSystemTextOfTheActualError) {
    RunRig r;
    r.rig.processes.succeed = false;
    r.rig.processes.error = ERROR_ACCESS_DENIED;
    r.rig.processes.systemTexts[ERROR_ACCESS_DENIED] = L"Access is denied.\r\n";
    r.Run();
    ASSERT_EQ(r.rig.messages.shown.size(), 1u);
    EXPECT_EQ(r.rig.messages.shown[0].text, RunFailed(L"C:\\Games\\game.exe -fullscreen", L"Access is denied.\r\n"));
}

TEST(RunProgramAndRestore, LongCommandLinePassesWhole) {
    RunRig r;
    r.options.programCommandLine = L"\"C:\\" + std::wstring(380, L'd') + L"\\run.exe\" --flag";
    r.rig.processes.succeed = false;
    r.Run();
    ASSERT_EQ(r.rig.processes.starts.size(), 1u);
    EXPECT_EQ(r.rig.processes.starts[0].commandLine, r.options.programCommandLine);
    EXPECT_GT(r.rig.processes.starts[0].bufferSize, r.options.programCommandLine.size());
    ASSERT_EQ(r.rig.messages.shown.size(), 1u);
    EXPECT_EQ(r.rig.messages.shown[0].text, RunFailed(r.options.programCommandLine, kNotFoundText));
}

TEST(RunProgramAndRestore, CommandLineIsReadBackUpToItsZeroAfterCreation) {
    RunRig r;
    r.options.programCommandLine = L"game.exe -a -b";
    r.rig.processes.overwriteCommandLine = std::wstring(L"game.exe\0", 9);
    r.rig.processes.succeed = false;
    r.Run();
    ASSERT_EQ(r.rig.messages.shown.size(), 1u);
    EXPECT_EQ(r.rig.messages.shown[0].text, RunFailed(L"game.exe", kNotFoundText));
}

TEST(CommandLineBuffer, HoldsAtLeastMaxPathAndAlwaysTheWholeTextWithItsZero) {
    for (const size_t length : {size_t{0}, size_t{10}, size_t{259}, size_t{260}, size_t{1000}}) {
        const std::wstring text(length, L'x');
        const std::vector<wchar_t> buffer = CommandLineBuffer(text);
        EXPECT_EQ(buffer.size(), std::max<size_t>(MAX_PATH, length + 1)) << length;
        EXPECT_EQ(std::wstring(buffer.data()), text) << length;
    }
}

TEST(RunProgramAndRestore, WithoutASavedModeNothingIsRestored) {
    RunRig r;
    r.state.savedMode = PreparedDevMode();
    r.Run();
    EXPECT_TRUE(r.rig.display.Changes().empty());
    r.ExpectHandlesClosedOnce();
}

TEST(RunProgramAndRestore, RestoreFailureIsNotReported) {
    RunRig r;
    r.rig.display.changeResults = {DISP_CHANGE_FAILED};
    r.Run();
    EXPECT_EQ(r.Changes(), std::vector<Change>{C::Restore});
    EXPECT_TRUE(r.rig.messages.shown.empty());
}

TEST(RunProgramAndRestore, WithoutAProgramDoesNothing) {
    RunRig r;
    r.options.programCommandLine.clear();
    r.Run();
    EXPECT_TRUE(r.rig.processes.starts.empty());
    EXPECT_TRUE(r.rig.display.calls.empty());
}

namespace {
struct TitleRig {
    FakeRunServices rig;
    CommandLineState state = RunState(rig.display);
    CommandLineOptions options;

    TitleRig() { options.windowTitle = L"Game Window"; }
    void Watch() { WatchWindowsByTitle(options, state, rig.services); }
    HWND AddTitled(const std::wstring& title, bool alive) {
        FakeWindow& window = rig.windows.Add(7000, title);
        window.alive = alive;
        return window.handle;
    }
};
}  // namespace

TEST(WatchWindowsByTitle, NoSuchWindowGivesUpAfterAMinuteWithoutChanges) {
    TitleRig t;
    t.AddTitled(L"Game Window 2", true);
    t.AddTitled(L"game window", true);
    t.Watch();
    EXPECT_EQ(t.rig.windows.findCalls, 60);
    EXPECT_EQ(t.rig.clock.now, 60000u);
    EXPECT_EQ(t.rig.clock.sleeps, std::vector<DWORD>(60, 1000));
    EXPECT_TRUE(t.rig.display.calls.empty());
    EXPECT_TRUE(t.rig.messages.shown.empty());
}

TEST(WatchWindowsByTitle, WatchesTheWindowAndRestoresOnlyThroughTheWatcher) {
    TitleRig t;
    const HWND window = t.AddTitled(L"Game Window", true);
    t.rig.clock.At(1000, [&] { t.rig.windows.Activate(window, true); });
    t.rig.clock.At(3000, [&] { t.rig.windows.Destroy(window); });
    t.Watch();
    EXPECT_EQ(ChangesMade(t.rig.display, t.state), (std::vector<Change>{C::Apply, C::Restore}));
    // Found at once; after the close at 3 s the search goes on every second to the minute.
    EXPECT_EQ(t.rig.windows.findCalls, 1 + 57);
    EXPECT_EQ(t.rig.clock.now, 60000u);
    EXPECT_TRUE(t.rig.processes.starts.empty());
}

TEST(WatchWindowsByTitle, SearchResumesAfterAWatchedWindowClosesAndWatchesTheNextOne) {
    TitleRig t;
    const HWND first = t.AddTitled(L"Game Window", true);
    const HWND second = t.AddTitled(L"Game Window", false);
    t.rig.clock.At(5000, [&] { t.rig.windows.Activate(first, true); });
    t.rig.clock.At(20000, [&] { t.rig.windows.Destroy(first); });
    t.rig.clock.At(30000, [&] {
        t.rig.windows.Get(second).alive = true;
        t.rig.windows.Activate(second, true);
    });
    t.rig.clock.At(40000, [&] { t.rig.windows.Destroy(second); });
    t.Watch();
    EXPECT_EQ(ChangesMade(t.rig.display, t.state), (std::vector<Change>{C::Apply, C::Restore, C::Apply, C::Restore}));
    // 0 s found; 20 to 29 s nothing; 30 s found; 40 to 59 s nothing.
    EXPECT_EQ(t.rig.windows.findCalls, 1 + 10 + 1 + 20);
    EXPECT_EQ(t.rig.clock.now, 60000u);
}

TEST(WatchWindowsByTitle, RunningWatchIsNotCutShortByTheMinute) {
    TitleRig t;
    const HWND window = t.AddTitled(L"Game Window", true);
    t.rig.clock.At(70000, [&] { t.rig.windows.Destroy(window); });
    t.Watch();
    EXPECT_EQ(t.rig.windows.findCalls, 1);
    EXPECT_EQ(t.rig.clock.now, 70000u);
    EXPECT_EQ(ChangesMade(t.rig.display, t.state), std::vector<Change>{C::Restore});
}

TEST(WatchWindowsByTitle, WithoutATitleDoesNothing) {
    TitleRig t;
    t.options.windowTitle.clear();
    t.Watch();
    EXPECT_EQ(t.rig.windows.findCalls, 0);
    EXPECT_EQ(t.rig.clock.now, 0u);
}
