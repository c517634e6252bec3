#include <gtest/gtest.h>

#include <cstring>

#include "dialog/ModeSwitch.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeSystemRestart.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {
const std::wstring kRestartQuestion = LoadResString(IDS_RESTART_NEEDED);

struct SwitchRun {
    FakeDisplay display;
    FakeMessageBox messages;
    FakeSystemRestart restart;
    SwitchRequest request;

    SwitchRun() {
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE, MakeMode(1920, 1080));
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(1920, 1080, 32, 60, 1920, 0));
        // A mode as the list enumerates it: no position, orientation value present but not flagged.
        request.mode = MakeMode(1920, 1080, 32, 59);
        request.mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY | DM_DISPLAYFLAGS;
        request.deviceName = L"\\\\.\\DISPLAY2";
    }
    bool Run() { return SwitchMode(display, messages, restart, request); }
};
}  // namespace

TEST(ModeSwitch, ModeAtAcceptsOnlyIndicesInsideTheTable) {
    const ModeTable table{MakeMode(640, 480), MakeMode(800, 600)};
    EXPECT_EQ(ModeAt(table, 0), &table[0]);
    EXPECT_EQ(ModeAt(table, 1), &table[1]);
    EXPECT_EQ(ModeAt(table, 2), nullptr);
    EXPECT_EQ(ModeAt(table, -1), nullptr);
    EXPECT_EQ(ModeAt(table, -2), nullptr);
    EXPECT_EQ(ModeAt(ModeTable{}, 0), nullptr);
}

TEST(ModeSwitch, FirstCheckedRotationWins) {
    EXPECT_FALSE(FirstCheckedRotation({false, false, false, false}).has_value());
    EXPECT_EQ(FirstCheckedRotation({true, false, false, false}), 0u);
    EXPECT_EQ(FirstCheckedRotation({false, false, false, true}), 3u);
    EXPECT_EQ(FirstCheckedRotation({false, true, true, false}), 1u);
}

TEST(ModeSwitch, ChangeFlagsFollowTheTwoBoxes) {
    EXPECT_EQ(SwitchChangeFlags(false, false), 0u);
    EXPECT_EQ(SwitchChangeFlags(false, true), 0u);
    EXPECT_EQ(SwitchChangeFlags(true, false), static_cast<DWORD>(CDS_UPDATEREGISTRY));
    EXPECT_EQ(SwitchChangeFlags(true, true), static_cast<DWORD>(CDS_UPDATEREGISTRY | CDS_GLOBAL));
}

TEST(ModeSwitch, OneCallWithTheBoxFlagsForTheNamedDevice) {
    const struct {
        bool permanent, globally;
        DWORD flags;
    } cases[] = {{false, false, 0}, {false, true, 0}, {true, false, 1}, {true, true, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.permanent << c.globally);
        SwitchRun run;
        run.request.changePermanent = c.permanent;
        run.request.changeGlobally = c.globally;
        EXPECT_FALSE(run.Run());
        ASSERT_EQ(run.display.calls.size(), 1u);
        const DisplayCall& call = run.display.calls[0];
        EXPECT_EQ(call.op, DisplayOp::ChangeSettingsEx);
        EXPECT_EQ(call.device, std::wstring(L"\\\\.\\DISPLAY2"));
        EXPECT_EQ(call.flags, c.flags);
        EXPECT_TRUE(run.messages.shown.empty());
        EXPECT_EQ(run.restart.requests, 0);
    }
}

TEST(ModeSwitch, WithoutRotationTheRecordGoesOutAsEnumerated) {
    SwitchRun run;
    run.request.mode.dmDisplayOrientation = 1;
    EXPECT_FALSE(run.Run());
    ASSERT_EQ(run.display.calls.size(), 1u);
    // The refresh rate, the size and the unflagged orientation value all go out untouched.
    EXPECT_EQ(memcmp(&*run.display.calls[0].mode, &run.request.mode, sizeof(DEVMODEW)), 0);
}

TEST(ModeSwitch, EmptyDeviceNameAddressesTheDefaultDevice) {
    SwitchRun run;
    run.request.deviceName.clear();
    run.Run();
    ASSERT_EQ(run.display.calls.size(), 1u);
    EXPECT_FALSE(run.display.calls[0].device.has_value());
}

TEST(ModeSwitch, RotationTurnsTheSizeOnlyBetweenLandscapeAndPortrait) {
    const struct {
        DWORD oldOrientation, rotation;
        DWORD width, height;
        bool refill;
    } cases[] = {
        {0, 0, 1920, 1080, false}, {0, 1, 1080, 1920, true},  {0, 2, 1920, 1080, false}, {0, 3, 1080, 1920, true},
        {1, 0, 1080, 1920, true},  {1, 1, 1920, 1080, false}, {1, 2, 1080, 1920, true},  {1, 3, 1920, 1080, false},
        {2, 1, 1080, 1920, true},  {3, 0, 1080, 1920, true},  {3, 1, 1920, 1080, false}, {3, 2, 1080, 1920, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.oldOrientation << " to " << c.rotation);
        SwitchRun run;
        run.request.mode.dmDisplayOrientation = c.oldOrientation;
        run.request.rotation = c.rotation;
        EXPECT_EQ(run.Run(), c.refill);
        ASSERT_EQ(run.display.calls.size(), 1u);
        const DEVMODEW& sent = *run.display.calls[0].mode;
        EXPECT_EQ(sent.dmPelsWidth, c.width);
        EXPECT_EQ(sent.dmPelsHeight, c.height);
        EXPECT_EQ(sent.dmDisplayOrientation, c.rotation);
        EXPECT_EQ(sent.dmFields, run.request.mode.dmFields | DM_DISPLAYORIENTATION);
        EXPECT_EQ(sent.dmDisplayFrequency, 59u);
        EXPECT_EQ(sent.dmBitsPerPel, 32u);
    }
}

TEST(ModeSwitch, OldOrientationIsReadEvenWhenNotFlagged) {
    SwitchRun run;
    run.request.mode.dmFields &= ~static_cast<DWORD>(DM_DISPLAYORIENTATION);
    run.request.mode.dmDisplayOrientation = 1;
    run.request.rotation = 3;
    EXPECT_FALSE(run.Run());
    EXPECT_EQ(run.display.calls[0].mode->dmPelsWidth, 1920u);
}

TEST(ModeSwitch, RefusedQuarterTurnIsReportedAndNeedsNoRefill) {
    const struct {
        LONG result;
        std::wstring text;
    } cases[] = {
        {DISP_CHANGE_BADMODE, FormatResString(IDS_CHANGE_FAILED, {L"-2"})},
        {DISP_CHANGE_BADPARAM, FormatResString(IDS_CHANGE_FAILED, {L"-5"})},
        {DISP_CHANGE_FAILED, FormatResString(IDS_CHANGE_FAILED, {L"-1"})},
        {2, FormatResString(IDS_CHANGE_FAILED, {L"2"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        SwitchRun run;
        run.request.rotation = 1;
        run.display.changeResults = {c.result};
        EXPECT_FALSE(run.Run());
        EXPECT_EQ(run.display.calls.size(), 1u);
        ASSERT_EQ(run.messages.shown.size(), 1u);
        EXPECT_EQ(run.messages.shown[0].text, c.text);
        EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
        EXPECT_EQ(run.restart.requests, 0);
    }
}

TEST(ModeSwitch, RestartDeclinedDoesNothingMore) {
    SwitchRun run;
    run.request.rotation = 1;
    run.display.changeResults = {DISP_CHANGE_RESTART};
    run.messages.answers = {IDNO};
    EXPECT_FALSE(run.Run());
    EXPECT_EQ(run.display.calls.size(), 1u);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text, kRestartQuestion);
    EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(FrameworkBoxStyle(run.messages.shown[0].type),
              static_cast<UINT>(MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION));
    EXPECT_EQ(run.restart.requests, 0);
}

TEST(ModeSwitch, RestartAcceptedStoresTheModeFirstUnlessAlreadyStored) {
    const struct {
        bool permanent, globally;
        std::vector<DWORD> flags;
    } cases[] = {
        {false, false, {0, CDS_UPDATEREGISTRY}},
        {false, true, {0, CDS_UPDATEREGISTRY | CDS_GLOBAL}},
        {true, false, {CDS_UPDATEREGISTRY}},
        {true, true, {CDS_UPDATEREGISTRY | CDS_GLOBAL}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.permanent << c.globally);
        SwitchRun run;
        run.request.changePermanent = c.permanent;
        run.request.changeGlobally = c.globally;
        run.request.rotation = 1;
        // The store's own result does not matter.
        run.display.changeResults = {DISP_CHANGE_RESTART, DISP_CHANGE_FAILED};
        run.messages.answers = {IDYES};
        size_t callsAtRestart = 0;
        run.restart.onRequest = [&] { callsAtRestart = run.display.calls.size(); };
        // A restart path never asks for a refill, even after a quarter turn.
        EXPECT_FALSE(run.Run());
        ASSERT_EQ(run.display.calls.size(), c.flags.size());
        for (size_t i = 0; i < c.flags.size(); ++i) {
            const DisplayCall& call = run.display.calls[i];
            EXPECT_EQ(call.op, DisplayOp::ChangeSettingsEx);
            EXPECT_EQ(call.device, std::wstring(L"\\\\.\\DISPLAY2"));
            EXPECT_EQ(call.flags, c.flags[i]);
            EXPECT_EQ(call.mode->dmPelsWidth, 1080u);
            EXPECT_EQ(call.mode->dmDisplayOrientation, 1u);
            EXPECT_EQ(memcmp(&*call.mode, &*run.display.calls[0].mode, sizeof(DEVMODEW)), 0);
        }
        EXPECT_EQ(run.restart.requests, 1);
        EXPECT_EQ(callsAtRestart, c.flags.size());
        EXPECT_EQ(run.messages.Texts(), std::vector<std::wstring>{kRestartQuestion});
    }
}
