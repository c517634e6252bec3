#include <gtest/gtest.h>

#include <cstring>

#include "desktop/ExtendDesktop.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {
struct ExtendRun {
    FakeDisplay display;
    FakeMessageBox messages;
    DEVMODEW chosen = MakeMode(1024, 768, 16, 75, 1920, 0, 0);

    ExtendRun() {
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE, MakeMode(1920, 1080));
        display.AddAdapter(0, MakeMode(1024, 768));
        chosen.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    }
};
}  // namespace

TEST(ExtendDesktop, NoChosenModeIsReportedAndChangesNothing) {
    ExtendRun run;
    ExtendDesktop(run.display, run.messages, L"\\\\.\\DISPLAY2", nullptr, false);
    EXPECT_TRUE(run.display.calls.empty());
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text, LoadResString(IDS_NO_MODE_SELECTED));
    EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
}

TEST(ExtendDesktop, StagesTheChosenModeAtItsPositionThenCommitsWithTheSameFlags) {
    const struct {
        bool globally;
        DWORD flags;
    } cases[] = {{false, CDS_UPDATEREGISTRY}, {true, CDS_UPDATEREGISTRY | CDS_GLOBAL}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.globally);
        ExtendRun run;
        ExtendDesktop(run.display, run.messages, L"\\\\.\\DISPLAY2", &run.chosen, c.globally);
        ASSERT_EQ(run.display.calls.size(), 2u);
        const DisplayCall& stage = run.display.calls[0];
        EXPECT_EQ(stage.op, DisplayOp::ChangeSettingsEx);
        EXPECT_EQ(stage.device, std::wstring(L"\\\\.\\DISPLAY2"));
        EXPECT_EQ(stage.flags, c.flags | CDS_NORESET);
        ASSERT_TRUE(stage.mode.has_value());
        DEVMODEW expected = run.chosen;
        expected.dmFields |= DM_POSITION;
        EXPECT_EQ(memcmp(&*stage.mode, &expected, sizeof(DEVMODEW)), 0);
        const DisplayCall& commit = run.display.calls[1];
        EXPECT_EQ(commit.op, DisplayOp::ChangeSettings);
        EXPECT_FALSE(commit.mode.has_value());
        EXPECT_EQ(commit.flags, c.flags);
        EXPECT_TRUE(run.messages.shown.empty());
    }
}

TEST(ExtendDesktop, EmptyDeviceNameAddressesTheDefaultDevice) {
    ExtendRun run;
    ExtendDesktop(run.display, run.messages, L"", &run.chosen, false);
    ASSERT_EQ(run.display.calls.size(), 2u);
    EXPECT_FALSE(run.display.calls[0].device.has_value());
}

TEST(ExtendDesktop, RefusedStageIsSilentAndNotCommitted) {
    ExtendRun run;
    run.display.changeResults = {DISP_CHANGE_BADMODE};
    ExtendDesktop(run.display, run.messages, L"\\\\.\\DISPLAY2", &run.chosen, false);
    ASSERT_EQ(run.display.calls.size(), 1u);
    EXPECT_EQ(run.display.calls[0].op, DisplayOp::ChangeSettingsEx);
    EXPECT_TRUE(run.messages.shown.empty());
}

TEST(ExtendDesktop, CommitResultIsIgnored) {
    ExtendRun run;
    run.display.changeResults = {0, DISP_CHANGE_FAILED};
    ExtendDesktop(run.display, run.messages, L"\\\\.\\DISPLAY2", &run.chosen, false);
    EXPECT_EQ(run.display.calls.size(), 2u);
    EXPECT_TRUE(run.messages.shown.empty());
}
