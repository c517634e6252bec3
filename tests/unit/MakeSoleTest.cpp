#include <gtest/gtest.h>

#include "desktop/MakeSole.h"
#include "display/DisplayRecords.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "unit/StagedChanges.h"

namespace {
constexpr DWORD kDetach = CDS_UPDATEREGISTRY | CDS_NORESET;                  // 0x10000001
constexpr DWORD kSole = CDS_UPDATEREGISTRY | CDS_NORESET | CDS_SET_PRIMARY;  // 0x10000011
constexpr DWORD kSize = DM_PELSWIDTH | DM_PELSHEIGHT;
constexpr DWORD kFreq = DM_DISPLAYFREQUENCY;
constexpr DWORD kPos = DM_POSITION;

const std::wstring kSoleChanged = LoadResString(IDS_SOLE_CHANGED);
const std::wstring kNotInDesktop = LoadResString(IDS_SOLE_NOT_IN_DESKTOP);

struct Request {
    DWORD mask = 0;
    DWORD width = 0;
    DWORD height = 0;
    uint64_t colourCount = 0;
    DWORD frequency = 0;
    bool quiet = false;
};

struct MakeSoleRun {
    FakeDisplay display;
    FakeMessageBox messages;

    // A primary at the origin with 60 Hz and a second device to its right at 75 Hz.
    void TwoDevices() {
        display.AddAdapter(kPrimary, MakeMode(1920, 1080, 32, 60, 0, 0));
        display.AddAdapter(kAttached, MakeMode(1280, 1024, 32, 75, 1920, 0));
    }
    void Run(const std::wstring& name, const Request& request = {}) {
        MakeSole(display, messages, name, request.mask, request.width, request.height, request.colourCount,
                 request.frequency, request.quiet);
    }
    // The mode of the target's first staging call.
    DEVMODEW Staged(int number) const {
        for (const DisplayCall& call : display.Changes()) {
            if (call.op == DisplayOp::ChangeSettingsEx && call.device == DisplayName(number)) return *call.mode;
        }
        ADD_FAILURE() << "device not staged";
        return DEVMODEW{};
    }
};
}  // namespace

TEST(MakeSole, ButtonKeepsTheTargetsModeAndDetachesTheOther) {
    MakeSoleRun run;
    run.TwoDevices();
    run.Run(DisplayName(2));
    ExpectStagedTwiceThenCommit(run.display, {{DisplayName(1), 0, 0, kPos | kSize | kFreq, kDetach},
                                              {DisplayName(2), 0, 0, kPos | kFreq, kSole}});
    const DEVMODEW detached = run.Staged(1);
    EXPECT_EQ(detached.dmPelsWidth, 0u);
    EXPECT_EQ(detached.dmPelsHeight, 0u);
    const DEVMODEW sole = run.Staged(2);
    EXPECT_EQ(sole.dmPelsWidth, 1280u);
    EXPECT_EQ(sole.dmPelsHeight, 1024u);
    EXPECT_EQ(sole.dmBitsPerPel, 32u);
    EXPECT_EQ(sole.dmDisplayFrequency, 75u);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text, kSoleChanged);
    EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
}

TEST(MakeSole, AlreadyPrimaryTargetIsStagedAndOthersKeepTheirPositions) {
    MakeSoleRun run;
    run.TwoDevices();
    run.Run(DisplayName(1));
    ExpectStagedTwiceThenCommit(run.display, {{DisplayName(1), 0, 0, kPos | kFreq, kSole},
                                              {DisplayName(2), 1920, 0, kPos | kSize | kFreq, kDetach}});
    EXPECT_EQ(run.messages.Texts(), std::vector<std::wstring>{kSoleChanged});
}

TEST(MakeSole, RequestedValuesFollowTheMask) {
    struct Case {
        const char* name;
        Request request;
        DWORD fields;
        DWORD width, height, bits, frequency;
    };
    const Case cases[] = {
        {"nothing requested", {}, kPos | kFreq, 1280, 1024, 32, 75},
        {"size without frequency keeps and names the current rate",
         {kSize, 1024, 768},
         kPos | kSize | kFreq,
         1024,
         768,
         32,
         75},
        {"height only", {DM_PELSHEIGHT, 1024, 768}, kPos | DM_PELSHEIGHT | kFreq, 1280, 768, 32, 75},
        {"width only", {DM_PELSWIDTH, 1024, 768}, kPos | DM_PELSWIDTH | kFreq, 1024, 1024, 32, 75},
        {"values given without their mask bits are ignored", {0, 800, 600, 256, 85}, kPos | kFreq, 1280, 1024, 32, 75},
        {"colour count 65536", {DM_BITSPERPEL, 0, 0, 65536}, kPos | DM_BITSPERPEL | kFreq, 1280, 1024, 16, 75},
        {"colour count 256", {DM_BITSPERPEL, 0, 0, 256}, kPos | DM_BITSPERPEL | kFreq, 1280, 1024, 8, 75},
        {"colour count 2^32", {DM_BITSPERPEL, 0, 0, 4294967296ull}, kPos | DM_BITSPERPEL | kFreq, 1280, 1024, 32, 75},
        {"colour count 0 is ignored despite the mask", {DM_BITSPERPEL, 0, 0, 0}, kPos | kFreq, 1280, 1024, 32, 75},
        {"frequency", {kFreq, 0, 0, 0, 85}, kPos | kFreq, 1280, 1024, 32, 85},
        {"everything",
         {kSize | DM_BITSPERPEL | kFreq, 800, 600, 16777216, 70},
         kPos | kSize | DM_BITSPERPEL | kFreq,
         800,
         600,
         24,
         70},
        {"position and orientation bits are ignored",
         {DM_POSITION | DM_DISPLAYORIENTATION, 800, 600},
         kPos | kFreq,
         1280,
         1024,
         32,
         75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeSoleRun run;
        run.display.AddAdapter(kPrimary, MakeMode(1920, 1080, 32, 60, 0, 0));
        run.display.AddAdapter(kAttached, MakeMode(1280, 1024, 32, 75, 1920, 0, 2));
        run.Run(DisplayName(2), c.request);
        ExpectStagedTwiceThenCommit(run.display, {{DisplayName(1), 0, 0, kPos | kSize | kFreq, kDetach},
                                                  {DisplayName(2), 0, 0, c.fields, kSole}});
        const DEVMODEW sole = run.Staged(2);
        EXPECT_EQ(sole.dmPelsWidth, c.width);
        EXPECT_EQ(sole.dmPelsHeight, c.height);
        EXPECT_EQ(sole.dmBitsPerPel, c.bits);
        EXPECT_EQ(sole.dmDisplayFrequency, c.frequency);
        EXPECT_EQ(sole.dmDisplayOrientation, 2u);
    }
}

TEST(MakeSole, HardwareDefaultRateIsNotNamed) {
    for (DWORD frequency : {0u, 1u}) {
        SCOPED_TRACE(frequency);
        MakeSoleRun run;
        run.display.AddAdapter(kPrimary, MakeMode(1920, 1080, 32, frequency, 0, 0));
        run.display.AddAdapter(kAttached, MakeMode(1280, 1024, 32, frequency, 1920, 0));
        run.Run(DisplayName(2), {kSize, 1024, 768});
        ExpectStagedTwiceThenCommit(
            run.display, {{DisplayName(1), 0, 0, kPos | kSize, kDetach}, {DisplayName(2), 0, 0, kPos | kSize, kSole}});
    }
}

TEST(MakeSole, DetachedTargetIsStagedFromTheClearedRecord) {
    MakeSoleRun run;
    run.display.AddAdapter(kPrimary, MakeMode(1920, 1080, 32, 60, 0, 0));
    run.display.AddAdapter(0, MakeMode(1280, 1024, 32, 75, 1920, 0)).current.reset();
    run.Run(DisplayName(2), {kSize, 1024, 768});
    // The unreadable device's current settings were asked for all the same.
    bool read = false;
    for (const DisplayCall& call : run.display.calls) {
        read = read || (call.op == DisplayOp::EnumSettings && call.device == DisplayName(2) &&
                        call.number == ENUM_CURRENT_SETTINGS);
    }
    EXPECT_TRUE(read);
    ExpectStagedTwiceThenCommit(run.display, {{DisplayName(1), 0, 0, kPos | kSize | kFreq, kDetach},
                                              {DisplayName(2), 0, 0, kPos | kSize, kSole}});
    DEVMODEW expected = PreparedDevMode();
    expected.dmFields = kPos | kSize;
    expected.dmPelsWidth = 1024;
    expected.dmPelsHeight = 768;
    const DEVMODEW sole = run.Staged(2);
    EXPECT_EQ(memcmp(&sole, &expected, sizeof(DEVMODEW)), 0);
    EXPECT_EQ(run.messages.Texts(), std::vector<std::wstring>{kSoleChanged});
}

TEST(MakeSole, FailedReadLeavesNoHalfWrittenFieldsBehind) {
    MakeSoleRun run;
    run.display.AddAdapter(kPrimary, MakeMode(1920, 1080, 32, 60, 0, 0));
    FakeAdapter& detached = run.display.AddAdapter(0, MakeMode(1280, 1024, 32, 75, 1920, 0));
    detached.current.reset();
    detached.failedCurrentRead = MakeMode(640, 480, 8, 75, 300, 400, 2);
    run.Run(DisplayName(2));
    DEVMODEW expected = PreparedDevMode();
    expected.dmFields = kPos;
    const DEVMODEW sole = run.Staged(2);
    EXPECT_EQ(memcmp(&sole, &expected, sizeof(DEVMODEW)), 0);
}

TEST(MakeSole, DevicesOutsideTheDesktopReceiveTheDetachCallToo) {
    MakeSoleRun run;
    run.TwoDevices();
    run.display.AddAdapter(0, MakeMode(800, 600, 32, 0, 0, 0)).current.reset();
    run.Run(DisplayName(1));
    ExpectStagedTwiceThenCommit(run.display, {{DisplayName(1), 0, 0, kPos | kFreq, kSole},
                                              {DisplayName(2), 1920, 0, kPos | kSize | kFreq, kDetach},
                                              {DisplayName(3), 0, 0, kPos | kSize, kDetach}});
}

TEST(MakeSole, MirroringDriversAreLeftOut) {
    MakeSoleRun run;
    run.display.AddAdapter(kPrimary, MakeMode(1920, 1080, 32, 60, 0, 0));
    run.display.AddAdapter(DISPLAY_DEVICE_MIRRORING_DRIVER | kAttached, MakeMode(1920, 1080, 32, 60, 0, 0));
    run.display.AddAdapter(kAttached, MakeMode(1280, 1024, 32, 75, 1920, 0));
    run.Run(DisplayName(3));
    for (const DisplayCall& call : run.display.calls) {
        if (call.op == DisplayOp::EnumSettings) {
            EXPECT_NE(call.device, DisplayName(2));
        }
    }
    ExpectStagedTwiceThenCommit(run.display, {{DisplayName(1), 0, 0, kPos | kSize | kFreq, kDetach},
                                              {DisplayName(3), 0, 0, kPos | kFreq, kSole}});
}

TEST(MakeSole, TargetOutsideTheListIsReportedEvenWhenQuiet) {
    const struct {
        const char* name;
        std::wstring target;
    } cases[] = {
        {"unknown name", L"\\\\.\\DISPLAY7"},
        {"mirroring driver", L"\\\\.\\DISPLAY2"},
        {"letter case differs", L"\\\\.\\Display3"},
        {"empty name", L""},
    };
    for (const auto& c : cases) {
        for (bool quiet : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (quiet ? " quiet" : ""));
            MakeSoleRun run;
            run.display.AddAdapter(kPrimary, MakeMode(1920, 1080));
            run.display.AddAdapter(DISPLAY_DEVICE_MIRRORING_DRIVER, MakeMode(1920, 1080));
            run.display.AddAdapter(kAttached, MakeMode(1920, 1080, 32, 60, 1920, 0));
            Request request;
            request.quiet = quiet;
            run.Run(c.target, request);
            EXPECT_TRUE(run.display.Changes().empty());
            ASSERT_EQ(run.messages.shown.size(), 1u);
            EXPECT_EQ(run.messages.shown[0].text, kNotInDesktop);
            EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
        }
    }
}

TEST(MakeSole, RemovableTargetIsRefusedAndQuietHidesTheRefusal) {
    for (bool quiet : {false, true}) {
        SCOPED_TRACE(quiet);
        MakeSoleRun run;
        run.display.AddAdapter(kPrimary, MakeMode(1920, 1080));
        run.display.AddAdapter(kAttached | DISPLAY_DEVICE_REMOVABLE, MakeMode(1920, 1080, 32, 60, 1920, 0));
        Request request;
        request.quiet = quiet;
        run.Run(DisplayName(2), request);
        EXPECT_TRUE(run.display.Changes().empty());
        if (quiet) {
            EXPECT_TRUE(run.messages.shown.empty());
        } else {
            EXPECT_EQ(run.messages.Texts(), std::vector<std::wstring>{LoadResString(IDS_SOLE_REMOVABLE)});
        }
    }
}

TEST(MakeSole, FailuresAreReportedEvenWhenQuietAndQuietHidesOnlySuccess) {
    const struct {
        const char* name;
        std::deque<LONG> results;
        size_t changeCalls;
        std::vector<std::wstring> texts;
        std::vector<std::wstring> quietTexts;
    } cases[] = {
        {"staging the second device fails",
         {0, 0, -2},
         3,
         {FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY2", L"-2"})},
         {FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY2", L"-2"})}},
        {"the identical second call fails",
         {0, 0, 0, -5},
         4,
         {FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY2", L"-5"})},
         {FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY2", L"-5"})}},
        {"the commit fails",
         {0, 0, 0, 0, -1},
         5,
         {LoadResString(IDS_COMMIT_FAILED)},
         {LoadResString(IDS_COMMIT_FAILED)}},
        {"success", {}, 5, {kSoleChanged}, {}},
    };
    for (const auto& c : cases) {
        for (bool quiet : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (quiet ? " quiet" : ""));
            MakeSoleRun run;
            run.TwoDevices();
            run.display.changeResults = c.results;
            Request request;
            request.quiet = quiet;
            run.Run(DisplayName(1), request);
            EXPECT_EQ(run.display.Changes().size(), c.changeCalls);
            EXPECT_EQ(run.messages.Texts(), quiet ? c.quietTexts : c.texts);
        }
    }
}
