// Template 102 as the user meets it: the controls the dialog's code drives, their labels,
// mnemonics, tab order and the rotation group.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "res/resource.h"
#include "unit/DialogTemplateChecks.h"

namespace {
DialogTemplate MainTemplate() { return BritishTemplate(IDD_PIXMODE); }
}  // namespace

TEST(MainDialogTemplate, HasItsCaptionFontAndFrame) {
    ExpectModalFrame(MainTemplate(), L"Pixmode", WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
}

TEST(MainDialogTemplate, HoldsEveryControlTheCodeDrivesAndTheLabels) {
    ExpectControls(MainTemplate(),
                   {
                       {IDC_DEVICE_DESCRIPTION, Kind::Label, L"Device Name", 0},
                       {-1, Kind::Label, L"&Device #", 0},
                       {IDC_DEVICE_NUMBER, Kind::Label, L"", 0},
                       // The code reads the entry's text as the device name; entries stay in enumeration order.
                       {IDC_DEVICE_LIST, Kind::UnsortedDropDownList, nullptr, WS_VSCROLL},
                       {IDC_MAKE_PRIMARY, Kind::PushButton, L"Ma&ke Primary", 0},
                       {IDC_MAKE_SOLE, Kind::PushButton, L"Make S&ole", 0},
                       {IDC_EXTEND, Kind::PushButton, L"E&xtend", 0},
                       {-1, Kind::BlackFrame, L"", 0},
                       {-1, Kind::Label,
                        L"Select the required video &mode in the list below. Use the Switch button to change the "
                        L"resolution, or the "
                        L"Shortcut button to create a shortcut to run a program at the selected resolution.",
                        0},
                       {IDC_MODE_LIST, Kind::ReportList, nullptr, LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER},
                       {IDC_REFRESH_FILTER, Kind::CheckBox, L"Current/Default &Refresh Rates Only", BS_MULTILINE},
                       {IDC_CHANGE_PERMANENT, Kind::CheckBox, L"Change &Permanent", 0},
                       {IDC_CHANGE_GLOBALLY, Kind::CheckBox, L"Change &Globally", 0},
                       {IDC_SWITCH, Kind::DefaultButton, L"&Switch", 0},
                       {IDC_SHORTCUT, Kind::PushButton, L"Shortcu&t...", 0},
                       {IDCANCEL, Kind::PushButton, L"&Close", 0},
                       {IDC_ABOUT_BUTTON, Kind::PushButton, L"&About...", 0},
                       {IDC_HELP_BUTTON, Kind::PushButton, L"&Help", 0},
                       {-1, Kind::GroupBox, L"Rotation", 0},
                       {IDC_ROTATE_0, Kind::RadioButton, L"0\u00B0", 0},
                       {IDC_ROTATE_90, Kind::RadioButton, L"90\u00B0", 0},
                       {IDC_ROTATE_180, Kind::RadioButton, L"180\u00B0", 0},
                       {IDC_ROTATE_270, Kind::RadioButton, L"270\u00B0", 0},
                       // Monitor names are shown as they are, shortened at the end when too long.
                       {IDC_MONITOR_NAMES, Kind::Label, L"Monitor Name", SS_NOPREFIX | SS_ENDELLIPSIS},
                   });
}

TEST(MainDialogTemplate, MnemonicsAreUnique) { ExpectUniqueMnemonics(MainTemplate()); }

TEST(MainDialogTemplate, TabVisitsTheControlsInOrderAndEnterSwitches) {
    const DialogTemplate dialog = MainTemplate();
    const std::vector<int> order = {IDC_DEVICE_NUMBER, IDC_DEVICE_LIST, IDC_MAKE_PRIMARY,   IDC_MAKE_SOLE,
                                    IDC_EXTEND,        IDC_MODE_LIST,   IDC_REFRESH_FILTER, IDC_CHANGE_PERMANENT,
                                    IDC_SWITCH,        IDC_SHORTCUT,    IDCANCEL,           IDC_ABOUT_BUTTON,
                                    IDC_HELP_BUTTON};
    EXPECT_EQ(TabStops(dialog), order);
    EXPECT_EQ(IdsOfKind(dialog, Kind::DefaultButton), std::vector<int>{IDC_SWITCH});
    // The mode label's mnemonic leads to the control after it.
    EXPECT_EQ(IdAfterMnemonic(dialog, L'M'), IDC_MODE_LIST);
}

TEST(MainDialogTemplate, OnlyChangeGloballyIsHiddenAndNothingStartsDisabled) {
    const DialogTemplate dialog = MainTemplate();
    EXPECT_EQ(IdsWhere(dialog, WS_VISIBLE, false), std::vector<int>{IDC_CHANGE_GLOBALLY});
    EXPECT_EQ(IdsWhere(dialog, WS_DISABLED, true), std::vector<int>{});
}

// Clicking one rotation button clears the others and nothing else: a group runs from one item
// that starts a group to the next.
TEST(MainDialogTemplate, RotationButtonsFormOneGroupOfTheirOwn) {
    std::vector<std::vector<int>> groups;
    for (const DialogItem& item : MainTemplate().items) {
        if ((item.style & WS_GROUP) || groups.empty()) groups.emplace_back();
        groups.back().push_back(IdOf(item));
    }
    const std::vector<int> rotation = {-1, IDC_ROTATE_0, IDC_ROTATE_90, IDC_ROTATE_180, IDC_ROTATE_270};
    EXPECT_NE(std::find(groups.begin(), groups.end(), rotation), groups.end()) << testing::PrintToString(groups);
}
