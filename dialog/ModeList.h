// What the mode list shows for a device: every enumerated mode in ModeTable, the rows that pass
// the refresh-rate filter with their texts, the row to select, and the states of the controls
// that a refill updates. Window-free: the dialog only puts the result on screen.
#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

class IDisplaySettings;
class IMessageBox;
class IScreenCaps;

// Every mode of the device in enumeration order: entry n is platform mode number n.
using ModeTable = std::vector<DEVMODEW>;

enum ModeColumn { ModeColumnNumber, ModeColumnScreenArea, ModeColumnColours, ModeColumnRefreshRate, ModeColumnCount };

struct ModeColumnDefinition {
    UINT titleId;  // string-table entry of the header text
    int widthInCharacters;
};
extern const std::array<ModeColumnDefinition, ModeColumnCount> kModeColumns;

// The item texts of the mode list, from string-table entries read once for a whole refill.
class ModeLabels {
public:
    ModeLabels();
    std::wstring ScreenArea(DWORD width, DWORD height) const;
    std::wstring Colours(DWORD bitsPerPixel) const;
    // The hardware default frequency has a label of its own.
    std::wstring Frequency(DWORD frequency) const;

private:
    std::wstring m_screenArea;
    std::array<std::wstring, 6> m_namedDepths;  // 4, 8, 15, 16, 24 and 32 bits per pixel
    std::wstring m_otherDepth;
    std::wstring m_frequency;
    std::wstring m_hardwareDefault;
};

// At equal width and height the colour depth decides before the refresh rate.
bool IsBetterMode(const DEVMODEW& candidate, const DEVMODEW& best);

struct ModeRow {
    DWORD modeNumber;  // index into ModeTable, the item's data
    std::array<std::wstring, ModeColumnCount> texts;
};

struct ModeListContents {
    ModeTable table;
    std::vector<ModeRow> rows;
    int selectedRow = -1;        // the current mode's row, else the best listed mode's, else none
    bool filterEnabled = false;  // some mode is hidden, or would be hidden, by the filter
};

struct RotationButtons {
    bool enabled = false;  // the device's current mode names an orientation
    int checked = -1;      // button to check (0 to 3), or none
};

// The rotation buttons for the device (null: the default display). orientation receives the
// device's current orientation when it can be read and keeps its value otherwise. A refill shows
// these before it reads the modes, so a report about the device never stands beside the previous
// device's rotation.
RotationButtons ReadRotationButtons(IDisplaySettings& display, const wchar_t* deviceName, int& orientation);

// Reads the device's modes (null: the default display). A current mode that cannot be read is
// reported and the screen's capabilities stand in.
ModeListContents ReadModeList(IDisplaySettings& display, IScreenCaps& screen, IMessageBox& messages,
                              const wchar_t* deviceName, bool filterOn);
