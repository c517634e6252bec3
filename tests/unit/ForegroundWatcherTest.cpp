#include <gtest/gtest.h>

#include "app/ForegroundWatcher.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "unit/RunTestSupport.h"

namespace {
constexpr DWORD kThread = 4004;

struct WatchRig {
    FakeRunServices rig;
    CommandLineState state = RunState(rig.display);
    CommandLineOptions options;
    HWND watched = rig.windows.Add(kThread, L"Game").handle;
    HWND other = rig.windows.Add(kThread + 1, L"Desktop").handle;
    HWND popup = [&] {
        FakeWindow& window = rig.windows.Add(kThread + 2, L"Menu");
        window.style = WS_POPUP | WS_VISIBLE;
        return window.handle;
    }();

    void At(ULONGLONG time, std::function<void()> event) { rig.clock.At(time, std::move(event)); }
    void Activate(ULONGLONG time, HWND window, bool zoomed) {
        At(time, [this, window, zoomed] { rig.windows.Activate(window, zoomed); });
    }
    void DestroyAt(ULONGLONG time) {
        At(time, [this] { rig.windows.Destroy(watched); });
    }
    // The changes made so far, checked at a scripted time.
    void ExpectAt(ULONGLONG time, std::vector<Change> expected) {
        At(time, [this, time, expected] { EXPECT_EQ(ChangesMade(rig.display, state), expected) << "at " << time; });
    }
    void Watch() { WatchForeground(options, state, watched, rig.services); }
};
}  // namespace

TEST(WatchForeground, MaximizedForegroundAppliesOnceOverManyPolls) {
    WatchRig w;
    w.rig.windows.Activate(w.watched, false);
    w.Activate(1500, w.watched, true);
    w.ExpectAt(1499, {});
    w.ExpectAt(1500, {});  // due before the poll at 1500 looks
    w.ExpectAt(1501, {C::Apply});
    w.ExpectAt(5999, {C::Apply});
    w.DestroyAt(6000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Apply, C::Restore}));
    EXPECT_EQ(w.rig.clock.now, 6000u);
    EXPECT_EQ(w.rig.clock.sleeps, std::vector<DWORD>(12, 500));
    EXPECT_TRUE(w.rig.windows.shows.empty());
    EXPECT_TRUE(w.rig.messages.shown.empty());
}

TEST(WatchForeground, LeavingTheMaximizedStateRestoresOnTheNextPoll) {
    const struct {
        const char* name;
        bool otherWindow;  // another window comes to the front; otherwise the watched one is minimized
    } cases[] = {{"minimized", false}, {"another window in front", true}};
    for (const auto& c : cases) {
        WatchRig w;
        w.Activate(1000, w.watched, true);
        if (c.otherWindow) {
            w.Activate(3200, w.other, false);
        } else {
            w.At(3200, [&w] { w.rig.windows.ShowWindow(w.watched, SW_MINIMIZE); });
        }
        w.ExpectAt(3499, {C::Apply});
        w.ExpectAt(3501, {C::Apply, C::Restore});
        w.Activate(4000, w.watched, true);
        w.ExpectAt(4001, {C::Apply, C::Restore, C::Apply});
        w.DestroyAt(5000);
        w.Watch();
        EXPECT_EQ(ChangesMade(w.rig.display, w.state),
                  (std::vector<Change>{C::Apply, C::Restore, C::Apply, C::Restore}))
            << c.name;
    }
}

TEST(WatchForeground, PopupInFrontKeepsTheModeEitherWay) {
    WatchRig w;
    w.Activate(1000, w.watched, true);
    w.Activate(2000, w.popup, false);
    w.ExpectAt(2999, {C::Apply});
    w.Activate(3000, w.watched, true);  // back from the menu: still applied, nothing to do
    w.ExpectAt(3999, {C::Apply});
    w.DestroyAt(4000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Apply, C::Restore}));
}

TEST(WatchForeground, PopupOfTheWatchedWindowItselfDoesNotApply) {
    WatchRig w;
    w.rig.windows.Get(w.watched).style = WS_POPUP | WS_VISIBLE;
    w.Activate(500, w.watched, false);
    w.DestroyAt(2000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Restore}));
}

TEST(WatchForeground, ForegroundChildCountsButNotAGrandchild) {
    WatchRig w;
    FakeWindow& child = w.rig.windows.Add(kThread, L"Dialog");
    child.parent = w.watched;
    const HWND childHandle = child.handle;
    FakeWindow& grandchild = w.rig.windows.Add(kThread, L"Nested");
    grandchild.parent = childHandle;
    const HWND grandchildHandle = grandchild.handle;
    w.rig.windows.Get(w.watched).zoomed = true;
    w.Activate(1000, childHandle, false);
    w.ExpectAt(1001, {C::Apply});
    w.Activate(2000, grandchildHandle, false);
    w.ExpectAt(2001, {C::Apply, C::Restore});
    w.DestroyAt(3000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Apply, C::Restore, C::Restore}));
}

// With X or T but no mode option the dialog ran instead, and no mode was ever requested.
TEST(WatchForeground, ARequestedModeNeverBuiltIsNotApplied) {
    WatchRig w;
    w.state.requestedMode = PreparedDevMode();
    w.options.remaximize = true;
    w.Activate(1000, w.watched, true);
    w.Activate(2200, w.other, false);
    w.Activate(3200, w.watched, true);
    w.DestroyAt(4000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Restore, C::Restore}));
    EXPECT_TRUE(w.rig.windows.shows.empty());
}

TEST(WatchForeground, RemaximizeRestoresThenMaximizesTheWindowRightAfterApplying) {
    WatchRig w;
    w.options.remaximize = true;
    w.Activate(1000, w.watched, true);
    w.DestroyAt(3000);
    w.Watch();
    EXPECT_EQ(w.rig.journal.entries,
              (std::vector<std::string>{"Change 800x600", "ShowWindow 256 9", "ShowWindow 256 3", "Change 1024x768"}));
    // Still maximized afterwards, so the later polls keep the mode.
    EXPECT_TRUE(w.rig.windows.Get(w.watched).zoomed);
}

TEST(WatchForeground, WithoutRemaximizeTheWindowIsLeftAlone) {
    WatchRig w;
    w.Activate(1000, w.watched, true);
    w.DestroyAt(3000);
    w.Watch();
    EXPECT_TRUE(w.rig.windows.shows.empty());
}

TEST(WatchForeground, WindowClosedWithoutMaximizingRestoresOnceOnTheWayOut) {
    WatchRig w;
    w.Activate(0, w.watched, false);
    w.DestroyAt(2000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Restore}));
    EXPECT_EQ(w.rig.clock.sleeps, std::vector<DWORD>(4, 500));
}

TEST(WatchForeground, NoForegroundWindowChangesNothingUntilTheEnd) {
    WatchRig w;
    w.rig.windows.Get(w.watched).zoomed = true;
    w.DestroyAt(1500);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Restore}));
}

TEST(WatchForeground, FailedApplyIsNotReportedNorRepeated) {
    WatchRig w;
    w.rig.display.changeResults = {DISP_CHANGE_BADMODE};
    w.Activate(1000, w.watched, true);
    w.DestroyAt(4000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Apply, C::Restore}));
    EXPECT_TRUE(w.rig.messages.shown.empty());
}

TEST(WatchForeground, EveryFailedRestoreShowsItsNumberInAPlainBox) {
    WatchRig w;
    w.rig.display.changeResults = {DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_BADMODE, DISP_CHANGE_SUCCESSFUL,
                                   DISP_CHANGE_BADPARAM};
    w.Activate(1000, w.watched, true);
    w.Activate(2000, w.other, false);
    w.Activate(3000, w.watched, true);
    w.DestroyAt(4000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Apply, C::Restore, C::Apply, C::Restore}));
    ASSERT_EQ(w.rig.messages.shown.size(), 2u);
    EXPECT_EQ(w.rig.messages.shown[0].text, L"-2");
    EXPECT_EQ(w.rig.messages.shown[1].text, L"-5");
    for (const ShownBox& box : w.rig.messages.shown) {
        EXPECT_TRUE(box.plain);
        EXPECT_EQ(box.caption, LoadResString(IDS_RESTORE_FAILED));
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
    }
}

TEST(RestoreSavedMode, AppliesTheSavedRecordToTheDeviceWithTheChangeFlags) {
    FakeRunServices rig;
    CommandLineState state = RunState(rig.display);
    state.changeFlags = 0;
    state.deviceName.clear();
    RestoreSavedMode(state, rig.services);
    const std::vector<DisplayCall> changes = rig.display.Changes();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_FALSE(changes[0].device.has_value());
    EXPECT_EQ(changes[0].flags, 0u);
    EXPECT_TRUE(SameMode(*changes[0].mode, state.savedMode));
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(RestoreSavedMode, WithoutASavedModeTheDisplayIsLeftAlone) {
    FakeRunServices rig;
    CommandLineState state = RunState(rig.display);
    state.savedMode = PreparedDevMode();
    RestoreSavedMode(state, rig.services);
    EXPECT_TRUE(rig.display.Changes().empty());
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(WatchForeground, WithoutASavedModeOnlyTheRequestedModeIsApplied) {
    WatchRig w;
    w.state.savedMode = PreparedDevMode();
    w.Activate(1000, w.watched, true);
    w.Activate(2000, w.other, false);
    w.DestroyAt(3000);
    w.Watch();
    EXPECT_EQ(ChangesMade(w.rig.display, w.state), (std::vector<Change>{C::Apply}));
    EXPECT_TRUE(w.rig.messages.shown.empty());
}
