// The main dialog run in-process against a scripted display (needs an X display under Wine).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "dialog/ColumnWidths.h"
#include "ControlReaders.h"
#include "dialog/PixmodeDlg.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeScreenCaps.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShortcutPlatform.h"
#include "fakes/FakeSystemRestart.h"
#include "framework/Strings.h"
#include "framework/WinApp.h"
#include "fakes/WindowProbe.h"
#include "res/resource.h"

namespace {
using Texts = std::vector<std::wstring>;

struct PrimaryCall {
    HWND owner;
    std::wstring device;
    bool quiet;
};
struct SoleCall {
    std::wstring device;
    DWORD mask, width, height;
    uint64_t colourCount;
    DWORD frequency;
    bool quiet;
};

class MainDialog : public ::testing::Test {
protected:
    CWinApp app;  // owns the main window
    FakeDisplay display;
    FakeMessageBox messages;
    FakeShell shell;
    FakeScreenCaps screen;
    FakeSystemRestart restart;
    FakeFileDialogs files;
    FakeShortcutPlatform shortcuts;
    bool updateRegistry = false;
    std::vector<HWND> updaterOwners;
    std::vector<bool> updaterAutomatic;
    std::vector<HMODULE> updaterModules;
    std::vector<HWND> aboutOwners;
    std::vector<PrimaryCall> primaryCalls;
    std::vector<SoleCall> soleCalls;
    std::unique_ptr<CPixmodeDlg> dialog;

    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
    }

    void SetUp() override { SKIP_WITHOUT_WINDOW(CanCreateWindows()); }

    MainDialogActions Actions() {
        MainDialogActions actions;
        actions.showAboutBox = [this](HWND owner, IShell&) { aboutOwners.push_back(owner); };
        actions.launchUpdater = [this](IShell&, HWND owner, bool automatic, HMODULE module) {
            updaterOwners.push_back(owner);
            updaterAutomatic.push_back(automatic);
            updaterModules.push_back(module);
        };
        actions.makePrimary = [this](IDisplaySettings&, IMessageBox&, IShell&, HWND owner, const std::wstring& device,
                                     bool quiet) {
            primaryCalls.push_back({owner, device, quiet});
        };
        actions.makeSole = [this](IDisplaySettings&, IMessageBox&, const std::wstring& device, DWORD mask, DWORD width,
                                  DWORD height, uint64_t colourCount, DWORD frequency, bool quiet) {
            soleCalls.push_back({device, mask, width, height, colourCount, frequency, quiet});
        };
        return actions;
    }

    DialogServices Services() { return {display, messages, shell, screen, restart, files, shortcuts}; }

    bool Open() {
        dialog = std::make_unique<CPixmodeDlg>(Services(), updateRegistry, Actions());
        dialog->SetAsMainWindow();
        return dialog->Create();
    }

    // The primary adapter with a choice of rates, and a second one with hardware-default rates.
    void TwoAdapters() {
        FakeAdapter& first =
            display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60),
                               {MakeMode(800, 600, 32, 60), MakeMode(800, 600, 32, 75), MakeMode(1024, 768, 32, 60),
                                MakeMode(1024, 768, 32, 75), MakeMode(640, 480, 16, 60)});
        first.description = L"Wine Adapter";
        FakeAdapter& second = display.AddAdapter(kAttached, MakeMode(800, 600, 16, 0, 1024, 0),
                                                 {MakeMode(800, 600, 16, 0), MakeMode(640, 480, 16, 1)});
        second.description = L"Second Adapter";
        second.monitors = {L"Left Panel", L"Right Panel"};
    }

    HWND Item(int id) const { return GetDlgItem(dialog->m_hWnd, id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog->m_hWnd, id) == BST_CHECKED; }
    std::wstring Text(int id) const { return CWnd(Item(id)).GetWindowText(); }

    Texts Column(int column) const {
        Texts texts;
        const CListCtrl& list = dialog->GetModeList();
        for (int item = 0; item < ListItemCount(list.m_hWnd); ++item)
            texts.push_back(ListItemText(list.m_hWnd, item, column));
        return texts;
    }
    std::vector<LPARAM> ItemData() const {
        std::vector<LPARAM> data;
        const CListCtrl& list = dialog->GetModeList();
        for (int item = 0; item < ListItemCount(list.m_hWnd); ++item) data.push_back(list.GetItemData(item));
        return data;
    }
    void Command(int id, int code) const {
        SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }
    LRESULT ClickColumn(int column) const {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = Item(IDC_MODE_LIST);
        click.hdr.idFrom = IDC_MODE_LIST;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageW(dialog->m_hWnd, WM_NOTIFY, IDC_MODE_LIST, reinterpret_cast<LPARAM>(&click));
        return GetWindowLongPtrW(dialog->m_hWnd, DWLP_MSGRESULT);
    }
    int HeaderFormat(int column) const {
        return HeaderItemFormat(dialog->GetModeList().GetHeaderCtrl().m_hWnd, column);
    }
    int HeaderImage(int column) const { return HeaderItemImage(dialog->GetModeList().GetHeaderCtrl().m_hWnd, column); }
};
}  // namespace

TEST_F(MainDialog, ShowsThePrimaryAdapterAndItsFilteredModes) {
    TwoAdapters();
    ASSERT_TRUE(Open());
    CComboBox devices(Item(IDC_DEVICE_LIST));
    ASSERT_EQ(devices.GetCount(), 2);
    EXPECT_EQ(ComboItemText(devices.m_hWnd, 0), L"\\\\.\\DISPLAY1");
    EXPECT_EQ(ComboItemText(devices.m_hWnd, 1), L"\\\\.\\DISPLAY2");
    EXPECT_EQ(devices.GetCurSel(), 0);
    EXPECT_EQ(Text(IDC_DEVICE_DESCRIPTION), L"Wine Adapter");
    EXPECT_EQ(Text(IDC_DEVICE_NUMBER), L"0");
    EXPECT_EQ(Text(IDC_MONITOR_NAMES), L"Generic Non-PnP Monitor");

    EXPECT_EQ(Column(0), (Texts{L"0", L"2", L"4"}));
    const std::wstring hertz60 = FormatResString(IDS_FREQUENCY, {L"60"});
    EXPECT_EQ(Column(1), (Texts{FormatResString(IDS_SCREEN_AREA, {L"800", L"600"}),
                                FormatResString(IDS_SCREEN_AREA, {L"1024", L"768"}),
                                FormatResString(IDS_SCREEN_AREA, {L"640", L"480"})}));
    const std::wstring trueColour = LoadResString(IDS_COLOURS_32);
    EXPECT_EQ(Column(2), (Texts{trueColour, trueColour, LoadResString(IDS_COLOURS_16)}));
    EXPECT_EQ(Column(3), (Texts{hertz60, hertz60, hertz60}));
    EXPECT_EQ(ItemData(), (std::vector<LPARAM>{0, 2, 4}));
    EXPECT_EQ(dialog->GetModeTable().size(), 5u);
    EXPECT_EQ(dialog->GetSelectedModeIndex(), 2);
    EXPECT_EQ(ListItemImage(dialog->GetModeList().m_hWnd, 0), -1);

    EXPECT_TRUE(Checked(IDC_REFRESH_FILTER));
    EXPECT_TRUE(Enabled(IDC_REFRESH_FILTER));
    EXPECT_FALSE(Checked(IDC_CHANGE_PERMANENT));
    EXPECT_FALSE(Checked(IDC_CHANGE_GLOBALLY));
    EXPECT_FALSE(IsWindowVisible(Item(IDC_CHANGE_GLOBALLY)));
    EXPECT_TRUE(Enabled(IDC_DEVICE_LIST));
    EXPECT_TRUE(Enabled(IDC_MAKE_PRIMARY));
    EXPECT_TRUE(Enabled(IDC_MAKE_SOLE));
    EXPECT_TRUE(Checked(IDC_ROTATE_0));
    for (int id : {IDC_ROTATE_0, IDC_ROTATE_90, IDC_ROTATE_180, IDC_ROTATE_270}) EXPECT_TRUE(Enabled(id));
    for (int id : {IDC_ROTATE_90, IDC_ROTATE_180, IDC_ROTATE_270}) EXPECT_FALSE(Checked(id));

    EXPECT_EQ(ListExtendedStyle(dialog->GetModeList().m_hWnd) & 0x4031u, 0x4031u);
    HIMAGELIST rows = ListImageList(dialog->GetModeList().m_hWnd, LVSIL_SMALL);
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(rows), 1);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(rows, &cx, &cy);
    EXPECT_EQ(cx, 4);
    HIMAGELIST markers = reinterpret_cast<HIMAGELIST>(
        SendMessageW(dialog->GetModeList().GetHeaderCtrl().m_hWnd, HDM_GETIMAGELIST, 0, 0));
    ASSERT_NE(markers, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(markers), 2);
    ImageList_GetIconSize(markers, &cx, &cy);
    EXPECT_EQ(cx, 8);
    EXPECT_EQ(cy, 8);
    EXPECT_EQ(HeaderFormat(0) & (HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT),
              HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
    EXPECT_EQ(HeaderImage(0), 0);
    EXPECT_EQ(HeaderFormat(1) & HDF_IMAGE, 0);

    EXPECT_NE(SendMessageW(dialog->m_hWnd, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(dialog->m_hWnd, WM_GETICON, ICON_SMALL, 0), 0);
    wchar_t caption[32] = {};
    GetWindowTextW(dialog->m_hWnd, caption, 32);
    EXPECT_STREQ(caption, L"Pixmode");
    EXPECT_EQ(GetWindowLongPtrW(dialog->m_hWnd, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);

    HMENU system = GetSystemMenu(dialog->m_hWnd, FALSE);
    const int count = GetMenuItemCount(system);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(system, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_NE(GetMenuState(system, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR, 0u);

    ASSERT_EQ(updaterOwners.size(), 1u);
    EXPECT_EQ(updaterOwners[0], dialog->m_hWnd);
    EXPECT_TRUE(updaterAutomatic[0]);
    EXPECT_EQ(updaterModules[0], AppInstance());
    EXPECT_EQ(app.m_hMainWnd, dialog->m_hWnd);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainDialog, ChangePermanentStartsCheckedWithOptionU) {
    TwoAdapters();
    updateRegistry = true;
    ASSERT_TRUE(Open());
    EXPECT_TRUE(Checked(IDC_CHANGE_PERMANENT));
    EXPECT_FALSE(Checked(IDC_CHANGE_GLOBALLY));
}

TEST_F(MainDialog, ChoosingAnotherAdapterRefillsAndRelabels) {
    TwoAdapters();
    ASSERT_TRUE(Open());
    const CListCtrl& list = dialog->GetModeList();
    const int average = AverageCharWidth(list.m_hWnd);
    ASSERT_GT(average, 0);
    EXPECT_EQ(ListColumnWidth(list.m_hWnd, 0), 9 * average);
    EXPECT_EQ(ListColumnWidth(list.m_hWnd, 1), 12 * average);
    const int colours = ListColumnWidth(list.m_hWnd, 2);
    const int rate = ListColumnWidth(list.m_hWnd, 3);
    // Sized to the first fill's texts, not to the initial character counts.
    EXPECT_NE(colours, 19 * average);
    SendMessageW(Item(IDC_DEVICE_LIST), CB_SETCURSEL, 1, 0);
    Command(IDC_DEVICE_LIST, CBN_SELCHANGE);
    EXPECT_EQ(Text(IDC_DEVICE_DESCRIPTION), L"Second Adapter");
    EXPECT_EQ(Text(IDC_DEVICE_NUMBER), L"1");
    EXPECT_EQ(Text(IDC_MONITOR_NAMES), L"Left Panel; Right Panel");
    EXPECT_EQ(Column(0), (Texts{L"0", L"1"}));
    EXPECT_EQ(Column(3), (Texts{LoadResString(IDS_HARDWARE_DEFAULT), LoadResString(IDS_HARDWARE_DEFAULT)}));
    EXPECT_EQ(dialog->GetSelectedModeIndex(), 0);
    // Every rate matches an unknown current rate: nothing to filter.
    EXPECT_FALSE(Enabled(IDC_REFRESH_FILTER));
    EXPECT_TRUE(Checked(IDC_REFRESH_FILTER));
    EXPECT_EQ(dialog->GetModeTable().size(), 2u);
    EXPECT_EQ(dialog->GetSelectedDeviceName(), L"\\\\.\\DISPLAY2");
    ASSERT_NE(dialog->GetSelectedDeviceEntry(), nullptr);
    EXPECT_EQ(dialog->GetSelectedDeviceEntry()->deviceNumber, 1);
    // Later fills keep the widths although the texts changed.
    EXPECT_EQ(ListColumnWidth(list.m_hWnd, 2), colours);
    EXPECT_EQ(ListColumnWidth(list.m_hWnd, 3), rate);
}

TEST_F(MainDialog, AnUnreadableModeIsReportedBesideTheNewDeviceRotation) {
    TwoAdapters();
    display.adapters[1].current.reset();
    display.adapters[1].registry.reset();
    ASSERT_TRUE(Open());
    ASSERT_TRUE(Enabled(IDC_ROTATE_0) && Checked(IDC_ROTATE_0));
    int reports = 0;
    messages.onShow = [&](const std::wstring& text) {
        ++reports;
        EXPECT_EQ(text, L"Failed to get current device mode settings");
        for (int id : {IDC_ROTATE_0, IDC_ROTATE_90, IDC_ROTATE_180, IDC_ROTATE_270}) {
            EXPECT_FALSE(Enabled(id)) << id;
            EXPECT_FALSE(Checked(id)) << id;
        }
    };
    SendMessageW(Item(IDC_DEVICE_LIST), CB_SETCURSEL, 1, 0);
    Command(IDC_DEVICE_LIST, CBN_SELCHANGE);
    EXPECT_EQ(reports, 1);
}

TEST_F(MainDialog, UncheckingTheFilterListsEveryMode) {
    TwoAdapters();
    ASSERT_TRUE(Open());
    SendMessageW(Item(IDC_REFRESH_FILTER), BM_CLICK, 0, 0);
    EXPECT_FALSE(Checked(IDC_REFRESH_FILTER));
    EXPECT_TRUE(Enabled(IDC_REFRESH_FILTER));
    EXPECT_EQ(Column(0), (Texts{L"0", L"1", L"2", L"3", L"4"}));
    EXPECT_EQ(Column(3)[1], FormatResString(IDS_FREQUENCY, {L"75"}));
    EXPECT_EQ(dialog->GetSelectedModeIndex(), 2);
}

TEST_F(MainDialog, SingleAdapterDisablesTheChoiceUntilARefresh) {
    display.AddAdapter(kPrimary, MakeMode(800, 600, 32, 60), {MakeMode(800, 600, 32, 60)});
    ASSERT_TRUE(Open());
    EXPECT_FALSE(Enabled(IDC_DEVICE_LIST));
    EXPECT_FALSE(Enabled(IDC_MAKE_PRIMARY));
    EXPECT_FALSE(Enabled(IDC_MAKE_SOLE));
    EXPECT_TRUE(Enabled(IDC_EXTEND));
    Command(IDC_REFRESH_FILTER, BN_CLICKED);
    EXPECT_FALSE(Enabled(IDC_DEVICE_LIST));
    EXPECT_TRUE(Enabled(IDC_MAKE_PRIMARY));
    EXPECT_TRUE(Enabled(IDC_MAKE_SOLE));
}

TEST_F(MainDialog, RemovableAdapterKeepsDesktopButtonsDisabledAfterARefresh) {
    display.AddAdapter(kPrimary, MakeMode(800, 600));
    display.AddAdapter(kAttached | DISPLAY_DEVICE_REMOVABLE, MakeMode(800, 600, 32, 60, 800, 0));
    ASSERT_TRUE(Open());
    // Initialisation does not look at the removable flag.
    EXPECT_TRUE(Enabled(IDC_MAKE_PRIMARY));
    SendMessageW(Item(IDC_DEVICE_LIST), CB_SETCURSEL, 1, 0);
    Command(IDC_DEVICE_LIST, CBN_SELCHANGE);
    EXPECT_FALSE(Enabled(IDC_MAKE_PRIMARY));
    EXPECT_FALSE(Enabled(IDC_MAKE_SOLE));
    SendMessageW(Item(IDC_DEVICE_LIST), CB_SETCURSEL, 0, 0);
    Command(IDC_DEVICE_LIST, CBN_SELCHANGE);
    EXPECT_TRUE(Enabled(IDC_MAKE_PRIMARY));
    EXPECT_TRUE(Enabled(IDC_MAKE_SOLE));
}

TEST_F(MainDialog, MirroringFirstAdapterLeavesANumberGap) {
    display.AddAdapter(DISPLAY_DEVICE_MIRRORING_DRIVER, MakeMode(800, 600));
    display.AddAdapter(kAttached, MakeMode(800, 600));
    ASSERT_TRUE(Open());
    EXPECT_EQ(CComboBox(Item(IDC_DEVICE_LIST)).GetCount(), 1);
    EXPECT_EQ(Text(IDC_DEVICE_NUMBER), L"1");
    EXPECT_EQ(dialog->GetSelectedDeviceName(), L"\\\\.\\DISPLAY2");
}

TEST_F(MainDialog, WithoutAdaptersTheTemplateLabelsStayAndTheScreenIsUsed) {
    screen.mode = {640, 480, 8, 60};
    ASSERT_TRUE(Open());
    CComboBox devices(Item(IDC_DEVICE_LIST));
    ASSERT_EQ(devices.GetCount(), 1);
    EXPECT_EQ(ComboItemText(devices.m_hWnd, 0), L"");
    EXPECT_EQ(dialog->GetSelectedDeviceEntry(), nullptr);
    EXPECT_FALSE(Enabled(IDC_DEVICE_LIST));
    EXPECT_FALSE(Enabled(IDC_MAKE_PRIMARY));
    EXPECT_FALSE(Enabled(IDC_MAKE_SOLE));
    EXPECT_EQ(Text(IDC_DEVICE_DESCRIPTION), L"Device Name");
    EXPECT_EQ(Text(IDC_DEVICE_NUMBER), L"");
    EXPECT_EQ(Text(IDC_MONITOR_NAMES), L"Monitor Name");
    EXPECT_EQ(screen.reads, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ListItemCount(dialog->GetModeList().m_hWnd), 0);
    EXPECT_FALSE(Enabled(IDC_REFRESH_FILTER));
    for (int id : {IDC_ROTATE_0, IDC_ROTATE_90, IDC_ROTATE_180, IDC_ROTATE_270}) {
        EXPECT_FALSE(Enabled(id));
        EXPECT_FALSE(Checked(id));
    }
}

TEST_F(MainDialog, ColumnClicksSortAndMoveTheHeaderMarker) {
    display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 0),
                       {MakeMode(1024, 768, 32, 60), MakeMode(640, 480, 16, 75), MakeMode(1024, 600, 8, 1),
                        MakeMode(800, 600, 32, 85)});
    ASSERT_TRUE(Open());
    EXPECT_EQ(ClickColumn(1), 0);
    EXPECT_EQ(ItemData(), (std::vector<LPARAM>{1, 3, 0, 2}));
    EXPECT_EQ(dialog->m_nSortColumn, 1);
    EXPECT_TRUE(dialog->m_bSortAscending);
    EXPECT_EQ(HeaderFormat(0) & HDF_IMAGE, 0);
    EXPECT_NE(HeaderFormat(1) & HDF_IMAGE, 0);
    EXPECT_EQ(HeaderImage(1), 0);

    ClickColumn(1);
    EXPECT_EQ(ItemData(), (std::vector<LPARAM>{2, 0, 3, 1}));
    EXPECT_FALSE(dialog->m_bSortAscending);
    EXPECT_EQ(HeaderImage(1), 1);

    ClickColumn(3);
    EXPECT_TRUE(dialog->m_bSortAscending);
    EXPECT_EQ(ItemData(), (std::vector<LPARAM>{2, 0, 1, 3}));
    EXPECT_EQ(HeaderFormat(1) & HDF_IMAGE, 0);
    EXPECT_EQ(HeaderImage(3), 0);
    // The selection (the current mode) follows its item.
    EXPECT_EQ(dialog->GetSelectedModeIndex(), 0);
    // A refill keeps the sort column and direction.
    Command(IDC_REFRESH_FILTER, BN_CLICKED);
    EXPECT_EQ(ItemData(), (std::vector<LPARAM>{2, 0, 1, 3}));
}

TEST_F(MainDialog, SortingAnEmptyListStillMovesTheMarker) {
    display.AddAdapter(kPrimary, MakeMode(800, 600));
    ASSERT_TRUE(Open());
    ASSERT_EQ(ListItemCount(dialog->GetModeList().m_hWnd), 0);
    ClickColumn(2);
    EXPECT_EQ(dialog->m_nSortColumn, 2);
    EXPECT_EQ(HeaderFormat(0) & HDF_IMAGE, 0);
    EXPECT_NE(HeaderFormat(2) & HDF_IMAGE, 0);
    EXPECT_EQ(HeaderImage(2), 0);
}

TEST_F(MainDialog, DoubleClickPostsTheSwitchCommand) {
    TwoAdapters();
    ASSERT_TRUE(Open());
    MSG stale;
    while (PeekMessageW(&stale, dialog->m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
    }
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = Item(IDC_MODE_LIST);
    click.hdr.idFrom = IDC_MODE_LIST;
    click.hdr.code = NM_DBLCLK;
    click.iItem = 0;
    SendMessageW(dialog->m_hWnd, WM_NOTIFY, IDC_MODE_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(GetWindowLongPtrW(dialog->m_hWnd, DWLP_MSGRESULT), 0);
    MSG posted;
    ASSERT_TRUE(PeekMessageW(&posted, dialog->m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(posted.wParam, MAKEWPARAM(IDC_SWITCH, BN_CLICKED));
    EXPECT_EQ(posted.lParam, 0);
}

TEST_F(MainDialog, HelpOpensTheReadmeNextToTheProgram) {
    TwoAdapters();
    ASSERT_TRUE(Open());
    Command(IDC_HELP_BUTTON, BN_CLICKED);
    ASSERT_EQ(shell.requests.size(), 1u);
    const ShellRequest& request = shell.requests[0];
    EXPECT_EQ(request.owner, dialog->m_hWnd);
    EXPECT_EQ(request.verb, L"");
    EXPECT_EQ(request.parameters, L"");
    EXPECT_EQ(request.directory, L"");
    EXPECT_EQ(request.show, SW_SHOWNORMAL);
    EXPECT_FALSE(request.extended);
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring expected(program);
    expected = expected.substr(0, expected.rfind(L'\\')) + L"\\readme.html";
    EXPECT_EQ(request.file, expected);
}

TEST_F(MainDialog, AboutFromTheButtonAndTheSystemMenu) {
    TwoAdapters();
    ASSERT_TRUE(Open());
    Command(IDC_ABOUT_BUTTON, BN_CLICKED);
    SendMessageW(dialog->m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    SendMessageW(dialog->m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0);
    SendMessageW(dialog->m_hWnd, WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_EQ(aboutOwners, (std::vector<HWND>{dialog->m_hWnd, dialog->m_hWnd, dialog->m_hWnd}));
}

TEST_F(MainDialog, DesktopButtonsHandOverTheSelectedDevice) {
    TwoAdapters();
    ASSERT_TRUE(Open());
    SendMessageW(Item(IDC_DEVICE_LIST), CB_SETCURSEL, 1, 0);
    Command(IDC_MAKE_PRIMARY, BN_CLICKED);
    Command(IDC_MAKE_SOLE, BN_CLICKED);
    ASSERT_EQ(primaryCalls.size(), 1u);
    EXPECT_EQ(primaryCalls[0].owner, app.m_hMainWnd);
    EXPECT_EQ(primaryCalls[0].owner, dialog->m_hWnd);
    EXPECT_EQ(primaryCalls[0].device, L"\\\\.\\DISPLAY2");
    EXPECT_FALSE(primaryCalls[0].quiet);
    ASSERT_EQ(soleCalls.size(), 1u);
    EXPECT_EQ(soleCalls[0].device, L"\\\\.\\DISPLAY2");
    EXPECT_EQ(soleCalls[0].mask, 0u);
    EXPECT_EQ(soleCalls[0].width + soleCalls[0].height + soleCalls[0].frequency, 0u);
    EXPECT_EQ(soleCalls[0].colourCount, 0u);
    EXPECT_FALSE(soleCalls[0].quiet);

    SendMessageW(Item(IDC_DEVICE_LIST), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Command(IDC_MAKE_PRIMARY, BN_CLICKED);
    Command(IDC_MAKE_SOLE, BN_CLICKED);
    EXPECT_EQ(primaryCalls.size(), 1u);
    EXPECT_EQ(soleCalls.size(), 1u);
}

TEST_F(MainDialog, DestroyFreesEveryDeviceEntryOnce) {
    TwoAdapters();
    ASSERT_TRUE(Open());
    ASSERT_TRUE(dialog->GetDevices().items[0].entry && dialog->GetDevices().items[1].entry);
    DestroyWindow(dialog->m_hWnd);
    EXPECT_EQ(dialog->m_hWnd, nullptr);
    EXPECT_EQ(app.m_hMainWnd, nullptr);
    for (const DeviceListItem& item : dialog->GetDevices().items) EXPECT_FALSE(item.entry);
}

TEST_F(MainDialog, CloseEndsTheModalDialogWithCancel) {
    TwoAdapters();
    for (UINT close : {static_cast<UINT>(WM_CLOSE), static_cast<UINT>(WM_COMMAND)}) {
        HWND mainDuringRun = nullptr;
        MainDialogActions actions = Actions();
        actions.launchUpdater = [&](IShell&, HWND owner, bool, HMODULE) {
            mainDuringRun = app.m_hMainWnd;
            if (close == WM_CLOSE) {
                PostMessageW(owner, WM_CLOSE, 0, 0);
            } else {
                PostMessageW(owner, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            }
        };
        CPixmodeDlg modal(Services(), false, actions);
        modal.SetAsMainWindow();
        EXPECT_EQ(modal.DoModal(), IDCANCEL);
        EXPECT_NE(mainDuringRun, nullptr);
        EXPECT_EQ(app.m_hMainWnd, nullptr);
        EXPECT_EQ(modal.m_hWnd, nullptr);
        for (const DeviceListItem& item : modal.GetDevices().items) EXPECT_FALSE(item.entry);
    }
}
