// Template 102 as the platform builds it: controls in tab order with their texts, places and styles.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/WinApp.h"
#include "fakes/WindowProbe.h"
#include "res/resource.h"

namespace {
INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;  // null: not compared
    RECT place;           // x, y, width, height in dialog units
    DWORD styles;         // bits that must be set
    DWORD absent;         // bits that must be clear
};

const DWORD G = WS_GROUP;
const DWORD T = WS_TABSTOP;
const int kStatic = -1;

const std::vector<ExpectedControl> kControls = {
    {IDC_DEVICE_DESCRIPTION, L"Static", L"Device Name", {6, 6, 247, 8}, G, T},
    {kStatic, L"Static", L"&Device #", {6, 20, 30, 8}, 0, T},
    {IDC_DEVICE_NUMBER, L"Static", L"", {39, 20, 14, 8}, T, 0},
    // The combo box hands its scroll bar style on to its drop-down list.
    {IDC_DEVICE_LIST, L"ComboBox", nullptr, {60, 18, 194, 0}, CBS_DROPDOWNLIST | T, CBS_SORT},
    {IDC_MAKE_PRIMARY, L"Button", L"Ma&ke Primary", {261, 6, 50, 14}, G | T, 0},
    {IDC_MAKE_SOLE, L"Button", L"Make S&ole", {261, 23, 50, 14}, T, G},
    {IDC_EXTEND, L"Button", L"E&xtend", {261, 38, 50, 14}, T, G},
    {kStatic, L"Static", L"", {6, 56, 305, 1}, SS_BLACKFRAME, 0},
    {kStatic, L"Static",
     L"Select the required video &mode in the list below. Use the Switch button to change the resolution, or the "
     L"Shortcut button to create a shortcut to run a program at the selected resolution.",
     {6, 61, 305, 24}, G, 0},
    {IDC_MODE_LIST, L"SysListView32", nullptr, {6, 88, 248, 86}, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | T, 0},
    {IDC_REFRESH_FILTER, L"Button", L"Current/Default &Refresh Rates Only", {6, 177, 134, 10}, BS_AUTOCHECKBOX | BS_MULTILINE | G | T, 0},
    {IDC_CHANGE_PERMANENT, L"Button", L"Change &Permanent", {177, 177, 77, 10}, BS_AUTOCHECKBOX | T, G},
    {IDC_CHANGE_GLOBALLY, L"Button", L"Change &Globally", {107, 177, 67, 10}, BS_AUTOCHECKBOX, WS_VISIBLE},
    {IDC_SWITCH, L"Button", L"&Switch", {261, 86, 50, 14}, BS_DEFPUSHBUTTON | G | T, 0},
    {IDC_SHORTCUT, L"Button", L"Shortcu&t...", {261, 105, 50, 14}, T, G},
    {IDCANCEL, L"Button", L"&Close", {261, 123, 50, 14}, G | T, 0},
    {IDC_ABOUT_BUTTON, L"Button", L"&About...", {261, 141, 50, 14}, G | T, 0},
    {IDC_HELP_BUTTON, L"Button", L"&Help", {261, 158, 50, 14}, G | T, 0},
    {kStatic, L"Button", L"Rotation", {6, 191, 247, 29}, BS_GROUPBOX | G, 0},
    {IDC_ROTATE_0, L"Button", L"0\u00B0", {15, 202, 33, 10}, BS_AUTORADIOBUTTON, T | G},
    {IDC_ROTATE_90, L"Button", L"90\u00B0", {80, 202, 33, 10}, BS_AUTORADIOBUTTON, T | G},
    {IDC_ROTATE_180, L"Button", L"180\u00B0", {145, 202, 33, 10}, BS_AUTORADIOBUTTON, T | G},
    {IDC_ROTATE_270, L"Button", L"270\u00B0", {210, 202, 33, 10}, BS_AUTORADIOBUTTON, T | G},
    {IDC_MONITOR_NAMES, L"Static", L"Monitor Name", {60, 36, 194, 8}, SS_NOPREFIX | SS_ENDELLIPSIS | G, 0},
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}
}  // namespace

TEST(MainDialogTemplate, ControlsInTabOrderWithTheirTextsPlacesAndStyles) {
    if (!CanCreateWindows()) GTEST_SKIP() << "no window can be created here (run with an X display)";
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND dialog = CreateDialogParamW(AppInstance(), MAKEINTRESOURCEW(IDD_PIXMODE), nullptr, QuietProc, 0);
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(TextOf(dialog), L"Pixmode");
    const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    RECT size{0, 0, 317, 226};
    MapDialogRect(dialog, &size);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    size_t index = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT), ++index) {
        ASSERT_LT(index, kControls.size());
        const ExpectedControl& expected = kControls[index];
        SCOPED_TRACE("control " + std::to_string(index) + " id " + std::to_string(expected.id));
        EXPECT_EQ(GetDlgCtrlID(child), expected.id);
        EXPECT_EQ(ClassOf(child), expected.className);
        if (expected.text != nullptr) {
            EXPECT_EQ(TextOf(child), expected.text);
        }
        const DWORD childStyle = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        EXPECT_EQ(childStyle & expected.styles, expected.styles);
        EXPECT_EQ(childStyle & expected.absent, 0u);

        // Position and size are converted from dialog units one by one.
        RECT place = expected.place;
        MapDialogRect(dialog, &place);
        RECT actual{};
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, place.left);
        EXPECT_EQ(actual.top, place.top);
        EXPECT_EQ(actual.right - actual.left, place.right);
        // A drop-down list's window is its closed height, not the template's.
        if (expected.place.bottom != 0) {
            EXPECT_EQ(actual.bottom - actual.top, place.bottom);
        }
    }
    EXPECT_EQ(index, kControls.size());
    // The list control turns its border style into a sunken client edge.
    HWND list = GetDlgItem(dialog, IDC_MODE_LIST);
    EXPECT_TRUE((GetWindowLongPtrW(list, GWL_STYLE) & WS_BORDER) != 0 ||
                (GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
    DestroyWindow(dialog);
}
