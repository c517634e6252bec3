// The program's texts as the user must read them, checked against the string table. Every other
// test takes its texts from the table by id.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Strings.h"
#include "res/resource.h"

namespace {

struct Entry {
    UINT id;
    const wchar_t* text;
};

// Entries whose number and text are fixed: the table must hold exactly this text.
const Entry kNumberedEntries[] = {
    {1, L"Runs %s via Pixmode at a resolution of %dx%d"},
    {2,
     L"You can use Pixmode to run another program at a specific display resolution. This facility lets you "
     L"create a shortcut to do this using the most frequently used Pixmode settings.\n\nSome of the settings "
     L"are taken from the selections and options on the main Pixmode dialog, so ensure you have selected the "
     L"display settings you want from there before invoking this dialog. Press the Cancel button if you want to "
     L"go back and change your settings now.\n\nBrowse and select the program you want to run.\n\nIf you want "
     L"the resolution to only change when the program's window is the foreground maximized window, select "
     L"that option box.\n\nPress the \"Create Shortcut\" button to create the shortcut."},
    {3, L"Select the Program you want Pixmode to run"},
    {101, L"&About Pixmode..."},
    {57344, L"Pixmode"},
    {57345, L"The /P & /S options require a valid monitor number with option /M"},
    {59142,
     L"You can't switch to this mode without restarting Windows and making the change permanent.\n\n"
     L"If you want to use this mode choose Yes to restart Windows."},
    {59143, L"Could not change to this display setting.\nError %d"},
    {59144, L"Can't use display mode %1"},
    {59145, L"Could not change to the specified display settings.\n\n%1"},
};

// The program's other texts, with placeholders as the usual formatting writes them; the table
// writes them as numbered inserts, so the two must read alike once filled with the same inserts.
const Entry kOwnEntries[] = {
    {IDS_BAD_MONITOR_NUMBER,
     L"Failed to EnumDisplayDevices - you may have specified an invalid monitor number."
     L"\n\nThe operation will continue with the default monitor"},
    {IDS_NO_SAVED_MODE,
     L"Failed to get current or registry settings.\n\nPlease report this to us and let us know "
     L"your current graphics configuration"},
    {IDS_NO_CURRENT_SETTINGS, L"Can't get current settings.\n\nThis shouldn't happen - bad driver perhaps?"},
    {IDS_REQUESTED_MODE, L"Res:\t%u x %u\nColours:\t%u bpp\nFreq:\t%u Hz"},
    {IDS_RUN_FAILED, L"Could not run %s\n\n%s"},
    {IDS_RESTORE_FAILED, L"Failed to restore original resolution"},
    {IDS_WINDOWS_FOUND, L"Multiple windows have been found when Pixmode launched your application.\n"},
    {IDS_NO_BEST_WINDOW,
     L"Pixmode has been unable to determine which would be the best one to use, so you need to "
     L"specify the one you think is the best option.\n\n"},
    {IDS_WINDOW_OPTION,
     L"\nAdd the following command line option to force Pixmode to use a specific window from "
     L"the list below.\n\t-Wn (where n is the window number)\n\n"},
    {IDS_WINDOW_LINE, L"Window %u: Text \"%s\", Class \"%s\"), Style %x, ExStyle %x\n"},
    {IDS_COLUMN_MODE, L"Mode"},
    {IDS_COLUMN_SCREEN_AREA, L"Screen Area"},
    {IDS_COLUMN_COLOURS, L"Colours"},
    {IDS_COLUMN_REFRESH_RATE, L"Refresh Rate"},
    {IDS_SCREEN_AREA, L"%u x %u"},
    {IDS_COLOURS_4, L"16"},
    {IDS_COLOURS_8, L"256"},
    {IDS_COLOURS_15, L"High Colour (15-bit)"},
    {IDS_COLOURS_16, L"High Colour (16-bit)"},
    {IDS_COLOURS_24, L"True colour (24-bit)"},
    {IDS_COLOURS_32, L"True colour (32-bit)"},
    {IDS_COLOURS_OTHER, L"%u bpp"},
    {IDS_HARDWARE_DEFAULT, L"Hardware Default"},
    {IDS_FREQUENCY, L"%u Hertz"},
    {IDS_CURRENT_MODE_UNREADABLE, L"Failed to get current device mode settings"},
    {IDS_PRIMARY_NOT_IN_DESKTOP,
     L"The selected device is not currently in the set of displays used in your "
     L"desktop.\n\nWould you like to use the Control Panel, Display Properties to "
     L"arrange this display to be part of your desktop?"},
    {IDS_PRIMARY_REMOVABLE, L"The device is removable. It can't be made the primary"},
    {IDS_ALREADY_PRIMARY, L"The device already is the primary"},
    {IDS_PRIMARY_CHANGED, L"Your primary desktop device has been changed"},
    {IDS_SOLE_NOT_IN_DESKTOP,
     L"The selected device is not currently in the set of displays used in your desktop. "
     L"You need to make this display part of your desktop before it can be made the "
     L"primary device of the desktop."},
    {IDS_SOLE_REMOVABLE, L"The device is removable. It can't be made the sole monitor"},
    {IDS_SOLE_CHANGED, L"Your single primary device has been changed"},
    {IDS_STAGE_FAILED, L"Failed to ChangeDisplaySettingsEx for device '%s'. Error: %d"},
    {IDS_COMMIT_FAILED, L"Failed to ChangeDisplaySettings for set"},
    {IDS_NO_MODE_SELECTED, L"No video mode selected"},
    {IDS_SHORTCUT_SAVE_FAILED, L"Failed to save the shortcut\n\n%s"},
    {IDS_IDISPATCH_ERROR, L"IDispatch error #%d"},
    {IDS_FILTER_PROGRAMS, L"Programs"},
    {IDS_FILTER_ALL_FILES, L"All Files"},
    {IDS_SHORTCUT_FILE_NAME, L"Your Pixmode application shortcut.lnk"},
};

// Distinct inserts, so that a swapped or missing placeholder shows.
const std::vector<std::wstring> kInserts = {L"<1>", L"<2>", L"<3>", L"<4>", L"<5>"};

}  // namespace

TEST(StringTable, NumberedEntriesHoldTheirTextExactly) {
    for (const Entry& entry : kNumberedEntries) EXPECT_EQ(LoadResString(entry.id), entry.text) << entry.id;
}

TEST(StringTable, OwnEntriesReadAsTheirTextsOnceFilled) {
    for (const Entry& entry : kOwnEntries) {
        EXPECT_FALSE(LoadResString(entry.id).empty()) << entry.id;
        EXPECT_EQ(FormatResString(entry.id, kInserts), FormatText(entry.text, kInserts)) << entry.id;
    }
    // The code goes in upper-case hexadecimal, "%0lX" in the usual formatting.
    EXPECT_EQ(FormatResString(IDS_UNKNOWN_ERROR, {L"%0lX"}), L"Unknown error 0x%0lX");
}
