#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/WindowChoice.h"
#include "fakes/FakeRunServices.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {
constexpr DWORD kThread = 4004;

const std::wstring kListIntro = LoadResString(IDS_WINDOWS_FOUND);
const std::wstring kUndecided = LoadResString(IDS_NO_BEST_WINDOW);
const std::wstring kListHelp = LoadResString(IDS_WINDOW_OPTION);

std::wstring WindowLine(const std::vector<std::wstring>& inserts) { return FormatResString(IDS_WINDOW_LINE, inserts); }

struct Styles {
    DWORD style;
    DWORD exStyle;
};

std::vector<HWND> AddWindows(FakeWindows& windows, const std::vector<Styles>& styles) {
    std::vector<HWND> handles;
    for (size_t i = 0; i < styles.size(); ++i) {
        FakeWindow& window = windows.Add(kThread, L"Window " + std::to_wstring(i));
        window.style = styles[i].style;
        window.exStyle = styles[i].exStyle;
        handles.push_back(window.handle);
    }
    return handles;
}

constexpr DWORD kPlain = WS_OVERLAPPEDWINDOW;
constexpr DWORD kPopup = WS_POPUP | WS_VISIBLE;
}  // namespace

TEST(ChooseWindow, AutomaticChoiceTakesTheOnlyHighestScore) {
    const struct {
        const char* name;
        std::vector<Styles> windows;
        int chosen;  // -1: no unique winner, the list is shown
    } cases[] = {
        {"app window beats tool window", {{kPlain, WS_EX_APPWINDOW}, {kPlain, WS_EX_TOOLWINDOW}}, 0},
        {"plain beats popup", {{kPopup, 0}, {kPlain, 0}}, 1},
        {"popup beats popup tool window", {{kPopup, WS_EX_TOOLWINDOW}, {kPopup, 0}}, 1},
        {"two plain windows tie", {{kPlain, 0}, {kPlain, 0}}, -1},
        {"a later equal score undoes the win", {{kPlain, WS_EX_APPWINDOW}, {kPlain, 0}, {kPlain, WS_EX_APPWINDOW}}, -1},
        {"a later higher score wins after a tie", {{kPlain, 0}, {kPlain, 0}, {kPlain, WS_EX_APPWINDOW}}, 2},
        {"app tool window ties a plain one", {{kPlain, WS_EX_APPWINDOW | WS_EX_TOOLWINDOW}, {kPlain, 0}}, -1},
        {"app popup beats a tool window", {{kPopup, WS_EX_APPWINDOW}, {kPlain, WS_EX_TOOLWINDOW}}, 0},
        {"the lowest score wins alone", {{kPopup, WS_EX_TOOLWINDOW}}, 0},
    };
    for (const auto& c : cases) {
        FakeRunServices rig;
        const std::vector<HWND> candidates = AddWindows(rig.windows, c.windows);
        const HWND chosen = ChooseWindow(candidates, true, rig.services);
        if (c.chosen < 0) {
            EXPECT_EQ(chosen, nullptr) << c.name;
            ASSERT_EQ(rig.messages.shown.size(), 1u) << c.name;
            EXPECT_NE(rig.messages.shown[0].text.find(kUndecided), std::wstring::npos) << c.name;
        } else {
            EXPECT_EQ(chosen, candidates[static_cast<size_t>(c.chosen)]) << c.name;
            EXPECT_TRUE(rig.messages.shown.empty()) << c.name;
        }
    }
}

TEST(ChooseWindow, TieShowsTheWholeListInTheFrameworkBox) {
    FakeRunServices rig;
    FakeWindow& first = rig.windows.Add(kThread, L"Main");
    first.className = L"MainClass";
    first.style = 0x14CF0000;
    first.exStyle = 0x100;
    FakeWindow& second = rig.windows.Add(kThread, L"");
    second.className = L"Other";
    second.style = 0x16CF0000;
    second.exStyle = 0x10101;
    EXPECT_EQ(ChooseWindow({first.handle, second.handle}, true, rig.services), nullptr);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text, kListIntro + kUndecided + kListHelp +
                                              WindowLine({L"0", L"Main", L"MainClass", L"14cf0000", L"100"}) +
                                              WindowLine({L"1", L"", L"Other", L"16cf0000", L"10101"}));
    EXPECT_EQ(rig.messages.shown[0].type, static_cast<UINT>(MB_OK));
    EXPECT_FALSE(rig.messages.shown[0].plain);
    EXPECT_EQ(FrameworkBoxStyle(rig.messages.shown[0].type) & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST(ChooseWindow, ListingWithoutAutomaticChoiceLeavesOutTheUndecidedSentence) {
    FakeRunServices rig;
    const std::vector<HWND> candidates = AddWindows(rig.windows, {{kPlain, WS_EX_APPWINDOW}, {kPlain, 0}});
    EXPECT_EQ(ChooseWindow(candidates, false, rig.services), nullptr);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    const std::wstring& text = rig.messages.shown[0].text;
    EXPECT_EQ(text, kListIntro + kListHelp + WindowLine({L"0", L"Window 0", L"FakeWindowClass", L"cf0000", L"40000"}) +
                        WindowLine({L"1", L"Window 1", L"FakeWindowClass", L"cf0000", L"0"}));
}

TEST(ChooseWindow, LongTitlesAndClassesAreCutToWhatThePlatformBuffersHold) {
    FakeRunServices rig;
    FakeWindow& window = rig.windows.Add(kThread, std::wstring(150, L'T'));
    window.className = std::wstring(60, L'C');
    const std::wstring text = WindowListMessage({window.handle}, false, rig.windows);
    EXPECT_NE(text.find(L"Text \"" + std::wstring(99, L'T') + L"\", Class \"" + std::wstring(39, L'C') + L"\")"),
              std::wstring::npos)
        << text;
    EXPECT_EQ(rig.windows.textCapacities, std::vector<int>{100});
    EXPECT_EQ(rig.windows.classCapacities, std::vector<int>{40});
}

TEST(ChooseWindow, StylesAreLowerCaseHexWithoutPrefix) {
    FakeRunServices rig;
    FakeWindow& window = rig.windows.Add(kThread, L"W");
    window.style = 0xABCDEF01;
    window.exStyle = 0;
    const std::wstring text = WindowListMessage({window.handle}, false, rig.windows);
    EXPECT_NE(text.find(L"Style abcdef01, ExStyle 0\n"), std::wstring::npos) << text;
}

TEST(FindLaunchedWindow, OnlyVisibleParentlessWindowsOfTheThreadAreCandidates) {
    FakeRunServices rig;
    FakeWindow& main = rig.windows.Add(kThread, L"Main");
    rig.windows.Add(kThread, L"Hidden").visible = false;
    rig.windows.Add(kThread, L"Owned").parent = main.handle;
    rig.windows.Add(kThread + 1, L"Other thread");
    const HWND mainHandle = main.handle;
    EXPECT_EQ(FindLaunchedWindow(kThread, CommandLineOptions{}, rig.services), mainHandle);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.clock.now, 0u);
}

TEST(FindLaunchedWindow, WindowNumberPicksByPositionOtherwiseTheAutomaticChoice) {
    const struct {
        const char* name;
        std::optional<int32_t> windowNumber;
        bool listWindows;
        size_t windows;
        int chosen;    // -1: none
        int messages;  // boxes shown
    } cases[] = {
        {"-W1 of three takes the second", 1, false, 3, 1, 0},
        {"-W0 of three takes the first", 0, false, 3, 0, 0},
        {"-W3 of three falls back to the automatic choice", 3, false, 3, 2, 0},
        {"a negative number never selects", -1, false, 3, 2, 0},
        {"-W- with one window watches it", std::nullopt, true, 1, 0, 0},
        {"-W- with two lists them although one would win", std::nullopt, true, 2, -1, 1},
        {"a number in range wins over -W-", 0, true, 3, 0, 0},
    };
    for (const auto& c : cases) {
        FakeRunServices rig;
        std::vector<HWND> handles;
        for (size_t i = 0; i < c.windows; ++i) handles.push_back(rig.windows.Add(kThread).handle);
        // The last window is the one an automatic choice takes.
        rig.windows.Get(handles.back()).exStyle = WS_EX_APPWINDOW;
        CommandLineOptions options;
        options.windowNumber = c.windowNumber;
        options.listWindows = c.listWindows;
        const HWND chosen = FindLaunchedWindow(kThread, options, rig.services);
        EXPECT_EQ(chosen, c.chosen < 0 ? nullptr : handles[static_cast<size_t>(c.chosen)]) << c.name;
        EXPECT_EQ(rig.messages.shown.size(), static_cast<size_t>(c.messages)) << c.name;
    }
}

TEST(FindLaunchedWindow, TwoPlainWindowsAreListedAndNoneIsChosen) {
    FakeRunServices rig;
    rig.windows.Add(kThread);
    rig.windows.Add(kThread);
    EXPECT_EQ(FindLaunchedWindow(kThread, CommandLineOptions{}, rig.services), nullptr);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_NE(rig.messages.shown[0].text.find(kUndecided), std::wstring::npos);
}

TEST(FindLaunchedWindow, SearchTriesEvery400msAndGivesUpAfter10Seconds) {
    FakeRunServices rig;
    rig.windows.Add(kThread).visible = false;
    EXPECT_EQ(FindLaunchedWindow(kThread, CommandLineOptions{}, rig.services), nullptr);
    EXPECT_EQ(rig.clock.now, 10000u);
    EXPECT_EQ(rig.windows.enumerations, 25);
    EXPECT_EQ(rig.clock.sleeps, std::vector<DWORD>(25, 400));
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(FindLaunchedWindow, WindowShownAtTheLastTryIsFoundOneLaterIsNot) {
    for (const ULONGLONG shownAt : {9600ull, 9601ull}) {
        FakeRunServices rig;
        const HWND late = rig.windows.Add(kThread).handle;
        rig.windows.Get(late).visible = false;
        rig.clock.At(shownAt, [&] { rig.windows.Get(late).visible = true; });
        const HWND found = FindLaunchedWindow(kThread, CommandLineOptions{}, rig.services);
        EXPECT_EQ(found, shownAt == 9600 ? late : nullptr) << shownAt;
        EXPECT_EQ(rig.clock.now, shownAt == 9600 ? 9600u : 10000u) << shownAt;
    }
}

TEST(FindLaunchedWindow, ChoosesAmongAllWindowsOfTheFirstSuccessfulLook) {
    FakeRunServices rig;
    const HWND first = rig.windows.Add(kThread).handle;
    const HWND second = rig.windows.Add(kThread).handle;
    rig.windows.Get(first).visible = false;
    rig.windows.Get(second).visible = false;
    rig.windows.Get(second).exStyle = WS_EX_APPWINDOW;
    rig.clock.At(800, [&] {
        rig.windows.Get(first).visible = true;
        rig.windows.Get(second).visible = true;
    });
    EXPECT_EQ(FindLaunchedWindow(kThread, CommandLineOptions{}, rig.services), second);
    EXPECT_EQ(rig.windows.enumerations, 3);
}
