// Template 134 as the user meets it: the controls the dialog's code drives, their labels,
// mnemonics and tab order.
#include <gtest/gtest.h>

#include <vector>

#include "res/resource.h"
#include "unit/DialogTemplateChecks.h"

namespace {
DialogTemplate ShortcutTemplate() { return BritishTemplate(IDD_SHORTCUT); }
}  // namespace

TEST(ShortcutDialogTemplate, HasItsCaptionFontAndFrame) {
    ExpectModalFrame(ShortcutTemplate(), L"Create Pixmode Shortcut", WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME);
}

TEST(ShortcutDialogTemplate, HoldsEveryControlTheCodeDrivesAndTheLabels) {
    ExpectControls(
        ShortcutTemplate(),
        {
            {IDC_BROWSE, Kind::PushButton, L"&Browse...", 0},
            {IDC_ONLY_WHEN_MAXIMIZED, Kind::CheckBox,
             L"and only change the resolution when the run application is the maximized foreground window",
             BS_MULTILINE},
            {IDOK, Kind::DefaultButton, L"&Create Shortcut", 0},
            {IDCANCEL, Kind::PushButton, L"Cancel", 0},
            {-1, Kind::Label, L"Pixmode will run:", 0},
            {IDC_SHORTCUT_RESOLUTION, Kind::Label, nullptr, 0},
            // The numbers stand right-aligned against "colours" and "Hz".
            {IDC_SHORTCUT_COLOURS, Kind::RightLabel, nullptr, 0},
            {-1, Kind::Label, L"colours", 0},
            {IDC_SHORTCUT_FREQUENCY, Kind::RightLabel, nullptr, 0},
            {IDC_SHORTCUT_HZ, Kind::Label, L"Hz", 0},
            {IDC_SHORTCUT_MONITOR_LABEL, Kind::Label, L"Monitor", 0},
            {IDC_SHORTCUT_DEVICE_NUMBER, Kind::Label, nullptr, 0},
            // A long program path is shortened in its middle.
            {IDC_SHORTCUT_PROGRAM, Kind::Label, L"Browse and select a program", SS_PATHELLIPSIS},
            {-1, Kind::Label, L"at", 0},
            {-1, Kind::Label, L"with", 0},
            {-1, Kind::GroupBox, L"Settings taken from the selections and options on the main Pixmode dialog:", 0},
            {-1, Kind::EtchedLine, L"", 0},
            {IDC_SHORTCUT_EXPLANATION, Kind::Label, nullptr, 0},
            {-1, Kind::Label,
             L"The shortcut is created on your desktop with the name: \"Your Pixmode application shortcut\".", 0},
            {-1, Kind::Label,
             L"You can rename the shortcut and copy or move it wherever you prefer - such as the Quick Launch toolbar.",
             0},
            {-1, Kind::Label,
             L"Additional options are available for advanced use by modifying the shortcut or creating your own "
             L"manually. "
             L"See the Pixmode help for details on all command line options.",
             0},
            {IDC_SHORTCUT_REGISTRY_NOTE, Kind::Label, L"The settings will be updated in the registry", 0},
        });
}

TEST(ShortcutDialogTemplate, MnemonicsAreUnique) { ExpectUniqueMnemonics(ShortcutTemplate()); }

TEST(ShortcutDialogTemplate, TabVisitsTheControlsInOrderAndEnterCreates) {
    const DialogTemplate dialog = ShortcutTemplate();
    EXPECT_EQ(TabStops(dialog), (std::vector<int>{IDC_BROWSE, IDC_ONLY_WHEN_MAXIMIZED, IDOK, IDCANCEL}));
    EXPECT_EQ(IdsOfKind(dialog, Kind::DefaultButton), std::vector<int>{IDOK});
}

// The code hides what does not apply; the program label shows greyed until a program is chosen.
TEST(ShortcutDialogTemplate, EverythingShowsAndOnlyTheProgramStartsDisabled) {
    const DialogTemplate dialog = ShortcutTemplate();
    EXPECT_EQ(IdsWhere(dialog, WS_VISIBLE, false), std::vector<int>{});
    EXPECT_EQ(IdsWhere(dialog, WS_DISABLED, true), std::vector<int>{IDC_SHORTCUT_PROGRAM});
}
