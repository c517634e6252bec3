#include <gtest/gtest.h>

#include "desktop/MakePrimary.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeShell.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "unit/StagedChanges.h"

namespace {
constexpr DWORD kStage = CDS_UPDATEREGISTRY | CDS_NORESET;                           // 0x10000001
constexpr DWORD kStagePrimary = CDS_UPDATEREGISTRY | CDS_NORESET | CDS_SET_PRIMARY;  // 0x10000011
constexpr DWORD kMoved = DM_POSITION | DM_DISPLAYFREQUENCY;
const HWND kOwner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x5150));

const std::wstring kQuestion = LoadResString(IDS_PRIMARY_NOT_IN_DESKTOP);
const std::wstring kPrimaryChanged = LoadResString(IDS_PRIMARY_CHANGED);

struct MakePrimaryRun {
    FakeDisplay display;
    FakeMessageBox messages;
    FakeShell shell;

    void Run(const std::wstring& name, bool quiet = false) {
        MakePrimary(display, messages, shell, kOwner, name, quiet);
    }
};

bool SameOp(const DisplayCall& call, DisplayOp op, const wchar_t* device, DWORD number) {
    if (call.op != op || call.number != number) return false;
    return device == nullptr ? !call.device.has_value() : call.device == std::wstring(device);
}
}  // namespace

TEST(MakePrimary, SecondOfTwoBecomesPrimaryAndTheFirstMovesLeft) {
    MakePrimaryRun run;
    run.display.AddAdapter(kPrimary, MakeMode(1920, 1080, 32, 60, 0, 0));
    run.display.AddAdapter(kAttached, MakeMode(1920, 1080, 32, 60, 1920, 0));
    run.Run(DisplayName(2));

    // Collection reads each attached device's current mode right after enumerating it.
    const auto& calls = run.display.calls;
    ASSERT_GE(calls.size(), 5u);
    EXPECT_TRUE(SameOp(calls[0], DisplayOp::EnumDevices, nullptr, 0));
    EXPECT_EQ(calls[0].flags, 0u);
    EXPECT_TRUE(SameOp(calls[1], DisplayOp::EnumSettings, L"\\\\.\\DISPLAY1", ENUM_CURRENT_SETTINGS));
    EXPECT_TRUE(SameOp(calls[2], DisplayOp::EnumDevices, nullptr, 1));
    EXPECT_TRUE(SameOp(calls[3], DisplayOp::EnumSettings, L"\\\\.\\DISPLAY2", ENUM_CURRENT_SETTINGS));
    EXPECT_TRUE(SameOp(calls[4], DisplayOp::EnumDevices, nullptr, 2));
    EXPECT_EQ(calls[4].result, 0);

    ExpectStagedTwiceThenCommit(
        run.display, {{DisplayName(1), -1920, 0, kMoved, kStage}, {DisplayName(2), 0, 0, kMoved, kStagePrimary}});
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text, kPrimaryChanged);
    EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(run.shell.requests.empty());
}

TEST(MakePrimary, StagedModeKeepsEverythingButPositionAndFields) {
    MakePrimaryRun run;
    run.display.AddAdapter(kPrimary, MakeMode(1920, 1080, 32, 60, 0, 0));
    DEVMODEW second = MakeMode(1280, 1024, 16, 75, 1920, 56, 2);
    run.display.AddAdapter(kAttached, second);
    run.Run(DisplayName(2));
    const auto changes = run.display.Changes();
    ASSERT_EQ(changes.size(), 5u);
    DEVMODEW sent = *changes[2].mode;
    EXPECT_EQ(sent.dmPelsWidth, 1280u);
    EXPECT_EQ(sent.dmPelsHeight, 1024u);
    EXPECT_EQ(sent.dmBitsPerPel, 16u);
    EXPECT_EQ(sent.dmDisplayFrequency, 75u);
    EXPECT_EQ(sent.dmDisplayOrientation, 2u);
    EXPECT_EQ(sent.dmSize, sizeof(DEVMODEW));
    sent.dmPosition = second.dmPosition;
    sent.dmFields = second.dmFields;
    EXPECT_EQ(memcmp(&sent, &second, sizeof(DEVMODEW)), 0);
}

TEST(MakePrimary, ShiftsEveryDeviceByTheTargetsOldPosition) {
    struct Case {
        const char* name;
        std::vector<POINTL> positions;  // the first is the present primary
        int target;                     // 1-based
        std::vector<ExpectedStage> stages;
    };
    const Case cases[] = {
        {"three devices, target far from the origin",
         {{0, 0}, {1920, 0}, {3840, 200}},
         3,
         {{DisplayName(1), -3840, -200, kMoved, kStage},
          {DisplayName(2), -1920, -200, kMoved, kStagePrimary},
          {DisplayName(3), 0, 0, kMoved, kStagePrimary}}},
        {"target left of and above the primary",
         {{0, 0}, {-1280, -100}, {1920, 0}},
         2,
         {{DisplayName(1), 1280, 100, kMoved, kStage},
          {DisplayName(2), 0, 0, kMoved, kStagePrimary},
          {DisplayName(3), 3200, 100, kMoved, kStagePrimary}}},
        {"primary listed after the target",
         {{-1024, 0}, {0, 0}},
         1,
         {{DisplayName(1), 0, 0, kMoved, kStagePrimary}, {DisplayName(2), 1024, 0, kMoved, kStage}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakePrimaryRun run;
        for (const POINTL& at : c.positions) {
            const bool primary = at.x == 0 && at.y == 0;
            run.display.AddAdapter(primary ? kPrimary : kAttached, MakeMode(1024, 768, 32, 60, at.x, at.y));
        }
        run.Run(DisplayName(c.target));
        ExpectStagedTwiceThenCommit(run.display, c.stages);
        EXPECT_EQ(run.messages.Texts(), std::vector<std::wstring>{kPrimaryChanged});
    }
}

TEST(MakePrimary, RefreshRateIsNamedOnlyWhenNotTheHardwareDefault) {
    const struct {
        DWORD frequency;
        DWORD fields;
    } cases[] = {{0, DM_POSITION}, {1, DM_POSITION}, {2, kMoved}, {60, kMoved}, {75, kMoved}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        MakePrimaryRun run;
        run.display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, c.frequency, 0, 0));
        run.display.AddAdapter(kAttached, MakeMode(800, 600, 32, 60, 1024, 0));
        run.Run(DisplayName(2));
        ExpectStagedTwiceThenCommit(
            run.display, {{DisplayName(1), -1024, 0, c.fields, kStage}, {DisplayName(2), 0, 0, kMoved, kStagePrimary}});
        EXPECT_EQ(run.display.Changes()[0].mode->dmDisplayFrequency, c.frequency);
    }
}

TEST(MakePrimary, RefusalsChangeNothingAndQuietHidesThem) {
    const struct {
        DWORD targetFlags;
        std::wstring text;
    } cases[] = {
        {kAttached | DISPLAY_DEVICE_REMOVABLE, LoadResString(IDS_PRIMARY_REMOVABLE)},
        {kPrimary | DISPLAY_DEVICE_REMOVABLE, LoadResString(IDS_PRIMARY_REMOVABLE)},
        {kPrimary, LoadResString(IDS_ALREADY_PRIMARY)},
    };
    for (const auto& c : cases) {
        for (bool quiet : {false, true}) {
            SCOPED_TRACE(testing::Message() << std::hex << c.targetFlags << (quiet ? " quiet" : ""));
            MakePrimaryRun run;
            run.display.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, -1024, 0));
            run.display.AddAdapter(c.targetFlags, MakeMode(1024, 768, 32, 60, 0, 0));
            run.Run(DisplayName(2), quiet);
            EXPECT_TRUE(run.display.Changes().empty());
            EXPECT_TRUE(run.shell.requests.empty());
            if (quiet) {
                EXPECT_TRUE(run.messages.shown.empty());
            } else {
                ASSERT_EQ(run.messages.shown.size(), 1u);
                EXPECT_EQ(run.messages.shown[0].text, c.text);
                EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
            }
        }
    }
}

TEST(MakePrimary, DeviceOutsideTheDesktopIsOfferedTheControlPanel) {
    struct Case {
        const char* name;
        std::wstring target;
        void (*arrange)(FakeDisplay&);
    };
    const Case cases[] = {
        {"unknown name", L"\\\\.\\DISPLAY9", [](FakeDisplay& d) { d.AddAdapter(kPrimary, MakeMode(1024, 768)); }},
        {"letter case differs", L"\\\\.\\display2",
         [](FakeDisplay& d) {
             d.AddAdapter(kPrimary, MakeMode(1024, 768));
             d.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 1024, 0));
         }},
        {"trailing character differs", L"\\\\.\\DISPLAY2 ",
         [](FakeDisplay& d) {
             d.AddAdapter(kPrimary, MakeMode(1024, 768));
             d.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 1024, 0));
         }},
        {"not attached", L"\\\\.\\DISPLAY2",
         [](FakeDisplay& d) {
             d.AddAdapter(kPrimary, MakeMode(1024, 768));
             d.AddAdapter(0, MakeMode(1024, 768, 32, 60, 1024, 0));
         }},
        {"current mode unreadable", L"\\\\.\\DISPLAY2",
         [](FakeDisplay& d) {
             d.AddAdapter(kPrimary, MakeMode(1024, 768));
             d.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 1024, 0)).current.reset();
         }},
        {"no devices at all", L"\\\\.\\DISPLAY1", [](FakeDisplay&) {}},
    };
    for (const Case& c : cases) {
        for (int answer : {IDYES, IDNO}) {
            for (bool quiet : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << c.name << (answer == IDYES ? " yes" : " no") << (quiet ? " quiet" : ""));
                MakePrimaryRun run;
                c.arrange(run.display);
                run.messages.answers = {answer};
                run.Run(c.target, quiet);
                ASSERT_EQ(run.messages.shown.size(), 1u);
                EXPECT_EQ(run.messages.shown[0].text, kQuestion);
                EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_YESNO));
                EXPECT_EQ(FrameworkBoxStyle(run.messages.shown[0].type), static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
                EXPECT_TRUE(run.display.Changes().empty());
                if (answer == IDNO) {
                    EXPECT_TRUE(run.shell.requests.empty());
                    continue;
                }
                ASSERT_EQ(run.shell.requests.size(), 1u);
                const ShellRequest& request = run.shell.requests[0];
                EXPECT_EQ(request.owner, kOwner);
                EXPECT_EQ(request.verb, L"");
                EXPECT_EQ(request.file, L"Control");
                EXPECT_EQ(request.parameters, L"desk.cpl,Display,3");
                EXPECT_EQ(request.directory, L"");
                EXPECT_EQ(request.show, SW_SHOWNORMAL);
                EXPECT_FALSE(request.extended);
            }
        }
    }
}

TEST(MakePrimary, DetachedDevicesAreNeitherReadNorStaged) {
    MakePrimaryRun run;
    run.display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60, 0, 0));
    run.display.AddAdapter(0, MakeMode(800, 600, 32, 60, 5000, 0));
    run.display.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 1024, 0)).current.reset();
    run.display.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 0, 768));
    run.Run(DisplayName(4));
    for (const DisplayCall& call : run.display.calls) {
        if (call.op == DisplayOp::EnumSettings) {
            EXPECT_NE(call.device, DisplayName(2));
        }
    }
    ExpectStagedTwiceThenCommit(
        run.display, {{DisplayName(1), 0, -768, kMoved, kStage}, {DisplayName(4), 0, 0, kMoved, kStagePrimary}});
}

TEST(MakePrimary, StagingFailureStopsWithoutCommitEvenWhenQuiet) {
    const struct {
        const char* name;
        std::deque<LONG> results;
        size_t changeCalls;
        std::wstring text;
    } cases[] = {
        {"first call at the second device",
         {0, 0, -1},
         3,
         FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY2", L"-1"})},
        {"second identical call at the first device",
         {0, -3},
         2,
         FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY1", L"-3"})},
        {"restart asked for is a failure here", {1}, 1, FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY1", L"1"})},
    };
    for (const auto& c : cases) {
        for (bool quiet : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (quiet ? " quiet" : ""));
            MakePrimaryRun run;
            run.display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60, 0, 0));
            run.display.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 1024, 0));
            run.display.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 2048, 0));
            run.display.changeResults = c.results;
            run.Run(DisplayName(3), quiet);
            const auto changes = run.display.Changes();
            ASSERT_EQ(changes.size(), c.changeCalls);
            for (const DisplayCall& call : changes) EXPECT_EQ(call.op, DisplayOp::ChangeSettingsEx);
            ASSERT_EQ(run.messages.shown.size(), 1u);
            EXPECT_EQ(run.messages.shown[0].text, c.text);
            EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
        }
    }
}

TEST(MakePrimary, CommitFailureIsReportedEvenWhenQuiet) {
    for (bool quiet : {false, true}) {
        SCOPED_TRACE(quiet);
        MakePrimaryRun run;
        run.display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60, 0, 0));
        run.display.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 1024, 0));
        run.display.changeResults = {0, 0, 0, 0, DISP_CHANGE_FAILED};
        run.Run(DisplayName(2), quiet);
        ExpectStagedTwiceThenCommit(
            run.display, {{DisplayName(1), -1024, 0, kMoved, kStage}, {DisplayName(2), 0, 0, kMoved, kStagePrimary}});
        EXPECT_EQ(run.messages.Texts(), std::vector<std::wstring>{LoadResString(IDS_COMMIT_FAILED)});
        EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
    }
}

TEST(MakePrimary, QuietSuccessShowsNothing) {
    MakePrimaryRun run;
    run.display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60, 0, 0));
    run.display.AddAdapter(kAttached, MakeMode(1024, 768, 32, 60, 1024, 0));
    run.Run(DisplayName(2), true);
    ExpectStagedTwiceThenCommit(
        run.display, {{DisplayName(1), -1024, 0, kMoved, kStage}, {DisplayName(2), 0, 0, kMoved, kStagePrimary}});
    EXPECT_TRUE(run.messages.shown.empty());
}
