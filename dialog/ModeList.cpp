#include "dialog/ModeList.h"

#include <utility>

#include "dialog/ScreenCaps.h"
#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"

const std::array<ModeColumnDefinition, ModeColumnCount> kModeColumns{{
    {L"Mode", 9},
    {L"Screen Area", 12},
    {L"Colours", 19},
    {L"Refresh Rate", 8},
}};

std::wstring ColourLabel(DWORD bitsPerPel) {
    switch (bitsPerPel) {
    case 4: return L"16";
    case 8: return L"256";
    case 15: return L"High Colour (15-bit)";
    case 16: return L"High Colour (16-bit)";
    case 24: return L"True colour (24-bit)";
    case 32: return L"True colour (32-bit)";
    default: return UnsignedText(bitsPerPel) + L" bpp";
    }
}

bool IsBetterMode(const DEVMODEW& candidate, const DEVMODEW& best) {
    if (candidate.dmPelsWidth < best.dmPelsWidth) return false;
    if (candidate.dmPelsHeight < best.dmPelsHeight) return false;
    if (candidate.dmPelsWidth > best.dmPelsWidth) return true;
    if (candidate.dmPelsHeight > best.dmPelsHeight) return true;
    // The colour key is the depth the driver reports for every mode.
    if (candidate.dmBitsPerPel != best.dmBitsPerPel) return candidate.dmBitsPerPel > best.dmBitsPerPel;
    return candidate.dmDisplayFrequency > best.dmDisplayFrequency;
}

namespace {
const wchar_t kCurrentModeUnreadable[] = L"Failed to get current device mode settings";

// The mode the refill compares the enumerated modes with.
ScreenMode ReadCurrentMode(IDisplaySettings& display, IScreenCaps& screen, IMessageBox& messages,
                           const wchar_t* deviceName) {
    if (deviceName != nullptr) {
        DEVMODEW mode = PreparedDevMode();
        bool read = display.EnumSettingsEx(deviceName, ENUM_CURRENT_SETTINGS, mode, EDS_RAWMODE);
        if (!read) {
            mode = PreparedDevMode();
            read = display.EnumSettingsEx(deviceName, ENUM_REGISTRY_SETTINGS, mode, EDS_RAWMODE);
        }
        if (read) return {mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, mode.dmDisplayFrequency};
        messages.Show(kCurrentModeUnreadable, MB_OK);
    }
    return screen.Read();
}

std::wstring FrequencyLabel(DWORD frequency, bool matches, bool filterOn) {
    if (IsHardwareDefaultFrequency(frequency)) return L"Hardware Default";
    if (filterOn && !matches) return std::wstring();
    return UnsignedText(frequency) + L" Hertz";
}
}  // namespace

RotationButtons ReadRotationButtons(IDisplaySettings& display, const wchar_t* deviceName, int& orientation) {
    RotationButtons buttons;
    DWORD reported = static_cast<DWORD>(orientation);
    buttons.enabled = GetCurrentOrientation(display, deviceName, reported);
    orientation = static_cast<int>(reported);
    // A driver value outside the four buttons checks none of them.
    if (buttons.enabled && reported <= 3) buttons.checked = static_cast<int>(reported);
    return buttons;
}

ModeListContents ReadModeList(IDisplaySettings& display, IScreenCaps& screen, IMessageBox& messages,
                              const wchar_t* deviceName, bool filterOn) {
    ModeListContents contents;
    const ScreenMode current = ReadCurrentMode(display, screen, messages, deviceName);

    int currentRow = -1;
    int bestRow = -1;
    size_t bestMode = 0;
    for (;;) {
        DEVMODEW mode = PreparedDevMode();
        const DWORD modeNumber = static_cast<DWORD>(contents.table.size());
        if (!display.EnumSettings(deviceName, modeNumber, mode)) break;

        const DWORD frequency = mode.dmDisplayFrequency;
        const bool matches = current.frequency == 0 || current.frequency == frequency;
        std::wstring frequencyLabel = FrequencyLabel(frequency, matches, filterOn);
        if (!IsHardwareDefaultFrequency(frequency) && !matches) contents.filterEnabled = true;

        const int row = static_cast<int>(contents.rows.size());
        if (matches && mode.dmPelsWidth == current.width && mode.dmPelsHeight == current.height &&
            mode.dmBitsPerPel == current.bitsPerPel) {
            currentRow = row;
        }
        if (!frequencyLabel.empty()) {
            contents.rows.push_back({modeNumber,
                                     {UnsignedText(modeNumber), SizeText(mode.dmPelsWidth, mode.dmPelsHeight),
                                      ColourLabel(mode.dmBitsPerPel), std::move(frequencyLabel)}});
            if (bestRow < 0 || IsBetterMode(mode, contents.table[bestMode])) {
                bestRow = row;
                bestMode = modeNumber;
            }
        }
        contents.table.push_back(mode);
    }

    if (!contents.table.empty()) contents.selectedRow = currentRow >= 0 ? currentRow : bestRow;
    return contents;
}
