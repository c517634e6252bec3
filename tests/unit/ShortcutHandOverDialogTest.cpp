#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/PixmodeApp.h"
#include "dialog/PixmodeDlg.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeScreenCaps.h"
#include "framework/Shell.h"
#include "res/resource.h"

namespace {

// The hand-over starts no shell request; any request would be a fault.
class NoShell : public IShell {
public:
    int requests = 0;
    INT_PTR Execute(HWND, const wchar_t*, const std::wstring&, const wchar_t*, const wchar_t*, int) override {
        ++requests;
        return 42;
    }
    bool ExecuteEx(SHELLEXECUTEINFOW&) override {
        ++requests;
        return true;
    }
};

// The main dialog, created without a modal loop over scripted services; the shortcut dialog is
// replaced by a recorder of the settings it would have been given.
struct MainDialog {
    CPixmodeApp app;
    FakeDisplay display;
    FakeMessageBox messages;
    NoShell shell;
    FakeScreenCaps screen;
    std::vector<ShortcutSettings> handedOver;
    std::unique_ptr<CPixmodeDlg> dialog;

    MainDialog() {
        // A mirroring driver first: the adapter after it keeps enumeration number 1.
        display.AddAdapter(DISPLAY_DEVICE_MIRRORING_DRIVER, MakeMode(640, 480));
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE, MakeMode(1024, 768, 32, 60),
                           {MakeMode(1024, 768, 32, 60), MakeMode(1024, 768, 32, 75), MakeMode(800, 600, 16, 60)});
    }
    bool Open() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        MainDialogActions actions;
        actions.launchUpdater = [](HWND, bool, HMODULE) {};
        actions.showAboutBox = [](HWND) {};
        actions.showShortcutDialog = [this](const ShortcutSettings& settings) { handedOver.push_back(settings); };
        dialog = std::make_unique<CPixmodeDlg>(display, messages, shell, screen, actions);
        const bool created = dialog->Create();
        if (!created) ADD_FAILURE() << "error " << GetLastError();
        return created;
    }
    HWND Window() const { return dialog->m_hWnd; }
    void Click(int id) {
        SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(Window(), id)));
    }
    void Check(int id, bool checked) { CheckDlgButton(Window(), id, checked ? BST_CHECKED : BST_UNCHECKED); }
    // Selects the mode list row showing the given ModeTable record, and only that row.
    void SelectMode(int tableIndex) {
        const CListCtrl& list = dialog->GetModeList();
        list.SetItemState(-1, 0, LVIS_SELECTED);
        for (int item = 0; item < list.GetItemCount(); ++item) {
            if (list.GetItemData(item) == tableIndex) list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
};

}  // namespace

TEST(MainDialogShortcut, HandsOverTheSelectedModeWithoutFrequencyWhileTheFilterIsChecked) {
    MainDialog main;
    ASSERT_TRUE(main.Open()) << "the dialog tests create windows: they need a display";
    ASSERT_GE(main.dialog->GetSelectedModeIndex(), 0);
    main.Click(IDC_SHORTCUT);
    ASSERT_EQ(main.handedOver.size(), 1u);
    const ShortcutSettings& s = main.handedOver[0];
    EXPECT_EQ(s.width, 1024u);
    EXPECT_EQ(s.height, 768u);
    EXPECT_EQ(s.bitsPerPixel, 32u);
    EXPECT_EQ(s.frequency, 0u);
    EXPECT_EQ(s.deviceNumber, 1);
    EXPECT_EQ(s.rotation, 0u);
    EXPECT_FALSE(s.permanent);
    EXPECT_TRUE(s.programPath.empty());
    EXPECT_FALSE(s.onlyWhenMaximized);
}

TEST(MainDialogShortcut, HandsOverFrequencyPermanenceAndTheTurnedSize) {
    MainDialog main;
    ASSERT_TRUE(main.Open());
    main.Check(IDC_REFRESH_FILTER, false);
    main.Click(IDC_REFRESH_FILTER);
    main.Check(IDC_CHANGE_PERMANENT, true);
    main.SelectMode(2);
    CheckRadioButton(main.Window(), IDC_ROTATE_0, IDC_ROTATE_270, IDC_ROTATE_90);
    main.Click(IDC_SHORTCUT);
    ASSERT_EQ(main.handedOver.size(), 1u);
    const ShortcutSettings& s = main.handedOver[0];
    EXPECT_EQ(s.width, 600u);
    EXPECT_EQ(s.height, 800u);
    EXPECT_EQ(s.bitsPerPixel, 16u);
    EXPECT_EQ(s.frequency, 60u);
    EXPECT_EQ(s.rotation, 1u);
    EXPECT_TRUE(s.permanent);
    EXPECT_EQ(BuildShortcutArguments(s), L" -H600 -V800 -C65536 -F60 -M1 -O90 -U");
}

TEST(MainDialogShortcut, DoesNothingWithoutASelectedMode) {
    MainDialog main;
    ASSERT_TRUE(main.Open());
    main.SelectMode(-1);
    ASSERT_EQ(main.dialog->GetSelectedModeIndex(), -1);
    main.Click(IDC_SHORTCUT);
    EXPECT_TRUE(main.handedOver.empty());
    EXPECT_TRUE(main.messages.shown.empty());
    EXPECT_EQ(main.shell.requests, 0);
}
