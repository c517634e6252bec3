#include <gtest/gtest.h>

#include "fakes/DialogTemplateReader.h"
#include "res/resource.h"

namespace {

enum class Kind { PushButton, DefaultButton, CheckBox, GroupBox, LeftText, RightText, EtchedLine };

struct ExpectedItem {
    int id;
    Kind kind;
    std::wstring text;
    short x, y, cx, cy;
    DWORD extraStyles;  // styles besides the kind that must be set
};

// Class names are compared as the platform compares them, without regard to case.
bool IsClass(const DialogItem& item, const wchar_t* name) { return _wcsicmp(item.className.c_str(), name) == 0; }

bool HasKind(const DialogItem& item, Kind kind) {
    const DWORD button = item.style & BS_TYPEMASK;
    const DWORD label = item.style & SS_TYPEMASK;
    switch (kind) {
    case Kind::PushButton: return IsClass(item, L"Button") && button == BS_PUSHBUTTON;
    case Kind::DefaultButton: return IsClass(item, L"Button") && button == BS_DEFPUSHBUTTON;
    case Kind::CheckBox: return IsClass(item, L"Button") && button == BS_AUTOCHECKBOX;
    case Kind::GroupBox: return IsClass(item, L"Button") && button == BS_GROUPBOX;
    case Kind::LeftText: return IsClass(item, L"Static") && label == SS_LEFT;
    case Kind::RightText: return IsClass(item, L"Static") && label == SS_RIGHT;
    case Kind::EtchedLine: return IsClass(item, L"Static") && label == SS_ETCHEDVERT;
    }
    return false;
}

}  // namespace

TEST(ShortcutDialogTemplate, HasItsCaptionFontAndSize) {
    const auto dialog = ReadDialogTemplate(IDD_SHORTCUT, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(dialog->caption, L"Create Pixmode Shortcut");
    EXPECT_EQ(dialog->typeface, L"MS Shell Dlg");
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->cx, 467);
    EXPECT_EQ(dialog->cy, 182);
    const DWORD required = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(dialog->style & required, required);
    EXPECT_EQ(dialog->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
}

TEST(ShortcutDialogTemplate, ListsEveryControlInTabOrderWithItsTextPlaceAndStyle) {
    const auto dialog = ReadDialogTemplate(IDD_SHORTCUT, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    ASSERT_TRUE(dialog.has_value());
    const ExpectedItem expected[] = {
        {IDC_BROWSE, Kind::PushButton, L"&Browse...", 196, 7, 50, 14, WS_TABSTOP},
        {IDC_ONLY_WHEN_MAXIMIZED, Kind::CheckBox,
         L"and only change the resolution when the run application is the maximized foreground window", 252, 20, 206,
         16, BS_MULTILINE | WS_TABSTOP},
        {IDOK, Kind::DefaultButton, L"&Create Shortcut", 196, 101, 81, 14, WS_TABSTOP},
        {IDCANCEL, Kind::PushButton, L"Cancel", 196, 122, 81, 14, WS_TABSTOP},
        {-1, Kind::LeftText, L"Pixmode will run:", 252, 9, 49, 8, 0},
        {IDC_SHORTCUT_RESOLUTION, Kind::LeftText, L"", 220, 56, 53, 8, 0},
        {IDC_SHORTCUT_COLOURS, Kind::RightText, L"", 298, 56, 41, 8, 0},
        {-1, Kind::LeftText, L"colours", 344, 56, 24, 8, 0},
        {IDC_SHORTCUT_FREQUENCY, Kind::RightText, L"", 220, 67, 12, 8, 0},
        {IDC_SHORTCUT_HZ, Kind::LeftText, L"Hz", 234, 67, 9, 8, 0},
        {IDC_SHORTCUT_MONITOR_LABEL, Kind::LeftText, L"Monitor", 282, 67, 25, 8, 0},
        {IDC_SHORTCUT_DEVICE_NUMBER, Kind::LeftText, L"", 318, 67, 20, 8, 0},
        {IDC_SHORTCUT_PROGRAM, Kind::LeftText, L"Browse and select a program", 304, 9, 155, 8,
         SS_PATHELLIPSIS | WS_DISABLED},
        {-1, Kind::LeftText, L"at", 206, 56, 8, 8, 0},
        {-1, Kind::LeftText, L"with", 282, 56, 14, 8, 0},
        {-1, Kind::GroupBox, L"Settings taken from the selections and options on the main Pixmode dialog:", 196, 42,
         264, 52, 0},
        {-1, Kind::EtchedLine, L"", 189, 7, 1, 168, 0},
        {IDC_SHORTCUT_EXPLANATION, Kind::LeftText, L"", 7, 7, 178, 168, 0},
        {-1, Kind::LeftText,
         L"The shortcut is created on your desktop with the name: \"Your Pixmode application shortcut\".", 284, 101, 175,
         16, 0},
        {-1, Kind::LeftText,
         L"You can rename the shortcut and copy or move it wherever you prefer - such as the Quick Launch toolbar.", 284,
         122, 175, 24, 0},
        {-1, Kind::LeftText,
         L"Additional options are available for advanced use by modifying the shortcut or creating your own manually. "
         L"See the Pixmode help for details on all command line options.",
         196, 151, 261, 24, 0},
        {IDC_SHORTCUT_REGISTRY_NOTE, Kind::LeftText, L"The settings will be updated in the registry", 206, 78, 152, 10, 0},
    };
    ASSERT_EQ(dialog->items.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const DialogItem& item = dialog->items[i];
        const ExpectedItem& want = expected[i];
        EXPECT_EQ(static_cast<short>(item.id), static_cast<short>(want.id)) << i;
        EXPECT_TRUE(HasKind(item, want.kind)) << i << " style " << std::hex << item.style << " class " << std::string(item.className.begin(), item.className.end());
        EXPECT_EQ(item.text, want.text) << i;
        EXPECT_EQ(item.x, want.x) << i;
        EXPECT_EQ(item.y, want.y) << i;
        EXPECT_EQ(item.cx, want.cx) << i;
        EXPECT_EQ(item.cy, want.cy) << i;
        EXPECT_EQ(item.style & want.extraStyles, want.extraStyles) << i;
        EXPECT_EQ(item.style & WS_VISIBLE, static_cast<DWORD>(WS_VISIBLE)) << i;
        const bool disabled = (want.extraStyles & WS_DISABLED) != 0;
        EXPECT_EQ((item.style & WS_DISABLED) != 0, disabled) << i;
        const bool tabStop = (want.extraStyles & WS_TABSTOP) != 0;
        EXPECT_EQ((item.style & WS_TABSTOP) != 0, tabStop) << i;
    }
}
