// The floor under the main dialog's start: the main dialog's own template, in a program with the
// same imports as Pixmode and the same libraries loaded when first needed, making the platform calls Pixmode makes
// until its mode list has rows, in the same order and number, and nothing of Pixmode's own in between: no labels, no
// choice of rows beyond the ones Pixmode lists at start, no sort rule. Its time is what Wine needs for that work;
// whatever pixmode.exe takes beyond it is the program's own.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/LateLoaded.h"
#include "framework/SystemLibrary.h"
#include "framework/WindowDC.h"
#include "resource.h"

namespace {

// They outlive the dialog, as the program's do: the list gives its row images back on WM_DESTROY.
HICON g_icon = nullptr;
ScopedHandle<ImageListCloser> g_rowImages, g_headerImages;

DEVMODEW Mode() {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    return mode;
}

DISPLAY_DEVICEW Device() {
    DISPLAY_DEVICEW device{};
    device.cb = sizeof(device);
    return device;
}

// Digits by hand, as the program writes its numbers: std::to_wstring would bring in the C
// runtime's formatted printing, which the program does without, and with it a larger file.
std::wstring Decimal(unsigned long long value) {
    std::wstring digits;
    do digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + value % 10));
    while ((value /= 10) != 0);
    return digits;
}

std::wstring Text(UINT id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

ScopedHandle<IconCloser> Icon(UINT id, int size) {
    return ScopedHandle<IconCloser>(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, const void* lParam) {
    return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(lParam));
}

int CALLBACK InEnumerationOrder(LPARAM first, LPARAM second, LPARAM) { return static_cast<int>(first - second); }

void SetUpList(HWND dialog, HWND list) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0x4031, 0x4031);
    const ScopedHandle<IconCloser> row = Icon(IDI_ROW_MARKER, 4), up = Icon(IDI_SORT_ASCENDING, 0),
                                   down = Icon(IDI_SORT_DESCENDING, 0);
    g_rowImages.Reset(late::ImageList_Create(4, 4, ILC_MASK, 1, 1));
    late::ImageList_ReplaceIcon(g_rowImages.Get(), -1, row.Get());
    Send(list, LVM_SETIMAGELIST, LVSIL_SMALL, g_rowImages.Get());
    g_headerImages.Reset(late::ImageList_Create(8, 8, ILC_MASK, 2, 2));
    late::ImageList_ReplaceIcon(g_headerImages.Get(), -1, up.Get());
    late::ImageList_ReplaceIcon(g_headerImages.Get(), -1, down.Get());
    Send(ListView_GetHeader(list), HDM_SETIMAGELIST, HDSIL_NORMAL, g_headerImages.Get());
    SIZE letters{};
    GetTextExtentPoint32W(WindowDC(list).Get(), L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    const UINT titles[] = {IDS_COLUMN_MODE, IDS_COLUMN_SCREEN_AREA, IDS_COLUMN_COLOURS, IDS_COLUMN_REFRESH_RATE};
    const int widths[] = {9, 12, 19, 8};
    for (int column = 0; column < 4; ++column) {
        std::wstring title = Text(titles[column]);
        LVCOLUMNW definition{};
        definition.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        definition.cx = widths[column] * (letters.cx + 26) / 52;
        definition.pszText = title.data();
        definition.iSubItem = column;
        Send(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), &definition);
    }
    CheckDlgButton(dialog, IDC_REFRESH_FILTER, BST_CHECKED);
    CheckDlgButton(dialog, IDC_CHANGE_PERMANENT, BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_CHANGE_GLOBALLY, BST_UNCHECKED);
}

// Every adapter with its monitors into the device list; the primary one's name.
std::wstring ListDevices(HWND dialog) {
    const HWND devices = GetDlgItem(dialog, IDC_DEVICE_LIST);
    DISPLAY_DEVICEW adapter = Device(), primary = Device(), firstMonitor = Device();
    DWORD primaryNumber = 0;
    LRESULT primaryIndex = 0;
    for (DWORD number = 0; EnumDisplayDevicesW(nullptr, number, &adapter, 0); ++number, adapter = Device()) {
        DISPLAY_DEVICEW monitor = Device(), first = Device();
        for (DWORD index = 0; EnumDisplayDevicesW(adapter.DeviceName, index, &monitor, EDD_GET_DEVICE_INTERFACE_NAME);
             ++index, monitor = Device()) {
            if (index == 0) first = monitor;
        }
        const LRESULT item = Send(devices, CB_ADDSTRING, 0, adapter.DeviceName);
        SendMessageW(devices, CB_SETITEMDATA, static_cast<WPARAM>(item), number);
        if (adapter.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) {
            primary = adapter;
            firstMonitor = first;
            primaryNumber = number;
            primaryIndex = item;
        }
    }
    SendMessageW(devices, CB_SETCURSEL, static_cast<WPARAM>(primaryIndex), 0);
    std::wstring name(static_cast<size_t>(GetWindowTextLengthW(devices)) + 1, L'\0');
    name.resize(static_cast<size_t>(GetWindowTextW(devices, name.data(), static_cast<int>(name.size()))));
    SetDlgItemTextW(dialog, IDC_DEVICE_DESCRIPTION, primary.DeviceString);
    SetDlgItemTextW(dialog, IDC_DEVICE_NUMBER, Decimal(primaryNumber).c_str());
    SetDlgItemTextW(dialog, IDC_MONITOR_NAMES, firstMonitor.DeviceString);
    return name;
}

void FillList(HWND dialog, HWND list, const wchar_t* device) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    DEVMODEW orientation = Mode();
    EnumDisplaySettingsW(device, ENUM_CURRENT_SETTINGS, &orientation);
    for (int button = IDC_ROTATE_0; button <= IDC_ROTATE_270; ++button) {
        EnableWindow(GetDlgItem(dialog, button), (orientation.dmFields & DM_DISPLAYORIENTATION) != 0);
        CheckDlgButton(dialog, button, button == IDC_ROTATE_0 ? BST_CHECKED : BST_UNCHECKED);
    }
    IsDlgButtonChecked(dialog, IDC_REFRESH_FILTER);
    DEVMODEW current = Mode();
    EnumDisplaySettingsExW(device, ENUM_CURRENT_SETTINGS, &current, EDS_RAWMODE);
    for (UINT id = IDS_SCREEN_AREA; id <= IDS_FREQUENCY; ++id) Text(id);
    std::vector<DEVMODEW> modes;
    for (DEVMODEW mode = Mode(); EnumDisplaySettingsW(device, static_cast<DWORD>(modes.size()), &mode); mode = Mode()) {
        modes.push_back(mode);
    }

    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    int rows = 0, currentRow = 0;
    for (size_t number = 0; number < modes.size(); ++number) {
        const DEVMODEW& mode = modes[number];
        // The dialog opens with its refresh-rate filter on: rows for the current rate and the default.
        if (mode.dmDisplayFrequency != current.dmDisplayFrequency && mode.dmDisplayFrequency > 1) continue;
        std::wstring text = Decimal(number);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = rows;
        item.pszText = text.data();
        item.iImage = -1;
        Send(list, LVM_INSERTITEMW, 0, &item);
        item.mask = LVIF_PARAM;
        item.lParam = static_cast<LPARAM>(number);
        Send(list, LVM_SETITEMW, 0, &item);
        for (item.iSubItem = 1; item.iSubItem < 4; ++item.iSubItem) Send(list, LVM_SETITEMTEXTW, rows, &item);
        if (mode.dmPelsWidth == current.dmPelsWidth && mode.dmPelsHeight == current.dmPelsHeight &&
            mode.dmBitsPerPel == current.dmBitsPerPel) {
            currentRow = rows;
        }
        ++rows;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    LVITEMW selected{};
    selected.state = selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(currentRow), &selected);
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(currentRow), FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_REFRESH_FILTER), TRUE);
}

void Sort(HWND list) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 2, LVSCW_AUTOSIZE);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 3, LVSCW_AUTOSIZE_USEHEADER);
    const HWND header = ListView_GetHeader(list);
    HDITEMW format{};
    format.mask = HDI_FORMAT | HDI_IMAGE;
    format.fmt = HDF_STRING;
    Send(header, HDM_SETITEMW, 0, &format);
    SendMessageW(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(InEnumerationOrder));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED)),
                 FALSE);
    format.fmt = HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
    Send(header, HDM_SETITEMW, 0, &format);
}

// The real updater beside pixmode.exe, one folder up, with this program's path and version.
void StartUpdater(HWND owner) {
    std::wstring program(MAX_PATH, L'\0');
    program.resize(GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
    unsigned long long version = 0;
    const SystemLibrary library(L"version.dll");
    const auto getSize = library.Find<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>("GetFileVersionInfoSizeW");
    const auto getInfo = library.Find<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>("GetFileVersionInfoW");
    const auto query = library.Find<BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT)>("VerQueryValueW");
    DWORD ignored = 0;
    std::vector<BYTE> data(getSize != nullptr ? getSize(program.c_str(), &ignored) : 0);
    void* fixed = nullptr;
    UINT length = 0;
    if (!data.empty() && getInfo(program.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) &&
        query(data.data(), L"\\", &fixed, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
        version = static_cast<unsigned long long>(info->dwFileVersionMS) << 32 | info->dwFileVersionLS;
    }
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    const std::wstring updater = folder.substr(0, folder.find_last_of(L'\\') + 1) + L"Marrowick.exe";
    const std::wstring parameters = program + L" 0 " + Decimal(version) + L" 1";
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof(request);
    request.fMask = SEE_MASK_UNICODE | SEE_MASK_HMONITOR;
    request.hwnd = owner;
    request.lpFile = updater.c_str();
    request.lpParameters = parameters.c_str();
    request.nShow = SW_SHOWNORMAL;
    request.hMonitor = MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
    late::ShellExecuteExW(&request);
}

void Start(HWND dialog) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT window{};
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, (monitor.rcWork.left + monitor.rcWork.right - window.right + window.left) / 2,
                 (monitor.rcWork.top + monitor.rcWork.bottom - window.bottom + window.top) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HMENU menu = GetSystemMenu(dialog, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, Text(IDS_ABOUTBOX).c_str());
    Send(dialog, WM_SETICON, ICON_BIG, g_icon);
    Send(dialog, WM_SETICON, ICON_SMALL, g_icon);
    const HWND list = GetDlgItem(dialog, IDC_MODE_LIST);
    SetUpList(dialog, list);
    const std::wstring device = ListDevices(dialog);
    FillList(dialog, list, device.empty() ? nullptr : device.c_str());
    Sort(list);
    StartUpdater(dialog);
}

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: Start(dialog); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
        return TRUE;
    case WM_DESTROY: SendDlgItemMessageW(dialog, IDC_MODE_LIST, LVM_SETIMAGELIST, LVSIL_SMALL, 0); return FALSE;
    default: return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Never true: the reference alone makes the loader map the rest of the libraries Pixmode imports.
    if (__argc > 1000) RegCloseKey(nullptr);
    RestrictDllSearchToSystemFolder();
    PrepareCommonControls();
    DEVMODEW saved = Mode();
    EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &saved);
    g_icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIXMODE));
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_PIXMODE), nullptr, FloorProc, 0));
}
