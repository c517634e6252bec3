#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/ModeList.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeScreenCaps.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {
const wchar_t kDevice[] = L"\\\\.\\DISPLAY1";

struct ModeListRun {
    FakeDisplay display;
    FakeScreenCaps screen;
    FakeMessageBox messages;
    int orientation = 0;

    ModeListRun(const DEVMODEW& current, std::vector<DEVMODEW> modes) {
        display.AddAdapter(kPrimary, current, std::move(modes));
    }
    ModeListContents Read(bool filterOn, const wchar_t* device = kDevice) {
        return ReadModeList(display, screen, messages, device, filterOn);
    }
};

std::vector<std::wstring> Column(const ModeListContents& contents, int column) {
    std::vector<std::wstring> texts;
    for (const ModeRow& row : contents.rows) texts.push_back(row.texts[column]);
    return texts;
}

using Texts = std::vector<std::wstring>;

std::wstring Hertz(const wchar_t* rate) { return FormatResString(IDS_FREQUENCY, {rate}); }
std::wstring Area(const wchar_t* width, const wchar_t* height) {
    return FormatResString(IDS_SCREEN_AREA, {width, height});
}
const std::wstring kDefault = LoadResString(IDS_HARDWARE_DEFAULT);
const std::wstring kTrue32 = LoadResString(IDS_COLOURS_32);
}  // namespace

TEST(ModeList, CurrentFrequencyZeroMatchesEveryModeAndSelectsTheLastOfTheCurrentSize) {
    ModeListRun run(MakeMode(1024, 768, 32, 0),
                    {MakeMode(1024, 768, 32, 60), MakeMode(1024, 768, 32, 0), MakeMode(1024, 768, 32, 75),
                     MakeMode(1024, 768, 16, 85), MakeMode(800, 600, 32, 85)});
    ModeListContents contents = run.Read(true);
    EXPECT_EQ(Column(contents, 0), (Texts{L"0", L"1", L"2", L"3", L"4"}));
    EXPECT_EQ(Column(contents, 3), (Texts{Hertz(L"60"), kDefault, Hertz(L"75"), Hertz(L"85"), Hertz(L"85")}));
    EXPECT_FALSE(contents.filterEnabled);
    EXPECT_EQ(contents.selectedRow, 2);
}

TEST(ModeList, FilterHidesOtherRatesButKeepsHardwareDefaultsAndEveryRecord) {
    ModeListRun run(MakeMode(1024, 768, 32, 60),
                    {MakeMode(800, 600, 32, 60), MakeMode(800, 600, 32, 75), MakeMode(1024, 768, 32, 1),
                     MakeMode(1024, 768, 32, 60), MakeMode(1024, 768, 16, 60)});

    ModeListContents on = run.Read(true);
    EXPECT_EQ(Column(on, 0), (Texts{L"0", L"2", L"3", L"4"}));
    EXPECT_EQ(Column(on, 1),
              (Texts{Area(L"800", L"600"), Area(L"1024", L"768"), Area(L"1024", L"768"), Area(L"1024", L"768")}));
    EXPECT_EQ(Column(on, 2), (Texts{kTrue32, kTrue32, kTrue32, LoadResString(IDS_COLOURS_16)}));
    EXPECT_EQ(Column(on, 3), (Texts{Hertz(L"60"), kDefault, Hertz(L"60"), Hertz(L"60")}));
    ASSERT_EQ(on.rows.size(), 4u);
    EXPECT_EQ(on.rows[1].modeNumber, 2u);
    EXPECT_TRUE(on.filterEnabled);
    EXPECT_EQ(on.selectedRow, 2);
    ASSERT_EQ(on.table.size(), 5u);
    EXPECT_EQ(on.table[1].dmDisplayFrequency, 75u);

    ModeListContents off = run.Read(false);
    EXPECT_EQ(Column(off, 3), (Texts{Hertz(L"60"), Hertz(L"75"), kDefault, Hertz(L"60"), Hertz(L"60")}));
    EXPECT_TRUE(off.filterEnabled);
    EXPECT_EQ(off.selectedRow, 3);
}

TEST(ModeList, FilterBoxIsEnabledExactlyWhenARealRateDiffersFromAKnownCurrentRate) {
    const struct {
        DWORD current;
        std::vector<DWORD> rates;
        bool enabled;
    } cases[] = {
        {0, {60, 75}, false}, {60, {60, 0, 1}, false}, {60, {60, 75}, true},
        {1, {1, 0}, false},   {1, {60}, true},         {75, {}, false},
    };
    for (const auto& c : cases) {
        std::vector<DEVMODEW> modes;
        for (DWORD rate : c.rates) modes.push_back(MakeMode(800, 600, 32, rate));
        for (bool filterOn : {true, false}) {
            ModeListRun run(MakeMode(800, 600, 32, c.current), modes);
            EXPECT_EQ(run.Read(filterOn).filterEnabled, c.enabled) << c.current << " filter " << filterOn;
        }
    }
}

TEST(ModeList, HardwareDefaultRowIsCurrentOnlyForAnUnknownOrEqualCurrentRate) {
    const struct {
        DWORD current;
        DWORD rowRate;
        int selected;
    } cases[] = {
        // Row 0 is the hardware-default mode of the current size; row 1 a bigger mode (the best).
        {0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 1}, {60, 0, 1}, {60, 1, 1},
    };
    for (const auto& c : cases) {
        ModeListRun run(MakeMode(800, 600, 32, c.current),
                        {MakeMode(800, 600, 32, c.rowRate), MakeMode(1024, 768, 32, c.current)});
        ModeListContents contents = run.Read(true);
        ASSERT_FALSE(contents.rows.empty());
        EXPECT_EQ(contents.rows[0].texts[3], kDefault);
        EXPECT_EQ(contents.selectedRow, c.selected) << c.current << " " << c.rowRate;
    }
}

TEST(ModeList, KnownRateSelectsTheLaterEqualModeAndNeverAnotherRate) {
    ModeListRun run(MakeMode(1024, 768, 32, 60), {MakeMode(1024, 768, 32, 60), MakeMode(1024, 768, 32, 75),
                                                  MakeMode(1024, 768, 32, 60), MakeMode(640, 480, 32, 60)});
    EXPECT_EQ(run.Read(false).selectedRow, 2);

    ModeListRun other(MakeMode(1024, 768, 32, 60), {MakeMode(1024, 768, 32, 75), MakeMode(800, 600, 32, 70)});
    // No row is the current mode: the best listed mode is selected instead.
    EXPECT_EQ(other.Read(false).selectedRow, 0);
}

TEST(ModeList, BestListedModeDependsOnEnumerationOrder) {
    const DEVMODEW base = MakeMode(1024, 768, 32, 75);
    const DEVMODEW widerLower = MakeMode(1280, 600, 32, 75);
    const DEVMODEW narrowerHigher = MakeMode(800, 1200, 32, 75);
    // The current mode is not listed, so the best listed mode is the one selected.
    ModeListRun first(MakeMode(640, 480, 8, 60), {base, widerLower, narrowerHigher});
    EXPECT_EQ(first.Read(false).selectedRow, 0);
    ModeListRun second(MakeMode(640, 480, 8, 60), {widerLower, base, narrowerHigher});
    EXPECT_EQ(second.Read(false).selectedRow, 0);
    ModeListRun third(MakeMode(640, 480, 8, 60),
                      {narrowerHigher, base, MakeMode(1024, 768, 32, 85), MakeMode(1024, 768, 24, 100)});
    EXPECT_EQ(third.Read(false).selectedRow, 0);
    ModeListRun fourth(MakeMode(640, 480, 8, 60), {base, MakeMode(1024, 768, 16, 100), MakeMode(1024, 768, 32, 85)});
    EXPECT_EQ(fourth.Read(false).selectedRow, 2);
}

TEST(ModeList, IsBetterModeRulesApplyInOrder) {
    const DEVMODEW best = MakeMode(1024, 768, 16, 75);
    const struct {
        DEVMODEW candidate;
        bool better;
        const char* why;
    } cases[] = {
        {MakeMode(800, 1200, 32, 100), false, "narrower but higher"},
        {MakeMode(1280, 600, 32, 100), false, "wider but lower"},
        {MakeMode(1280, 768, 8, 60), true, "wider"},
        {MakeMode(1024, 1024, 8, 60), true, "higher"},
        {MakeMode(1024, 768, 32, 60), true, "deeper at a lower rate"},
        {MakeMode(1024, 768, 8, 100), false, "shallower at a higher rate"},
        {MakeMode(1024, 768, 16, 85), true, "same depth, higher rate"},
        {MakeMode(1024, 768, 16, 75), false, "identical"},
        {MakeMode(1024, 768, 16, 60), false, "same depth, lower rate"},
    };
    for (const auto& c : cases) EXPECT_EQ(IsBetterMode(c.candidate, best), c.better) << c.why;
}

TEST(ModeList, IdenticalLookingModesStayApart) {
    DEVMODEW a = MakeMode(800, 600, 32, 60);
    DEVMODEW b = a;
    b.dmDisplayFlags = DM_INTERLACED;
    ModeListRun run(MakeMode(800, 600, 32, 60), {a, b});
    ModeListContents contents = run.Read(true);
    ASSERT_EQ(contents.rows.size(), 2u);
    EXPECT_EQ(contents.rows[0].texts[1], contents.rows[1].texts[1]);
    EXPECT_EQ(contents.rows[0].texts[3], contents.rows[1].texts[3]);
    EXPECT_EQ(contents.rows[0].texts[0], L"0");
    EXPECT_EQ(contents.rows[1].texts[0], L"1");
    EXPECT_EQ(contents.table[1].dmDisplayFlags, static_cast<DWORD>(DM_INTERLACED));
}

TEST(ModeLabels, ColoursByDepth) {
    const struct {
        DWORD bits;
        std::wstring label;
    } cases[] = {
        {1, FormatResString(IDS_COLOURS_OTHER, {L"1"})},
        {4, LoadResString(IDS_COLOURS_4)},
        {8, LoadResString(IDS_COLOURS_8)},
        {15, LoadResString(IDS_COLOURS_15)},
        {16, LoadResString(IDS_COLOURS_16)},
        {24, LoadResString(IDS_COLOURS_24)},
        {32, LoadResString(IDS_COLOURS_32)},
        {64, FormatResString(IDS_COLOURS_OTHER, {L"64"})},
        {0, FormatResString(IDS_COLOURS_OTHER, {L"0"})},
    };
    const ModeLabels labels;
    for (const auto& c : cases) EXPECT_EQ(labels.Colours(c.bits), c.label) << c.bits;
}

TEST(ModeList, EmptyDeviceSelectsNothingAndDisablesTheFilter) {
    ModeListRun run(MakeMode(800, 600, 32, 60), {});
    ModeListContents contents = run.Read(true);
    EXPECT_TRUE(contents.rows.empty());
    EXPECT_TRUE(contents.table.empty());
    EXPECT_EQ(contents.selectedRow, -1);
    EXPECT_FALSE(contents.filterEnabled);
}

TEST(ModeList, EnumerationAsksForModeNumbersWithoutFlagsUntilTheFirstFailure) {
    ModeListRun run(MakeMode(800, 600, 32, 60), {MakeMode(800, 600, 32, 60), MakeMode(640, 480, 32, 60)});
    run.Read(true);
    std::vector<DWORD> numbers;
    for (const DisplayCall& call : run.display.calls) {
        if (call.op != DisplayOp::EnumSettings || call.number >= 0x80000000u) continue;
        EXPECT_EQ(call.device.value(), kDevice);
        numbers.push_back(call.number);
    }
    EXPECT_EQ(numbers, (std::vector<DWORD>{0, 1, 2}));
    EXPECT_EQ(run.display.calls.back().result, 0);
}

TEST(ModeList, CurrentModeIsReadRawThenFromTheStoredSettings) {
    ModeListRun run(MakeMode(800, 600, 32, 60), {MakeMode(800, 600, 32, 60), MakeMode(1024, 768, 32, 60)});
    run.display.adapters[0].current.reset();
    run.display.adapters[0].registry = MakeMode(1024, 768, 32, 60);
    ModeListContents contents = run.Read(true);
    EXPECT_EQ(contents.selectedRow, 1);
    EXPECT_TRUE(run.messages.shown.empty());
    EXPECT_EQ(run.screen.reads, 0);
    std::vector<DisplayCall> reads;
    for (const DisplayCall& call : run.display.calls) {
        if (call.op == DisplayOp::EnumSettingsEx) reads.push_back(call);
    }
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[0].number, ENUM_CURRENT_SETTINGS);
    EXPECT_EQ(reads[1].number, ENUM_REGISTRY_SETTINGS);
    for (const DisplayCall& call : reads) {
        EXPECT_EQ(call.flags, static_cast<DWORD>(EDS_RAWMODE));
        EXPECT_EQ(call.device.value(), kDevice);
    }
}

TEST(ModeList, UnreadableCurrentModeIsReportedAndTheScreenStandsIn) {
    ModeListRun run(MakeMode(800, 600, 32, 60), {MakeMode(640, 480, 8, 60), MakeMode(800, 600, 32, 60)});
    run.display.adapters[0].current.reset();
    run.display.adapters[0].registry.reset();
    run.screen.mode = {640, 480, 8, 60};
    ModeListContents contents = run.Read(true);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text, LoadResString(IDS_CURRENT_MODE_UNREADABLE));
    EXPECT_EQ(run.messages.shown[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(run.screen.reads, 1);
    EXPECT_EQ(contents.selectedRow, 0);
    EXPECT_EQ(contents.rows.size(), 2u);
}

TEST(ModeList, WithoutADeviceNameTheScreenIsTheCurrentMode) {
    ModeListRun run(MakeMode(800, 600, 32, 60), {MakeMode(800, 600, 32, 60), MakeMode(640, 480, 8, 60)});
    run.screen.mode = {640, 480, 8, 60};
    ModeListContents contents = run.Read(true, nullptr);
    EXPECT_EQ(contents.selectedRow, 1);
    EXPECT_EQ(run.screen.reads, 1);
    EXPECT_TRUE(run.messages.shown.empty());
    for (const DisplayCall& call : run.display.calls) {
        EXPECT_NE(call.op, DisplayOp::EnumSettingsEx);
        EXPECT_FALSE(call.device.has_value());
    }
}

TEST(ModeList, RotationFollowsTheFlaggedOrientation) {
    ModeListRun flagged(MakeMode(768, 1024, 32, 60, 0, 0, 3), {});
    RotationButtons buttons = ReadRotationButtons(flagged.display, kDevice, flagged.orientation);
    EXPECT_TRUE(buttons.enabled);
    EXPECT_EQ(buttons.checked, 3);
    EXPECT_EQ(flagged.orientation, 3);

    DEVMODEW unflagged = MakeMode(800, 600, 32, 60, 0, 0, 2);
    unflagged.dmFields &= ~static_cast<DWORD>(DM_DISPLAYORIENTATION);
    ModeListRun plain(unflagged, {});
    buttons = ReadRotationButtons(plain.display, kDevice, plain.orientation);
    EXPECT_FALSE(buttons.enabled);
    EXPECT_EQ(buttons.checked, -1);
    EXPECT_EQ(plain.orientation, 2);

    ModeListRun unreadable(MakeMode(800, 600), {});
    unreadable.display.adapters[0].current.reset();
    unreadable.orientation = 1;
    buttons = ReadRotationButtons(unreadable.display, kDevice, unreadable.orientation);
    EXPECT_FALSE(buttons.enabled);
    EXPECT_EQ(unreadable.orientation, 1);

    ModeListRun strange(MakeMode(800, 600, 32, 60, 0, 0, 7), {});
    buttons = ReadRotationButtons(strange.display, kDevice, strange.orientation);
    EXPECT_TRUE(buttons.enabled);
    EXPECT_EQ(buttons.checked, -1);
}
