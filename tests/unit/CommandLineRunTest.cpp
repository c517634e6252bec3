#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLineSwitch.h"
#include "app/StartupRun.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeShell.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {

const std::wstring kDisplay1 = L"\\\\.\\DISPLAY1";
const std::wstring kDisplay2 = L"\\\\.\\DISPLAY2";

constexpr DWORD kAttachedPrimary = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE;

// A primary adapter at 1024 x 768, 32 bpp, 60 Hz with four modes, and a second one to its right.
class CommandLineRun : public ::testing::Test {
protected:
    CommandLineRun() {
        display.AddAdapter(kAttachedPrimary, MakeMode(1024, 768, 32, 60),
                           {MakeMode(640, 480, 8, 60), MakeMode(800, 600, 16, 60), MakeMode(800, 600, 32, 75),
                            MakeMode(1024, 768, 32, 60)});
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(1280, 1024, 32, 75, 1024, 0));
    }

    const std::wstring kBadMonitor = LoadResString(IDS_BAD_MONITOR_NUMBER);
    const std::wstring kNoSettings = LoadResString(IDS_NO_SAVED_MODE);
    const std::wstring kNoCurrent = LoadResString(IDS_NO_CURRENT_SETTINGS);
    const std::wstring kNeedMonitor = LoadResString(IDS_NEED_MONITOR_NUMBER);

    StartupRun Run(std::vector<std::wstring> arguments) {
        arguments.insert(arguments.begin(), L"pixmode.exe");
        CommandLineSwitch commandLine(display, messages, shell, desktop.Operations());
        return RunStartup(arguments, updateRegistry, commandLine, [this] { ++dialogs; });
    }

    // The one change call that must have been made.
    DisplayCall OnlyChange() const {
        const std::vector<DisplayCall> changes = display.Changes();
        EXPECT_EQ(changes.size(), 1u);
        return changes.empty() ? DisplayCall{DisplayOp::ChangeSettings, std::nullopt, 0, 0, std::nullopt, 0}
                               : changes.front();
    }

    void ExpectOnlyWarnings(const std::vector<std::wstring>& texts) const {
        EXPECT_EQ(messages.Texts(), texts);
        for (const ShownBox& box : messages.shown) {
            EXPECT_EQ(box.type, static_cast<UINT>(MB_OK)) << testing::PrintToString(box.text);
            EXPECT_FALSE(box.plain);
        }
    }

    FakeDisplay display;
    FakeMessageBox messages;
    FakeShell shell;
    FakeDesktop desktop{&display};
    bool updateRegistry = false;
    int dialogs = 0;
};

}  // namespace

// Device and saved mode

TEST_F(CommandLineRun, WithoutMTheDefaultDeviceIsReadAndTheDialogShown) {
    StartupRun run = Run({});
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(run.state.deviceName.empty());
    ASSERT_EQ(display.calls.size(), 1u);
    EXPECT_EQ(display.calls[0].op, DisplayOp::EnumSettings);
    EXPECT_FALSE(display.calls[0].device.has_value());
    EXPECT_EQ(display.calls[0].number, ENUM_CURRENT_SETTINGS);
    EXPECT_EQ(run.state.savedMode.dmPelsWidth, 1024u);
    EXPECT_EQ(run.state.savedMode.dmPelsHeight, 768u);
    EXPECT_EQ(run.state.savedMode.dmSize, 220);
    EXPECT_EQ(run.state.changeFlags, 0u);
    EXPECT_EQ(run.state.requestedMode.dmFields, 0u);
    EXPECT_EQ(run.state.requestedMode.dmSize, 220);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandLineRun, UAloneShowsTheDialogWithStoredChanges) {
    StartupRun run = Run({L"-u"});
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(updateRegistry);
    EXPECT_EQ(run.state.changeFlags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
    EXPECT_TRUE(display.Changes().empty());
}

TEST_F(CommandLineRun, ProgramAloneShowsTheDialogAndKeepsTheProgram) {
    StartupRun run = Run({L"-Xnotepad"});
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(run.options.programCommandLine, L"notepad");
    EXPECT_TRUE(display.Changes().empty());
}

TEST_F(CommandLineRun, MonitorNumberNamesTheDeviceWhoseModeIsSaved) {
    StartupRun run = Run({L"-M1"});
    EXPECT_EQ(run.state.deviceName, kDisplay2);
    ASSERT_EQ(display.calls.size(), 2u);
    EXPECT_EQ(display.calls[0].op, DisplayOp::EnumDevices);
    EXPECT_FALSE(display.calls[0].device.has_value());
    EXPECT_EQ(display.calls[0].number, 1u);
    EXPECT_EQ(display.calls[0].flags, 0u);
    EXPECT_EQ(display.calls[1].op, DisplayOp::EnumSettings);
    EXPECT_EQ(display.calls[1].device, kDisplay2);
    EXPECT_EQ(display.calls[1].number, ENUM_CURRENT_SETTINGS);
    EXPECT_EQ(run.state.savedMode.dmPelsWidth, 1280u);
    EXPECT_EQ(run.state.savedMode.dmPosition.x, 1024);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandLineRun, MirroringDeviceIsRefusedSilently) {
    display.adapters[1].stateFlags |= DISPLAY_DEVICE_MIRRORING_DRIVER;
    StartupRun run = Run({L"-M1"});
    EXPECT_TRUE(run.state.deviceName.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(display.calls.back().device.has_value());
    EXPECT_EQ(run.state.savedMode.dmPelsWidth, 1024u);
}

TEST_F(CommandLineRun, UnknownMonitorNumbersWarnAndUseTheDefaultDevice) {
    const struct {
        const wchar_t* option;
        DWORD index;
    } cases[] = {{L"-M9", 9u}, {L"-M-1", 0xFFFFFFFFu}};
    for (const auto& c : cases) {
        display.calls.clear();
        messages.shown.clear();
        StartupRun run = Run({c.option});
        EXPECT_TRUE(run.state.deviceName.empty());
        ExpectOnlyWarnings({kBadMonitor});
        ASSERT_EQ(display.calls.size(), 2u);
        EXPECT_EQ(display.calls[0].number, c.index);
        EXPECT_FALSE(display.calls[1].device.has_value());
        EXPECT_EQ(run.state.savedMode.dmPelsWidth, 1024u);
    }
}

TEST_F(CommandLineRun, StoredModeStandsInForAnUnreadableCurrentMode) {
    display.adapters[1].current.reset();
    display.adapters[1].registry = MakeMode(1600, 1200, 16, 85);
    StartupRun run = Run({L"-M1"});
    ASSERT_EQ(display.calls.size(), 3u);
    EXPECT_EQ(display.calls[2].op, DisplayOp::EnumSettings);
    EXPECT_EQ(display.calls[2].device, kDisplay2);
    EXPECT_EQ(display.calls[2].number, ENUM_REGISTRY_SETTINGS);
    EXPECT_EQ(run.state.savedMode.dmPelsHeight, 1200u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandLineRun, NoSavedModeIsReportedAndRefusesTheRequestedSwitch) {
    display.adapters[0].current.reset();
    display.adapters[0].registry.reset();
    StartupRun run = Run({L"-H800"});
    EXPECT_EQ(run.state.savedMode.dmPelsHeight, 0u);
    EXPECT_FALSE(run.state.HasSavedMode());
    ExpectOnlyWarnings({kNoSettings, kNoCurrent});
    EXPECT_TRUE(display.Changes().empty());
    EXPECT_EQ(dialogs, 0);
}

TEST_F(CommandLineRun, NoSavedModeBeforeTheDialogIsReportedOnce) {
    display.adapters[0].current.reset();
    display.adapters[0].registry.reset();
    Run({});
    ExpectOnlyWarnings({kNoSettings});
    EXPECT_EQ(dialogs, 1);
}

// Mode-number switch

TEST_F(CommandLineRun, ModeNumberAppliesTheDefaultDevicesModeAsEnumerated) {
    updateRegistry = true;
    StartupRun run = Run({L"-M1", L"2"});
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(run.state.savedMode.dmPelsWidth, 1280u);  // device 1's, for the restore
    const DisplayCall enumerate = display.calls[display.calls.size() - 2];
    EXPECT_EQ(enumerate.op, DisplayOp::EnumSettings);
    EXPECT_FALSE(enumerate.device.has_value());
    EXPECT_EQ(enumerate.number, 2u);
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.op, DisplayOp::ChangeSettings);
    EXPECT_EQ(change.flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
    ASSERT_TRUE(change.mode.has_value());
    EXPECT_EQ(0, memcmp(&*change.mode, &display.adapters[0].modes[2], sizeof(DEVMODEW)));
    EXPECT_EQ(0, memcmp(&run.state.requestedMode, &display.adapters[0].modes[2], sizeof(DEVMODEW)));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandLineRun, ModeNumberIgnoresModeValuesAndDesktopOptions) {
    Run({L"1", L"-H800", L"-M1", L"-P", L"-S"});
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.op, DisplayOp::ChangeSettings);
    EXPECT_EQ(change.mode->dmPelsWidth, 800u);
    EXPECT_EQ(change.mode->dmBitsPerPel, 16u);
    EXPECT_TRUE(desktop.requests.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandLineRun, BlankAfterTheLetterRunsTheModeNumberSwitch) {
    Run({L"-H", L"800"});
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(display.Changes().empty());
    ExpectOnlyWarnings({FormatResString(IDS_BAD_MODE_NUMBER, {L"800"})});
}

TEST_F(CommandLineRun, UnusableModeNumbersAreReportedEvenWhenQuiet) {
    const struct {
        const wchar_t* argument;
        const wchar_t* text;
        int32_t number;
    } cases[] = {
        {L"4", L"4", 4},
        {L"99999999999", L"2147483647", INT32_MAX},
        {L" -5", L"-5", -5},
        {L" -99999999999", L"-2147483648", INT32_MIN},
    };
    for (const auto& c : cases) {
        display.calls.clear();
        messages.shown.clear();
        Run({L"-Q", c.argument});
        ExpectOnlyWarnings({FormatResString(IDS_BAD_MODE_NUMBER, {c.text})});
        EXPECT_TRUE(display.Changes().empty()) << testing::PrintToString(std::wstring(c.argument));
        // The saved-mode read, then the read of the number as given.
        ASSERT_EQ(display.calls.size(), 2u) << testing::PrintToString(std::wstring(c.argument));
        EXPECT_EQ(display.calls[1].number, static_cast<DWORD>(c.number));
    }
}

// A leading blank makes "-1" and "-2" mode numbers: the service's current and stored modes.
TEST_F(CommandLineRun, NegativeModeNumbersReachTheServiceAsGiven) {
    display.adapters[0].registry = MakeMode(800, 600, 16, 60);
    const struct {
        const wchar_t* argument;
        DWORD width;
    } cases[] = {{L" -1", 1024}, {L" -2", 800}};
    for (const auto& c : cases) {
        display.calls.clear();
        Run({c.argument});
        const DisplayCall change = OnlyChange();
        EXPECT_EQ(change.op, DisplayOp::ChangeSettings);
        ASSERT_TRUE(change.mode.has_value());
        EXPECT_EQ(change.mode->dmPelsWidth, c.width) << testing::PrintToString(std::wstring(c.argument));
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(CommandLineRun, RefusedModeNumberShowsTheSignedErrorUnlessQuiet) {
    display.changeResults = {DISP_CHANGE_BADMODE};
    Run({L"0"});
    ExpectOnlyWarnings({FormatResString(IDS_CHANGE_FAILED, {L"-2"})});

    messages.shown.clear();
    display.changeResults = {DISP_CHANGE_BADMODE};
    Run({L"0", L"-q"});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(display.Changes().size(), 2u);
}

// Desktop options

TEST_F(CommandLineRun, PrimaryAndSoleWithoutADeviceWarnTwice) {
    Run({L"-P", L"-S"});
    ExpectOnlyWarnings({kNeedMonitor, kNeedMonitor});
    EXPECT_TRUE(desktop.requests.empty());
    EXPECT_TRUE(display.Changes().empty());
    EXPECT_EQ(dialogs, 0);
}

TEST_F(CommandLineRun, MirroringDeviceLeavesOnlyTheMonitorWarning) {
    display.adapters[1].stateFlags |= DISPLAY_DEVICE_MIRRORING_DRIVER;
    Run({L"-M1", L"-P"});
    ExpectOnlyWarnings({kNeedMonitor});
    EXPECT_TRUE(desktop.requests.empty());
    EXPECT_TRUE(display.Changes().empty());
}

TEST_F(CommandLineRun, MakePrimaryGetsTheDeviceAndQuietWithNoOwner) {
    Run({L"-M1", L"-P", L"-Q"});
    ASSERT_EQ(desktop.requests.size(), 1u);
    const DesktopRequest& request = desktop.requests[0];
    EXPECT_FALSE(request.sole);
    EXPECT_EQ(request.deviceName, kDisplay2);
    EXPECT_TRUE(request.quiet);
    EXPECT_EQ(request.owner, nullptr);
    EXPECT_EQ(request.display, &display);
    EXPECT_EQ(request.messages, &messages);
    EXPECT_EQ(request.shell, &shell);
    EXPECT_TRUE(display.Changes().empty());  // nothing left to switch
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandLineRun, MakeSoleGetsTheModeValuesAndTheFieldsAsTheyStand) {
    Run({L"-M1", L"-S", L"-H800", L"-V600", L"-C65536", L"-F75", L"-O90"});
    ASSERT_EQ(desktop.requests.size(), 1u);
    const DesktopRequest& request = desktop.requests[0];
    EXPECT_TRUE(request.sole);
    EXPECT_EQ(request.deviceName, kDisplay2);
    // Without P the position mark is still there when S is handled.
    EXPECT_EQ(request.fieldMask, static_cast<DWORD>(DM_POSITION | DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL |
                                                    DM_DISPLAYFREQUENCY | DM_DISPLAYORIENTATION));
    EXPECT_EQ(request.width, 800u);
    EXPECT_EQ(request.height, 600u);
    EXPECT_EQ(request.colourCount, 65536u);
    EXPECT_EQ(request.frequency, 75u);
    EXPECT_FALSE(request.quiet);
    EXPECT_EQ(request.display, &display);
    EXPECT_EQ(request.messages, &messages);
    // The requested-mode switch follows on the device that M named, with every mode value.
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.op, DisplayOp::ChangeSettingsEx);
    EXPECT_EQ(change.device, kDisplay2);
    EXPECT_EQ(change.mode->dmFields, static_cast<DWORD>(DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL |
                                                        DM_DISPLAYFREQUENCY | DM_DISPLAYORIENTATION));
    EXPECT_EQ(change.mode->dmPelsWidth, 800u);
    EXPECT_EQ(change.mode->dmPelsHeight, 600u);
    EXPECT_EQ(change.mode->dmBitsPerPel, 16u);
    EXPECT_EQ(change.mode->dmDisplayFrequency, 75u);
    EXPECT_EQ(change.mode->dmDisplayOrientation, 1u);
    EXPECT_EQ(display.calls.size(), request.displayCallsBefore + 1);
}

TEST_F(CommandLineRun, SwitchAfterSoleReportsARefusalUnlessQuiet) {
    display.changeResults = {DISP_CHANGE_BADMODE};
    Run({L"-M1", L"-S", L"-H800"});
    ASSERT_EQ(desktop.requests.size(), 1u);
    ExpectOnlyWarnings({FormatResString(IDS_CHANGE_REQUEST_FAILED,
                                        {FormatResString(IDS_REQUESTED_MODE, {L"800", L"1024", L"32", L"75"})})});

    messages.shown.clear();
    display.changeResults = {DISP_CHANGE_BADMODE};
    Run({L"-M1", L"-S", L"-H800", L"-Q"});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(display.Changes().size(), 2u);
}

TEST_F(CommandLineRun, SoleWithAWatchedProgramLeavesTheRequestedModeToTheWatcher) {
    for (const std::vector<std::wstring>& watch :
         {std::vector<std::wstring>{L"-R", L"-Xgame.exe"}, std::vector<std::wstring>{L"-TGame"}}) {
        display.calls.clear();
        std::vector<std::wstring> arguments{L"-M1", L"-S", L"-H800", L"-V600"};
        arguments.insert(arguments.end(), watch.begin(), watch.end());
        StartupRun run = Run(arguments);
        EXPECT_TRUE(display.Changes().empty());
        EXPECT_EQ(run.state.requestedMode.dmFields,
                  static_cast<DWORD>(DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY));
        EXPECT_EQ(run.state.requestedMode.dmPelsWidth, 800u);
        EXPECT_EQ(run.state.requestedMode.dmPelsHeight, 600u);
    }
}

TEST_F(CommandLineRun, SoleWithoutADeviceLeavesTheModeValuesToTheSwitch) {
    Run({L"-S", L"-H800"});
    ExpectOnlyWarnings({kNeedMonitor});
    const DisplayCall change = OnlyChange();
    EXPECT_FALSE(change.device.has_value());
    EXPECT_EQ(change.mode->dmPelsWidth, 800u);
}

TEST_F(CommandLineRun, PrimaryThenSoleThenTheModeSwitch) {
    Run({L"-S", L"-H800", L"-P", L"-M1"});
    ASSERT_EQ(desktop.requests.size(), 2u);
    EXPECT_FALSE(desktop.requests[0].sole);
    EXPECT_TRUE(desktop.requests[1].sole);
    // P has cleared the position mark by the time S is handled.
    EXPECT_EQ(desktop.requests[1].fieldMask, static_cast<DWORD>(DM_PELSWIDTH));
    EXPECT_EQ(desktop.requests[1].displayCallsBefore, desktop.requests[0].displayCallsBefore);
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.device, kDisplay2);
    EXPECT_EQ(change.mode->dmPelsWidth, 800u);
}

TEST_F(CommandLineRun, PrimaryWithAModeValueSwitchesAfterwards) {
    Run({L"-M1", L"-P", L"-H800"});
    ASSERT_EQ(desktop.requests.size(), 1u);
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.device, kDisplay2);
    EXPECT_EQ(change.mode->dmPelsWidth, 800u);
    EXPECT_EQ(display.calls.size(), desktop.requests[0].displayCallsBefore + 1);
}

TEST_F(CommandLineRun, PrimaryWithoutADeviceStillSwitchesTheDefaultDevice) {
    Run({L"-P", L"-H800"});
    ExpectOnlyWarnings({kNeedMonitor});
    const DisplayCall change = OnlyChange();
    EXPECT_FALSE(change.device.has_value());
    EXPECT_EQ(change.mode->dmPelsWidth, 800u);
}

// Requested-mode switch

TEST_F(CommandLineRun, WidthAndHeightKeepTheCurrentRateAndEverythingElse) {
    StartupRun run = Run({L"/h800", L"/V600"});
    EXPECT_EQ(dialogs, 0);
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.op, DisplayOp::ChangeSettingsEx);
    EXPECT_FALSE(change.device.has_value());
    EXPECT_EQ(change.flags, 0u);
    ASSERT_TRUE(change.mode.has_value());
    const DEVMODEW& mode = *change.mode;
    EXPECT_EQ(mode.dmSize, 220);
    EXPECT_EQ(mode.dmFields, static_cast<DWORD>(DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY));
    EXPECT_EQ(mode.dmPelsWidth, 800u);
    EXPECT_EQ(mode.dmPelsHeight, 600u);
    EXPECT_EQ(mode.dmBitsPerPel, 32u);
    EXPECT_EQ(mode.dmDisplayFrequency, 60u);
    EXPECT_EQ(0, memcmp(&run.state.requestedMode, &mode, sizeof(DEVMODEW)));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommandLineRun, UpdateRegistryStoresTheChangeOnTheNamedDevice) {
    Run({L"-M1", L"-U", L"-V1024"});
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.device, kDisplay2);
    EXPECT_EQ(change.flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
    EXPECT_EQ(change.mode->dmFields, static_cast<DWORD>(DM_PELSHEIGHT | DM_DISPLAYFREQUENCY));
    EXPECT_EQ(change.mode->dmPelsHeight, 1024u);
    EXPECT_EQ(change.mode->dmPelsWidth, 1280u);
    EXPECT_EQ(change.mode->dmDisplayFrequency, 75u);
}

TEST_F(CommandLineRun, ColourCountRequestsItsLowestSetBit) {
    const struct {
        const wchar_t* option;
        DWORD fields;
        DWORD bits;
    } cases[] = {
        {L"-C256", DM_BITSPERPEL, 8},         {L"-C768", DM_BITSPERPEL, 8},
        {L"-C65536", DM_BITSPERPEL, 16},      {L"-C16777216", DM_BITSPERPEL, 24},
        {L"-C4294967296", DM_BITSPERPEL, 32}, {L"-C0", 0, 32},  // a count of 0 requests no depth
    };
    for (const auto& c : cases) {
        display.calls.clear();
        Run({c.option, L"-H800"});
        const DisplayCall change = OnlyChange();
        EXPECT_EQ(change.mode->dmFields, c.fields | DM_PELSWIDTH | DM_DISPLAYFREQUENCY)
            << testing::PrintToString(std::wstring(c.option));
        EXPECT_EQ(change.mode->dmBitsPerPel, c.bits) << testing::PrintToString(std::wstring(c.option));
    }
}

TEST_F(CommandLineRun, FrequencyFollowsTheCurrentRate) {
    const struct {
        DWORD currentRate;
        bool currentFlagged;
        const wchar_t* option;  // null: no F
        bool flagged;
        DWORD rate;
    } cases[] = {
        {60, true, L"-F75", true, 75},  {0, true, L"-F75", false, 0}, {1, true, L"-F75", false, 1},
        {60, true, nullptr, true, 60},  {0, true, nullptr, true, 0},  {60, false, nullptr, false, 60},
        {60, false, L"-F75", true, 75},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.currentRate << (c.currentFlagged ? " flagged " : " unflagged ")
                                        << (c.option ? "with F" : "without F"));
        display.calls.clear();
        DEVMODEW current = MakeMode(1024, 768, 32, c.currentRate);
        if (!c.currentFlagged) current.dmFields &= ~static_cast<DWORD>(DM_DISPLAYFREQUENCY);
        display.adapters[0].current = current;
        std::vector<std::wstring> arguments = {L"-H800"};
        if (c.option) arguments.push_back(c.option);
        Run(arguments);
        const DisplayCall change = OnlyChange();
        EXPECT_EQ(change.mode->dmFields, DM_PELSWIDTH | (c.flagged ? DM_DISPLAYFREQUENCY : 0u));
        EXPECT_EQ(change.mode->dmDisplayFrequency, c.rate);
    }
}

TEST_F(CommandLineRun, DroppedRateStillHandsAnEmptyRequestToTheService) {
    display.adapters[0].current = MakeMode(1024, 768, 32, 1);
    Run({L"-F75"});
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.op, DisplayOp::ChangeSettingsEx);
    EXPECT_EQ(change.mode->dmFields, 0u);
}

TEST_F(CommandLineRun, OrientationAloneKeepsWidthAndHeight) {
    Run({L"-O90"});
    const DisplayCall change = OnlyChange();
    EXPECT_EQ(change.mode->dmFields, static_cast<DWORD>(DM_DISPLAYORIENTATION | DM_DISPLAYFREQUENCY));
    EXPECT_EQ(change.mode->dmDisplayOrientation, 1u);
    EXPECT_EQ(change.mode->dmPelsWidth, 1024u);
    EXPECT_EQ(change.mode->dmPelsHeight, 768u);
}

TEST_F(CommandLineRun, RefusedRequestShowsTheModeAsBuilt) {
    display.changeResults = {DISP_CHANGE_BADMODE};
    display.adapters[0].current = MakeMode(1024, 768, 32, 0);
    Run({L"-H800", L"-V600", L"-C65536", L"-F75"});
    ExpectOnlyWarnings({FormatResString(IDS_CHANGE_REQUEST_FAILED,
                                        {FormatResString(IDS_REQUESTED_MODE, {L"800", L"600", L"16", L"0"})})});
}

TEST_F(CommandLineRun, QuietRefusedRequestSaysNothingAndTheRunGoesOn) {
    display.changeResults = {DISP_CHANGE_BADMODE};
    StartupRun run = Run({L"-Q", L"-H99999", L"-Xnotepad"});
    EXPECT_EQ(OnlyChange().result, DISP_CHANGE_BADMODE);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(run.options.programCommandLine, L"notepad");
}

TEST_F(CommandLineRun, SwitchIsDeferredOnlyForAWatchedWindow) {
    const struct {
        std::vector<std::wstring> arguments;
        bool switched;
    } cases[] = {
        {{L"-R", L"-H800"}, true},
        {{L"-H800", L"-Xnotepad"}, true},
        {{L"-R", L"-H800", L"-Xnotepad"}, false},
        {{L"-R1", L"-H800", L"-Xnotepad"}, false},
        {{L"-TUntitled - Notepad", L"-H800"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        display.calls.clear();
        StartupRun run = Run(c.arguments);
        EXPECT_EQ(display.Changes().size(), c.switched ? 1u : 0u);
        // The watcher applies the mode later: it is built either way.
        EXPECT_EQ(run.state.requestedMode.dmFields, static_cast<DWORD>(DM_PELSWIDTH | DM_DISPLAYFREQUENCY));
        EXPECT_EQ(run.state.requestedMode.dmPelsWidth, 800u);
    }
    EXPECT_EQ(dialogs, 0);
}
