// The service's every refusal code at the calls the other suites test with one or two codes only,
// and failures in the middle of a command-line run that goes on afterwards.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "app/CommandLineSwitch.h"
#include "app/StartupRun.h"
#include "desktop/ExtendDesktop.h"
#include "desktop/MakePrimary.h"
#include "desktop/MakeSole.h"
#include "dialog/ModeSwitch.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSystemRestart.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {

const std::wstring kDisplay2 = L"\\\\.\\DISPLAY2";

// Everything but success: the restart answer, the documented failures and codes no documentation names.
const LONG kRefusals[] = {DISP_CHANGE_RESTART,
                          DISP_CHANGE_FAILED,
                          DISP_CHANGE_BADMODE,
                          DISP_CHANGE_NOTUPDATED,
                          DISP_CHANGE_BADFLAGS,
                          DISP_CHANGE_BADPARAM,
                          DISP_CHANGE_BADDUALVIEW,
                          2,
                          -1000};

std::wstring ModeNumberRefusal(LONG result) { return FormatResString(IDS_CHANGE_FAILED, {std::to_wstring(result)}); }

// Two adapters side by side; the command line runs with the real desktop operations.
struct CommandLine {
    FakeDisplay display;
    FakeMessageBox messages;
    FakeShell shell;
    bool updateRegistry = false;
    int dialogs = 0;

    CommandLine() {
        display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60),
                           {MakeMode(640, 480, 8, 60), MakeMode(800, 600, 16, 60)});
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(1280, 1024, 32, 75, 1024, 0));
    }
    StartupRun Start(std::vector<std::wstring> arguments) {
        arguments.insert(arguments.begin(), L"pixmode.exe");
        CommandLineSwitch commandLine(display, messages, shell);
        return RunStartup(arguments, updateRegistry, commandLine, [this] { ++dialogs; });
    }
};

}  // namespace

TEST(FailurePaths, ModeNumberSwitchReportsEveryRefusalUnlessQuiet) {
    for (LONG result : kRefusals) {
        for (bool quiet : {false, true}) {
            SCOPED_TRACE(testing::Message() << result << (quiet ? " quiet" : ""));
            CommandLine run;
            run.display.changeResults = {result};
            std::vector<std::wstring> arguments = {L"1"};
            if (quiet) arguments.push_back(L"-Q");
            const StartupRun started = run.Start(arguments);
            ASSERT_EQ(run.display.Changes().size(), 1u);
            EXPECT_EQ(run.display.Changes()[0].op, DisplayOp::ChangeSettings);
            // Nothing is retried, and a restart answer restarts nothing: it is reported as a failure.
            EXPECT_EQ(run.messages.Texts(),
                      quiet ? std::vector<std::wstring>{} : std::vector<std::wstring>{ModeNumberRefusal(result)});
            EXPECT_EQ(started.state.savedMode.dmPelsWidth, 1024u);
            EXPECT_EQ(run.dialogs, 0);
        }
    }
}

TEST(FailurePaths, RequestedSwitchReportsEveryRefusalUnlessQuietAndKeepsTheSavedMode) {
    const std::wstring text = FormatResString(IDS_CHANGE_REQUEST_FAILED,
                                              {FormatResString(IDS_REQUESTED_MODE, {L"800", L"600", L"32", L"75"})});
    for (LONG result : kRefusals) {
        for (bool quiet : {false, true}) {
            SCOPED_TRACE(testing::Message() << result << (quiet ? " quiet" : ""));
            CommandLine run;
            run.display.changeResults = {result};
            std::vector<std::wstring> arguments = {L"-M1", L"-H800", L"-V600", L"-Xgame.exe"};
            if (quiet) arguments.push_back(L"-Q");
            const StartupRun started = run.Start(arguments);
            const auto changes = run.display.Changes();
            ASSERT_EQ(changes.size(), 1u);
            EXPECT_EQ(changes[0].device, kDisplay2);
            EXPECT_EQ(run.messages.Texts(), quiet ? std::vector<std::wstring>{} : std::vector<std::wstring>{text});
            // The mode to put back after the program is the one from before the refusal.
            EXPECT_EQ(started.state.savedMode.dmPelsWidth, 1280u);
            EXPECT_EQ(started.state.savedMode.dmPelsHeight, 1024u);
            EXPECT_EQ(started.options.programCommandLine, L"game.exe");
            // A refused change leaves the device as it was.
            EXPECT_EQ(run.display.adapters[1].current->dmPelsWidth, 1280u);
        }
    }
}

TEST(FailurePaths, FailedPrimaryStagingIsReportedWhenQuietAndTheSwitchStillFollows) {
    CommandLine run;
    run.display.changeResults = {DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_BADPARAM};
    run.Start({L"-M1", L"-P", L"-Q", L"-H800"});
    const auto changes = run.display.Changes();
    // The two stagings of the first device (the second refused), no commit, then the switch.
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].op, DisplayOp::ChangeSettingsEx);
    EXPECT_NE(changes[1].flags & CDS_NORESET, 0u);
    EXPECT_EQ(changes[2].op, DisplayOp::ChangeSettingsEx);
    EXPECT_EQ(changes[2].device, kDisplay2);
    EXPECT_EQ(changes[2].flags, 0u);
    EXPECT_EQ(changes[2].mode->dmPelsWidth, 800u);
    EXPECT_EQ(run.messages.Texts(),
              std::vector<std::wstring>{FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY1", L"-5"})});
}

TEST(FailurePaths, FailedSoleCommitIsReportedWhenQuietAndTheSwitchStillFollows) {
    CommandLine run;
    run.display.changeResults = {0, 0, 0, 0, DISP_CHANGE_RESTART, DISP_CHANGE_BADMODE};
    run.Start({L"-M1", L"-S", L"-Q", L"-H800", L"-V600"});
    const auto changes = run.display.Changes();
    ASSERT_EQ(changes.size(), 6u);
    EXPECT_EQ(changes[4].op, DisplayOp::ChangeSettings);
    EXPECT_FALSE(changes[4].mode.has_value());
    EXPECT_EQ(changes[5].op, DisplayOp::ChangeSettingsEx);
    EXPECT_EQ(changes[5].device, kDisplay2);
    EXPECT_EQ(changes[5].mode->dmPelsWidth, 800u);
    // Quiet keeps the refused switch silent; the desktop failure is always told.
    EXPECT_EQ(run.messages.Texts(), std::vector<std::wstring>{LoadResString(IDS_COMMIT_FAILED)});
}

TEST(FailurePaths, UnknownMonitorWithPrimaryAndSoleWarnsThreeTimesAndChangesNothing) {
    CommandLine run;
    run.Start({L"-M7", L"-P", L"-S", L"-Q"});
    EXPECT_TRUE(run.display.Changes().empty());
    const std::wstring needMonitor = LoadResString(IDS_NEED_MONITOR_NUMBER);
    EXPECT_EQ(run.messages.Texts(),
              (std::vector<std::wstring>{LoadResString(IDS_BAD_MONITOR_NUMBER), needMonitor, needMonitor}));
}

TEST(FailurePaths, ExtendCommitsOnlyAfterAnAcceptedStageAndNeverSpeaks) {
    for (LONG result : kRefusals) {
        SCOPED_TRACE(result);
        FakeDisplay display;
        FakeMessageBox messages;
        display.AddAdapter(kPrimary, MakeMode(1024, 768));
        display.changeResults = {result};
        const DEVMODEW mode = MakeMode(800, 600, 32, 60, 1024, 0);
        ExtendDesktop(display, messages, kDisplay2, &mode, false);
        ASSERT_EQ(display.Changes().size(), 1u);
        EXPECT_EQ(display.Changes()[0].op, DisplayOp::ChangeSettingsEx);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(FailurePaths, DesktopStagingStopsAtEveryRefusalAndCommitsNothing) {
    for (LONG result : kRefusals) {
        for (bool sole : {false, true}) {
            SCOPED_TRACE(testing::Message() << result << (sole ? " sole" : " primary"));
            FakeDisplay display;
            FakeMessageBox messages;
            FakeShell shell;
            display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60));
            display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(800, 600, 32, 60, 1024, 0));
            // The first device's first staging is accepted, its identical second one refused.
            display.changeResults = {DISP_CHANGE_SUCCESSFUL, result};
            if (sole) {
                MakeSole(display, messages, kDisplay2, 0, 0, 0, 0, 0, true);
            } else {
                MakePrimary(display, messages, shell, nullptr, kDisplay2, true);
            }
            const auto changes = display.Changes();
            ASSERT_EQ(changes.size(), 2u);
            for (const DisplayCall& call : changes) EXPECT_EQ(call.device, std::wstring(L"\\\\.\\DISPLAY1"));
            EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{FormatResString(
                                            IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY1", std::to_wstring(result)})});
            EXPECT_TRUE(shell.requests.empty());
        }
    }
}

TEST(FailurePaths, DesktopCommitRefusalsAreReportedAsFailures) {
    for (LONG result : kRefusals) {
        for (bool sole : {false, true}) {
            SCOPED_TRACE(testing::Message() << result << (sole ? " sole" : " primary"));
            FakeDisplay display;
            FakeMessageBox messages;
            FakeShell shell;
            display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60));
            display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(800, 600, 32, 60, 1024, 0));
            display.changeResults = {0, 0, 0, 0, result};
            if (sole) {
                MakeSole(display, messages, kDisplay2, 0, 0, 0, 0, 0, false);
            } else {
                MakePrimary(display, messages, shell, nullptr, kDisplay2, false);
            }
            EXPECT_EQ(display.Changes().size(), 5u);
            EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{LoadResString(IDS_COMMIT_FAILED)});
        }
    }
}

TEST(FailurePaths, DialogSwitchReportsEveryFailureCodeAndRestartsNothing) {
    for (LONG result : kRefusals) {
        if (result == DISP_CHANGE_RESTART) continue;  // the restart offer has its own tests
        for (bool permanent : {false, true}) {
            SCOPED_TRACE(testing::Message() << result << (permanent ? " permanent" : ""));
            FakeDisplay display;
            FakeMessageBox messages;
            FakeSystemRestart restart;
            display.changeResults = {result};
            SwitchRequest request{MakeMode(1920, 1080), kDisplay2, permanent, false, DWORD{1}};
            EXPECT_FALSE(SwitchMode(display, messages, restart, request));
            EXPECT_EQ(display.calls.size(), 1u);
            EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{ModeNumberRefusal(result)});
            EXPECT_EQ(restart.requests, 0);
        }
    }
}
