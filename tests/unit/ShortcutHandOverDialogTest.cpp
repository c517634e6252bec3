#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "ControlReaders.h"
#include "dialog/PixmodeDlg.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeScreenCaps.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShortcutPlatform.h"
#include "fakes/FakeSystemRestart.h"
#include "fakes/WindowProbe.h"
#include "res/resource.h"

namespace {

// The main dialog created in-process over scripted services, with the shortcut dialog replaced by
// a recorder of the settings it would be given. A mirroring driver comes first, so the primary
// adapter after it has enumeration number 1. One dialog serves the suite (window teardown is slow
// on a bare X server); every test starts with the filter checked, 0 degrees, not permanent and the
// current mode selected.
class MainDialogShortcut : public testing::Test {
protected:
    static inline FakeDisplay display;
    static inline FakeMessageBox messages;
    static inline FakeShell shell;
    static inline FakeScreenCaps screen;
    static inline std::vector<ShortcutSettings> handedOver;
    static inline FakeSystemRestart restart;
    static inline FakeFileDialogs files;
    static inline FakeShortcutPlatform shortcuts;
    static inline std::unique_ptr<CPixmodeDlg> window;

    static void SetUpTestSuite() {
        if (!CanCreateWindows()) return;
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        display.AddAdapter(DISPLAY_DEVICE_MIRRORING_DRIVER, MakeMode(640, 480));
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE,
                           MakeMode(1024, 768, 32, 60),
                           {MakeMode(1024, 768, 32, 60), MakeMode(1024, 768, 32, 75), MakeMode(800, 600, 16, 60)});
        MainDialogActions actions;
        actions.showAboutBox = [](HWND, IShell&) {};
        actions.launchUpdater = [](IShell&, HWND, bool, HMODULE) {};
        actions.showShortcutDialog = [](const ShortcutSettings& settings, IMessageBox&, IFileDialogs&,
                                        IShortcutPlatform&) { handedOver.push_back(settings); };
        window = std::make_unique<CPixmodeDlg>(
            DialogServices{display, messages, shell, screen, restart, files, shortcuts}, false, actions);
        if (!window->Create()) window.reset();
    }
    static void TearDownTestSuite() { window.reset(); }

    void SetUp() override {
        SKIP_WITHOUT_WINDOW(window);
        // The notification alone does not toggle the box: it refills the list for the state set here.
        Check(IDC_REFRESH_FILTER, true);
        Click(IDC_REFRESH_FILTER);
        Check(IDC_CHANGE_PERMANENT, false);
        CheckRadioButton(Window(), IDC_ROTATE_0, IDC_ROTATE_270, IDC_ROTATE_0);
        SelectMode(0);
        handedOver.clear();
        messages.shown.clear();
        shell.requests.clear();
    }

    HWND Window() const { return window->m_hWnd; }
    void Click(int id) {
        SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(Window(), id)));
    }
    void Check(int id, bool checked) { CheckDlgButton(Window(), id, checked ? BST_CHECKED : BST_UNCHECKED); }
    // Selects the mode list row carrying the given ModeTable index, and only that row; -1 clears.
    void SelectMode(int tableIndex) {
        const CListCtrl& list = window->GetModeList();
        list.SetItemState(-1, 0, LVIS_SELECTED);
        for (int item = 0; item < ListItemCount(list.m_hWnd); ++item) {
            if (list.GetItemData(item) == tableIndex) list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
};

}  // namespace

TEST_F(MainDialogShortcut, HandsOverTheSelectedModeWithoutFrequencyWhileTheFilterIsChecked) {
    ASSERT_TRUE(IsDlgButtonChecked(Window(), IDC_REFRESH_FILTER));
    ASSERT_GE(window->GetSelectedModeIndex(), 0);
    Click(IDC_SHORTCUT);
    ASSERT_EQ(handedOver.size(), 1u);
    const ShortcutSettings& s = handedOver[0];
    EXPECT_EQ(s.width, 1024u);
    EXPECT_EQ(s.height, 768u);
    EXPECT_EQ(s.bitsPerPixel, 32u);
    EXPECT_EQ(s.frequency, 0u);
    EXPECT_EQ(s.deviceNumber, 1);
    EXPECT_EQ(s.rotation, 0u);
    EXPECT_FALSE(s.updateRegistry);
    EXPECT_TRUE(s.programPath.empty());
    EXPECT_FALSE(s.onlyWhenMaximized);
}

TEST_F(MainDialogShortcut, HandsOverFrequencyPermanenceAndTheTurnedSize) {
    Check(IDC_REFRESH_FILTER, false);
    Click(IDC_REFRESH_FILTER);
    Check(IDC_CHANGE_PERMANENT, true);
    SelectMode(2);
    CheckRadioButton(Window(), IDC_ROTATE_0, IDC_ROTATE_270, IDC_ROTATE_90);
    Click(IDC_SHORTCUT);
    ASSERT_EQ(handedOver.size(), 1u);
    const ShortcutSettings& s = handedOver[0];
    EXPECT_EQ(s.width, 600u);
    EXPECT_EQ(s.height, 800u);
    EXPECT_EQ(s.bitsPerPixel, 16u);
    EXPECT_EQ(s.frequency, 60u);
    EXPECT_EQ(s.rotation, 1u);
    EXPECT_TRUE(s.updateRegistry);
    EXPECT_EQ(BuildShortcutArguments(s), L" -H600 -V800 -C65536 -F60 -M1 -O90 -U");
}

TEST_F(MainDialogShortcut, DoesNothingWithoutASelectedMode) {
    SelectMode(-1);
    ASSERT_EQ(window->GetSelectedModeIndex(), -1);
    Click(IDC_SHORTCUT);
    EXPECT_TRUE(handedOver.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(shell.requests.empty());
}
