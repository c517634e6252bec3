#include "dialog/PixmodeDlg.h"

#include "dialog/AboutMenuItem.h"
#include "dialog/ColumnWidths.h"
#include "dialog/HelpPage.h"
#include "dialog/ModeSort.h"
#include "dialog/ModeSwitch.h"
#include "dialog/ScreenCaps.h"
#include "desktop/ExtendDesktop.h"
#include "display/DisplaySettings.h"
#include "framework/Icon.h"
#include "framework/MessageBox.h"
#include "framework/ModulePath.h"
#include "framework/Shell.h"
#include "framework/Strings.h"
#include "framework/WaitCursor.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shortcut/ShortcutHandOver.h"

namespace {
// Mode list extended styles: grid lines, header drag-and-drop, full-row selection, label tips.
constexpr DWORD kModeListStyles = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP;
static_assert(kModeListStyles == 0x4031, "the mode list's extended styles");

const int kRotationButtons[] = {IDC_ROTATE_0, IDC_ROTATE_90, IDC_ROTATE_180, IDC_ROTATE_270};

// The first checked rotation button as orientation 0 to 3; none when none is checked.
std::optional<DWORD> CheckedRotation(const CDialog& dialog) {
    std::array<bool, 4> checked{};
    for (size_t button = 0; button < checked.size(); ++button) {
        checked[button] = dialog.IsDlgButtonChecked(kRotationButtons[button]);
    }
    return FirstCheckedRotation(checked);
}
}  // namespace

CPixmodeDlg::CPixmodeDlg(const DialogServices& services, bool updateRegistry, MainDialogActions actions)
    : CDialog(IDD_PIXMODE),
      m_services(services),
      m_bUpdateRegistry(updateRegistry),
      m_actions(std::move(actions)),
      m_hIcon(LoadIconW(AppInstance(), MAKEINTRESOURCEW(IDI_PIXMODE))) {}

CPixmodeDlg::~CPixmodeDlg() {
    // A window still open here is destroyed while the members its clean-up uses exist.
    if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
}

const MessageMap& CPixmodeDlg::GetMessageMap() const {
    static const MessageMapOf<CPixmodeDlg> map{{
        OnMessage<WM_SYSCOMMAND>(&CPixmodeDlg::OnSysCommand),
        OnMessage<WM_DESTROY>(&CPixmodeDlg::OnDestroy),
        OnCommand(IDC_ABOUT_BUTTON, BN_CLICKED, &CPixmodeDlg::OnAbout),
        OnCommand(IDC_REFRESH_FILTER, BN_CLICKED, &CPixmodeDlg::OnRefresh),
        OnCommand(IDC_DEVICE_LIST, CBN_SELCHANGE, &CPixmodeDlg::OnRefresh),
        OnNotify(IDC_MODE_LIST, LVN_COLUMNCLICK, &CPixmodeDlg::OnColumnClick),
        OnNotify(IDC_MODE_LIST, NM_DBLCLK, &CPixmodeDlg::OnListDoubleClick),
        OnCommand(IDC_MAKE_PRIMARY, BN_CLICKED, &CPixmodeDlg::OnMakePrimary),
        OnCommand(IDC_MAKE_SOLE, BN_CLICKED, &CPixmodeDlg::OnMakeSole),
        OnCommand(IDC_EXTEND, BN_CLICKED, &CPixmodeDlg::OnExtend),
        OnCommand(IDC_SWITCH, BN_CLICKED, &CPixmodeDlg::OnSwitch),
        OnCommand(IDC_SHORTCUT, BN_CLICKED, &CPixmodeDlg::OnShortcut),
        OnCommand(IDC_HELP_BUTTON, BN_CLICKED, &CPixmodeDlg::OnHelp),
    }};
    return map;
}

void CPixmodeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MODE_LIST, m_modeList);
    DDX_Control(pDX, IDC_DEVICE_LIST, m_deviceList);
}

BOOL CPixmodeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    AddAboutMenuItem(GetSystemMenu(m_hWnd, FALSE), LoadResString(IDS_ABOUTBOX));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetUpModeList();

    CheckDlgButton(IDC_REFRESH_FILTER, true);
    CheckDlgButton(IDC_CHANGE_PERMANENT, m_bUpdateRegistry);
    CheckDlgButton(IDC_CHANGE_GLOBALLY, false);

    FillDeviceList();
    const std::wstring deviceName = m_devices.adapterFound ? GetSelectedDeviceName() : std::wstring();
    if (const DeviceEntry* entry = GetSelectedDeviceEntry()) ShowDeviceLabels(*entry);
    if (!DeviceChoiceEnabled(static_cast<size_t>(m_deviceList.GetCount()))) {
        m_deviceList.EnableWindow(false);
        EnableDlgItem(IDC_MAKE_PRIMARY, false);
        EnableDlgItem(IDC_MAKE_SOLE, false);
    }

    FillModeList(DeviceOrNone(deviceName));
    m_modeList.SetColumnWidth(ModeColumnColours, LVSCW_AUTOSIZE);
    m_modeList.SetColumnWidth(ModeColumnRefreshRate, LVSCW_AUTOSIZE_USEHEADER);
    SortModeList(0);

    m_actions.launchUpdater(m_services.shell, m_hWnd, true, AppInstance());
    return TRUE;
}

void CPixmodeDlg::SetUpModeList() {
    m_modeList.SetExtendedStyle(kModeListStyles, kModeListStyles);

    CIcon rowMarker(IDI_ROW_MARKER, 4, 4);
    m_rowImages.Create(4, 4, ILC_MASK, 1, 1);
    m_rowImages.Add(rowMarker.Get());
    m_modeList.SetImageList(m_rowImages.GetSafeHandle(), LVSIL_SMALL);

    CIcon ascending(IDI_SORT_ASCENDING, 0, 0);
    CIcon descending(IDI_SORT_DESCENDING, 0, 0);
    m_headerImages.Create(8, 8, ILC_MASK, 2, 2);
    m_headerImages.Add(ascending.Get());
    m_headerImages.Add(descending.Get());
    m_modeList.GetHeaderCtrl().SetImageList(m_headerImages.GetSafeHandle());

    const int average = AverageCharWidth(m_modeList.m_hWnd);
    for (int column = 0; column < ModeColumnCount; ++column) {
        const ModeColumnDefinition& definition = kModeColumns[static_cast<size_t>(column)];
        m_modeList.InsertColumn(column, LoadResString(definition.titleId), LVCFMT_LEFT,
                                definition.widthInCharacters * average);
    }
}

void CPixmodeDlg::FillDeviceList() {
    m_devices = DeviceList::Build(m_services.display);
    for (DeviceListItem& item : m_devices.items) {
        const int index = m_deviceList.AddString(item.text);
        if (index >= 0) m_deviceList.SetItemDataPtr(index, item.entry.get());
    }
    m_deviceList.SetCurSel(static_cast<int>(m_devices.selected));
}

void CPixmodeDlg::ShowDeviceLabels(const DeviceEntry& entry) {
    const DeviceLabels labels = LabelsFor(entry);
    SetDlgItemText(IDC_DEVICE_DESCRIPTION, labels.description);
    SetDlgItemText(IDC_DEVICE_NUMBER, labels.number);
    SetDlgItemText(IDC_MONITOR_NAMES, labels.monitors);
}

std::wstring CPixmodeDlg::GetSelectedDeviceName() const { return m_deviceList.GetWindowText(); }

const DeviceEntry* CPixmodeDlg::GetSelectedDeviceEntry() const {
    const int selected = m_deviceList.GetCurSel();
    if (selected == CB_ERR) return nullptr;
    return static_cast<const DeviceEntry*>(m_deviceList.GetItemDataPtr(selected));
}

int CPixmodeDlg::GetSelectedModeIndex() const {
    const int item = m_modeList.GetNextSelected();
    if (item < 0) return -1;
    return static_cast<int>(m_modeList.GetItemData(item));
}

void CPixmodeDlg::FillModeList(const wchar_t* deviceName) {
    m_modeTable.clear();
    m_modeList.DeleteAllItems();

    const RotationButtons rotation = ReadRotationButtons(m_services.display, deviceName, m_nOrientation);
    for (int button = 0; button < 4; ++button) {
        EnableDlgItem(kRotationButtons[button], rotation.enabled);
        CheckDlgButton(kRotationButtons[button], button == rotation.checked);
    }
    ModeListContents contents = ReadModeList(m_services.display, m_services.screen, m_services.messages, deviceName,
                                             IsDlgButtonChecked(IDC_REFRESH_FILTER));

    m_modeList.SetRedraw(false);
    int item = 0;
    for (const ModeRow& row : contents.rows) {
        const int index = m_modeList.InsertItem(item, row.texts[ModeColumnNumber], -1);
        m_modeList.SetItemData(index, static_cast<LPARAM>(row.modeNumber));
        for (int column = ModeColumnScreenArea; column < ModeColumnCount; ++column) {
            m_modeList.SetItemText(index, column, row.texts[static_cast<size_t>(column)]);
        }
        ++item;
    }
    m_modeList.SetRedraw(true);
    m_modeTable = std::move(contents.table);

    if (contents.selectedRow >= 0) {
        m_modeList.SetItemState(contents.selectedRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_modeList.EnsureVisible(contents.selectedRow, false);
    }
    EnableDlgItem(IDC_REFRESH_FILTER, contents.filterEnabled);
}

void CPixmodeDlg::SortModeList(int column) {
    const CHeaderCtrl header = m_modeList.GetHeaderCtrl();
    header.SetItemFormat(m_nSortColumn, HDF_STRING, 0);
    if (!m_modeTable.empty()) {
        ModeSortParams params{column, m_modeTable.data(), m_bSortAscending};
        m_modeList.SortItems(CompareModeItems, reinterpret_cast<LPARAM>(&params));
    }
    const int selected = m_modeList.GetNextSelected();
    if (selected >= 0) m_modeList.EnsureVisible(selected, false);
    header.SetItemFormat(column, kSortedHeaderFormat, m_bSortAscending ? kAscendingMarker : kDescendingMarker);
    m_nSortColumn = column;
}

void CPixmodeDlg::OnRefresh() {
    CWaitCursor wait;
    const std::wstring deviceName = GetSelectedDeviceName();
    FillModeList(DeviceOrNone(deviceName));
    if (const DeviceEntry* entry = GetSelectedDeviceEntry()) {
        ShowDeviceLabels(*entry);
        EnableDlgItem(IDC_MAKE_PRIMARY, DesktopButtonsEnabled(*entry));
        EnableDlgItem(IDC_MAKE_SOLE, DesktopButtonsEnabled(*entry));
    }
    SortModeList(m_nSortColumn);
}

LRESULT CPixmodeDlg::OnColumnClick(const NMHDR& header) {
    const int column = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem;
    m_bSortAscending = NextSortAscending(column, m_nSortColumn, m_bSortAscending);
    SortModeList(column);
    return 0;
}

LRESULT CPixmodeDlg::OnListDoubleClick(const NMHDR&) {
    // The switch runs once the list control has finished with its notification.
    PostMessage(WM_COMMAND, MAKEWPARAM(IDC_SWITCH, BN_CLICKED), 0);
    return 0;
}

void CPixmodeDlg::OnMakePrimary() {
    if (!HasSelectedDevice()) return;
    CWinApp* app = CWinApp::Current();
    m_actions.makePrimary(m_services.display, m_services.messages, m_services.shell,
                          app != nullptr ? app->m_hMainWnd : nullptr, GetSelectedDeviceName(), false);
}

void CPixmodeDlg::OnMakeSole() {
    if (!HasSelectedDevice()) return;
    m_actions.makeSole(m_services.display, m_services.messages, GetSelectedDeviceName(), 0, 0, 0, 0, 0, false);
}

void CPixmodeDlg::OnExtend() {
    if (!HasSelectedDevice()) return;
    ExtendDesktop(m_services.display, m_services.messages, GetSelectedDeviceName(),
                  ModeAt(m_modeTable, GetSelectedModeIndex()), IsDlgButtonChecked(IDC_CHANGE_GLOBALLY));
}

void CPixmodeDlg::OnSwitch() {
    const DEVMODEW* mode = ModeAt(m_modeTable, GetSelectedModeIndex());
    if (mode == nullptr) return;
    SwitchRequest request;
    request.mode = *mode;
    request.deviceName = GetSelectedDeviceName();
    request.changePermanent = IsDlgButtonChecked(IDC_CHANGE_PERMANENT);
    request.changeGlobally = IsDlgButtonChecked(IDC_CHANGE_GLOBALLY);
    request.rotation = CheckedRotation(*this);
    if (!SwitchMode(m_services.display, m_services.messages, m_services.restart, request)) return;
    // A quarter turn changed which modes exist; the refill selects the now current one.
    FillModeList(DeviceOrNone(request.deviceName));
    SortModeList(m_nSortColumn);
}

void CPixmodeDlg::OnShortcut() {
    const DEVMODEW* mode = ModeAt(m_modeTable, GetSelectedModeIndex());
    if (mode == nullptr) return;
    std::optional<int> deviceNumber;
    if (const DeviceEntry* entry = GetSelectedDeviceEntry()) deviceNumber = entry->deviceNumber;
    m_actions.showShortcutDialog(
        ShortcutSettingsFromSelection(*mode, IsDlgButtonChecked(IDC_CHANGE_PERMANENT),
                                      IsDlgButtonChecked(IDC_REFRESH_FILTER), deviceNumber, CheckedRotation(*this)),
        m_services.messages, m_services.files, m_services.shortcuts);
}

void CPixmodeDlg::OnHelp() {
    m_services.shell.Execute(m_hWnd, nullptr, HelpFilePath(ModuleFileName(AppInstance())), nullptr, nullptr,
                             SW_SHOWNORMAL);
}

void CPixmodeDlg::OnAbout() { m_actions.showAboutBox(m_hWnd, m_services.shell); }

bool CPixmodeDlg::OnSysCommand(WPARAM command, LPARAM) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX) return false;
    m_actions.showAboutBox(m_hWnd, m_services.shell);
    return true;
}

bool CPixmodeDlg::OnDestroy(WPARAM, LPARAM) {
    // The list would destroy its row images with itself; the dialog owns them.
    m_modeList.SetImageList(nullptr, LVSIL_SMALL);
    m_devices.Release();
    return false;
}
