#include "dialog/ModeList.h"

#include <utility>

#include "dialog/ScreenCaps.h"
#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"

const std::array<ModeColumnDefinition, ModeColumnCount> kModeColumns{{
    {IDS_COLUMN_MODE, 9},
    {IDS_COLUMN_SCREEN_AREA, 12},
    {IDS_COLUMN_COLOURS, 19},
    {IDS_COLUMN_REFRESH_RATE, 8},
}};

std::wstring ColourLabel(DWORD bitsPerPel) {
    switch (bitsPerPel) {
    case 4: return LoadResString(IDS_COLOURS_4);
    case 8: return LoadResString(IDS_COLOURS_8);
    case 15: return LoadResString(IDS_COLOURS_15);
    case 16: return LoadResString(IDS_COLOURS_16);
    case 24: return LoadResString(IDS_COLOURS_24);
    case 32: return LoadResString(IDS_COLOURS_32);
    default: return FormatResString(IDS_COLOURS_OTHER, {UnsignedText(bitsPerPel)});
    }
}

std::wstring ScreenAreaLabel(DWORD width, DWORD height) {
    return FormatResString(IDS_SCREEN_AREA, {UnsignedText(width), UnsignedText(height)});
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
        messages.Show(LoadResString(IDS_CURRENT_MODE_UNREADABLE), MB_OK);
    }
    return screen.Read();
}

std::wstring FrequencyLabel(DWORD frequency, bool matches, bool filterOn) {
    if (IsHardwareDefaultFrequency(frequency)) return LoadResString(IDS_HARDWARE_DEFAULT);
    if (filterOn && !matches) return std::wstring();
    return FormatResString(IDS_FREQUENCY, {UnsignedText(frequency)});
}
}  // namespace

ModeListContents ReadModeList(IDisplaySettings& display, IScreenCaps& screen, IMessageBox& messages,
                              const wchar_t* deviceName, bool filterOn, int& orientation) {
    ModeListContents contents;

    DWORD reported = static_cast<DWORD>(orientation);
    contents.rotationEnabled = GetCurrentOrientation(display, deviceName, reported);
    orientation = static_cast<int>(reported);
    // A driver value outside the four buttons checks none of them.
    if (contents.rotationEnabled && reported <= 3) contents.checkedRotation = static_cast<int>(reported);

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
                                     {UnsignedText(modeNumber), ScreenAreaLabel(mode.dmPelsWidth, mode.dmPelsHeight),
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
