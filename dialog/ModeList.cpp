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

namespace {
constexpr std::array<DWORD, 6> kNamedDepths{4, 8, 15, 16, 24, 32};
}  // namespace

ModeLabels::ModeLabels()
    : m_screenArea(LoadResString(IDS_SCREEN_AREA)),
      m_namedDepths{LoadResString(IDS_COLOURS_4),  LoadResString(IDS_COLOURS_8),  LoadResString(IDS_COLOURS_15),
                    LoadResString(IDS_COLOURS_16), LoadResString(IDS_COLOURS_24), LoadResString(IDS_COLOURS_32)},
      m_otherDepth(LoadResString(IDS_COLOURS_OTHER)),
      m_frequency(LoadResString(IDS_FREQUENCY)),
      m_hardwareDefault(LoadResString(IDS_HARDWARE_DEFAULT)) {}

std::wstring ModeLabels::ScreenArea(DWORD width, DWORD height) const {
    return FormatText(m_screenArea, {UnsignedText(width), UnsignedText(height)});
}

std::wstring ModeLabels::Colours(DWORD bitsPerPixel) const {
    for (size_t depth = 0; depth < kNamedDepths.size(); ++depth) {
        if (kNamedDepths[depth] == bitsPerPixel) return m_namedDepths[depth];
    }
    return FormatText(m_otherDepth, {UnsignedText(bitsPerPixel)});
}

std::wstring ModeLabels::Frequency(DWORD frequency) const {
    if (IsHardwareDefaultFrequency(frequency)) return m_hardwareDefault;
    return FormatText(m_frequency, {UnsignedText(frequency)});
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

// Empty for a mode the filter hides.
std::wstring FrequencyLabel(const ModeLabels& labels, DWORD frequency, bool matches, bool filterOn) {
    if (filterOn && !matches && !IsHardwareDefaultFrequency(frequency)) return std::wstring();
    return labels.Frequency(frequency);
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
    const ModeLabels labels;

    int currentRow = -1;
    int bestRow = -1;
    size_t bestMode = 0;
    for (;;) {
        DEVMODEW mode = PreparedDevMode();
        const DWORD modeNumber = static_cast<DWORD>(contents.table.size());
        if (!display.EnumSettings(deviceName, modeNumber, mode)) break;

        const DWORD frequency = mode.dmDisplayFrequency;
        const bool matches = current.frequency == 0 || current.frequency == frequency;
        std::wstring frequencyLabel = FrequencyLabel(labels, frequency, matches, filterOn);
        if (!IsHardwareDefaultFrequency(frequency) && !matches) contents.filterEnabled = true;

        const int row = static_cast<int>(contents.rows.size());
        if (matches && mode.dmPelsWidth == current.width && mode.dmPelsHeight == current.height &&
            mode.dmBitsPerPel == current.bitsPerPixel) {
            currentRow = row;
        }
        if (!frequencyLabel.empty()) {
            contents.rows.push_back({modeNumber,
                                     {UnsignedText(modeNumber), labels.ScreenArea(mode.dmPelsWidth, mode.dmPelsHeight),
                                      labels.Colours(mode.dmBitsPerPel), std::move(frequencyLabel)}});
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
