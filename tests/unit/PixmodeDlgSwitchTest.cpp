#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "dialog/PixmodeDlg.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeScreenCaps.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShortcutPlatform.h"
#include "fakes/FakeSystemRestart.h"
#include "fakes/WindowProbe.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {

// The main dialog created in-process over scripted services: two adapters, the second one chosen
// in the device list as a user would, with the refresh filter off so every mode is listed. One
// dialog serves the whole suite (each window teardown is slow on a bare X server); every test
// starts from the same devices, cleared logs and cleared boxes.
class MainDialogButtons : public testing::Test {
protected:
    static inline FakeDisplay display;
    static inline FakeMessageBox messages;
    static inline FakeShell shell;
    static inline FakeScreenCaps screen;
    static inline std::vector<FakeAdapter> adapters;
    static inline FakeSystemRestart restart;
    static inline FakeFileDialogs files;
    static inline FakeShortcutPlatform shortcuts;
    static inline std::unique_ptr<CPixmodeDlg> window;

    static void SetUpTestSuite() {
        if (!CanCreateWindows()) return;
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE, MakeMode(1920, 1080),
                           {MakeMode(1920, 1080), MakeMode(1280, 1024)});
        display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(1024, 768, 32, 60, 1920, 0),
                           {MakeMode(800, 600, 32, 60), MakeMode(1024, 768, 32, 60), MakeMode(1024, 768, 32, 75)});
        adapters = display.adapters;
        MainDialogActions actions;
        actions.showAboutBox = [](HWND, IShell&) {};
        actions.launchUpdater = [](IShell&, HWND, bool, HMODULE) {};
        window = std::make_unique<CPixmodeDlg>(
            DialogServices{display, messages, shell, screen, restart, files, shortcuts}, false, actions);
        if (!window->Create()) window.reset();
    }
    static void TearDownTestSuite() { window.reset(); }

    void SetUp() override {
        SKIP_WITHOUT_WINDOW(window);
        // A successful switch changes the fake's current mode; every test starts from the same one.
        display.adapters = adapters;
        Check(IDC_REFRESH_FILTER, false);
        SelectDevice(1);
        for (int id : {IDC_ROTATE_0, IDC_ROTATE_90, IDC_ROTATE_180, IDC_ROTATE_270}) Check(id, false);
        Check(IDC_CHANGE_PERMANENT, false);
        Check(IDC_CHANGE_GLOBALLY, false);
        display.calls.clear();
        display.changeResults.clear();
        messages.shown.clear();
        messages.answers.clear();
        restart.requests = 0;
    }

    CPixmodeDlg& dialog() { return *window; }
    void SelectDevice(int index) {
        HWND list = dialog().GetDlgItem(IDC_DEVICE_LIST);
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(dialog().m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_DEVICE_LIST, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    // Selects the list item that carries ModeTable index modeIndex; -1 clears the selection.
    void SelectMode(int modeIndex) {
        HWND list = dialog().GetModeList().m_hWnd;
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
        if (modeIndex < 0) return;
        LVFINDINFOW find{};
        find.flags = LVFI_PARAM;
        find.lParam = modeIndex;
        const int item = static_cast<int>(
            SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
        ASSERT_GE(item, 0);
        ListView_SetItemState(list, item, LVIS_SELECTED, LVIS_SELECTED);
    }
    void Check(int id, bool checked) { dialog().CheckDlgButton(id, checked); }
    void Click(int id) {
        SendMessageW(dialog().m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(dialog().GetDlgItem(id)));
    }
    bool ModesReadAgain() const {
        for (const DisplayCall& call : display.calls) {
            if (call.op == DisplayOp::EnumSettings && call.number == 0) return true;
        }
        return false;
    }
};
}  // namespace

TEST_F(MainDialogButtons, SwitchSendsTheSelectedModeTurnedToTheCheckedRotation) {
    ASSERT_EQ(dialog().GetSelectedDeviceName(), L"\\\\.\\DISPLAY2");
    SelectMode(2);
    Check(IDC_ROTATE_90, true);
    Check(IDC_CHANGE_PERMANENT, true);
    Click(IDC_SWITCH);

    const auto changes = display.Changes();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].device, std::wstring(L"\\\\.\\DISPLAY2"));
    EXPECT_EQ(changes[0].flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
    EXPECT_EQ(changes[0].mode->dmPelsWidth, 768u);
    EXPECT_EQ(changes[0].mode->dmPelsHeight, 1024u);
    EXPECT_EQ(changes[0].mode->dmDisplayFrequency, 75u);
    EXPECT_EQ(changes[0].mode->dmDisplayOrientation, 1u);
    // The quarter turn refilled the list from the device's modes.
    EXPECT_TRUE(ModesReadAgain());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainDialogButtons, SwitchWithoutQuarterTurnKeepsTheList) {
    SelectMode(0);
    Check(IDC_ROTATE_180, true);
    Check(IDC_CHANGE_GLOBALLY, true);
    Click(IDC_SWITCH);
    const auto changes = display.Changes();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].flags, 0u);
    EXPECT_EQ(changes[0].mode->dmPelsWidth, 800u);
    EXPECT_EQ(changes[0].mode->dmPelsHeight, 600u);
    EXPECT_EQ(changes[0].mode->dmDisplayOrientation, 2u);
    EXPECT_EQ(display.calls.size(), 1u);
}

TEST_F(MainDialogButtons, SwitchWithoutSelectedModeDoesNothing) {
    SelectMode(-1);
    Click(IDC_SWITCH);
    EXPECT_TRUE(display.calls.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainDialogButtons, SwitchOffersTheRestartThroughTheDialogsSeam) {
    SelectMode(1);
    Check(IDC_CHANGE_PERMANENT, false);
    display.changeResults = {DISP_CHANGE_RESTART};
    messages.answers = {IDYES};
    Click(IDC_SWITCH);
    ASSERT_EQ(display.Changes().size(), 2u);
    EXPECT_EQ(display.Changes()[1].flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
    EXPECT_EQ(restart.requests, 1);
}

TEST_F(MainDialogButtons, ExtendStagesTheSelectedModeAndCommits) {
    SelectMode(1);
    Click(IDC_EXTEND);
    ASSERT_EQ(display.calls.size(), 2u);
    EXPECT_EQ(display.calls[0].device, std::wstring(L"\\\\.\\DISPLAY2"));
    EXPECT_EQ(display.calls[0].flags, static_cast<DWORD>(CDS_UPDATEREGISTRY | CDS_NORESET));
    EXPECT_EQ(display.calls[0].mode->dmPelsWidth, 1024u);
    EXPECT_EQ(display.calls[0].mode->dmDisplayFrequency, 60u);
    EXPECT_NE(display.calls[0].mode->dmFields & DM_POSITION, 0u);
    EXPECT_EQ(display.calls[1].op, DisplayOp::ChangeSettings);
    EXPECT_EQ(display.calls[1].flags, static_cast<DWORD>(CDS_UPDATEREGISTRY));
}

TEST_F(MainDialogButtons, ExtendWithoutSelectedModeSaysSo) {
    SelectMode(-1);
    Click(IDC_EXTEND);
    EXPECT_TRUE(display.calls.empty());
    EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{LoadResString(IDS_NO_MODE_SELECTED)});
}

TEST_F(MainDialogButtons, ExtendWithoutSelectedDeviceDoesNothingAtAll) {
    SendMessageW(dialog().GetDlgItem(IDC_DEVICE_LIST), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SelectMode(1);
    Click(IDC_EXTEND);
    EXPECT_TRUE(display.calls.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainDialogButtons, RefusedQuarterTurnIsReportedAndLeavesListAndRotationAlone) {
    SelectMode(2);
    Check(IDC_ROTATE_90, true);
    display.changeResults = {DISP_CHANGE_BADMODE};
    Click(IDC_SWITCH);
    EXPECT_EQ(display.calls.size(), 1u);
    EXPECT_FALSE(ModesReadAgain());
    EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{FormatResString(IDS_CHANGE_FAILED, {L"-2"})});
    // The user's choice stays, though it no longer matches the device.
    EXPECT_TRUE(dialog().IsDlgButtonChecked(IDC_ROTATE_90));
    EXPECT_EQ(dialog().GetSelectedModeIndex(), 2);
    EXPECT_EQ(restart.requests, 0);
}

TEST_F(MainDialogButtons, DeclinedRestartStoresNothingAndRefillsNothing) {
    SelectMode(1);
    Check(IDC_ROTATE_90, true);
    display.changeResults = {DISP_CHANGE_RESTART};
    messages.answers = {IDNO};
    Click(IDC_SWITCH);
    EXPECT_EQ(display.calls.size(), 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].type, static_cast<UINT>(MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(restart.requests, 0);
    EXPECT_EQ(dialog().GetSelectedModeIndex(), 1);
}

TEST_F(MainDialogButtons, MakePrimaryButtonReportsARefusedStagingAndRefreshesNothing) {
    display.changeResults = {DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_BADMODE};
    Click(IDC_MAKE_PRIMARY);
    // The present primary is staged first; its second, identical call is refused: no commit.
    const auto changes = display.Changes();
    ASSERT_EQ(changes.size(), 2u);
    for (const DisplayCall& call : changes) EXPECT_EQ(call.device, std::wstring(L"\\\\.\\DISPLAY1"));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::wstring>{FormatResString(IDS_STAGE_FAILED, {L"\\\\.\\DISPLAY1", L"-2"})});
    EXPECT_FALSE(ModesReadAgain());
    EXPECT_EQ(dialog().GetSelectedDeviceName(), L"\\\\.\\DISPLAY2");
}

TEST_F(MainDialogButtons, MakeSoleButtonReportsAFailedCommitAndRefreshesNothing) {
    display.changeResults = {0, 0, 0, 0, DISP_CHANGE_FAILED};
    Click(IDC_MAKE_SOLE);
    const auto changes = display.Changes();
    ASSERT_EQ(changes.size(), 5u);
    EXPECT_EQ(changes[4].op, DisplayOp::ChangeSettings);
    EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{LoadResString(IDS_COMMIT_FAILED)});
    EXPECT_FALSE(ModesReadAgain());
}

TEST_F(MainDialogButtons, DesktopButtonsWithoutSelectedDeviceDoNothing) {
    SendMessageW(dialog().GetDlgItem(IDC_DEVICE_LIST), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Click(IDC_MAKE_PRIMARY);
    Click(IDC_MAKE_SOLE);
    EXPECT_TRUE(display.calls.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(shell.requests.empty());
}
