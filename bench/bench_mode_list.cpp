// The mode list's refill and sort over 10,000 scripted modes, in-process on the real list control
// of the main dialog. Prints medians in milliseconds; nothing here is a test.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "dialog/ModeList.h"
#include "dialog/ModeSort.h"
#include "dialog/PixmodeDlg.h"
#include "dialog/ScreenCaps.h"
#include "dialog/SystemRestart.h"
#include "display/DisplayRecords.h"
#include "display/DisplaySettings.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/Shell.h"
#include "shortcut/CreateShortcut.h"
#include "res/resource.h"

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Least(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

const wchar_t kDevice[] = L"\\\\.\\DISPLAY1";

// A mode as Wine reports one, with the fields it flags.
DEVMODEW MakeMode(DWORD width, DWORD height, DWORD bitsPerPixel, DWORD frequency) {
    DEVMODEW mode = PreparedDevMode();
    mode.dmFields = DM_POSITION | DM_DISPLAYORIENTATION | DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT |
                    DM_DISPLAYFREQUENCY | DM_DISPLAYFLAGS;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bitsPerPixel;
    mode.dmDisplayFrequency = frequency;
    return mode;
}

// One primary adapter with one monitor, its current mode and the scripted modes; it changes nothing.
class ScriptedDisplay : public IDisplaySettings {
public:
    ScriptedDisplay(const DEVMODEW& current, std::vector<DEVMODEW> modes)
        : m_current(current), m_modes(std::move(modes)) {}

    bool EnumDevices(const wchar_t* device, DWORD index, DISPLAY_DEVICEW& record, DWORD) override {
        if (index != 0) return false;
        lstrcpynW(record.DeviceName, device == nullptr ? kDevice : L"\\\\.\\DISPLAY1\\Monitor0", 32);
        lstrcpynW(record.DeviceString, device == nullptr ? L"Scripted Adapter" : L"Generic Non-PnP Monitor", 128);
        record.StateFlags = device == nullptr ? DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE
                                              : DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_ACTIVE;
        return true;
    }
    bool EnumSettings(const wchar_t*, DWORD modeNumber, DEVMODEW& mode) override {
        if (modeNumber == ENUM_CURRENT_SETTINGS || modeNumber == ENUM_REGISTRY_SETTINGS) {
            mode = m_current;
        } else if (modeNumber < m_modes.size()) {
            mode = m_modes[modeNumber];
        } else {
            return false;
        }
        return true;
    }
    bool EnumSettingsEx(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode, DWORD) override {
        return EnumSettings(device, modeNumber, mode);
    }
    LONG ChangeSettingsEx(const wchar_t*, DEVMODEW*, DWORD) override { return DISP_CHANGE_FAILED; }
    LONG ChangeSettings(DEVMODEW*, DWORD) override { return DISP_CHANGE_FAILED; }

private:
    DEVMODEW m_current;
    std::vector<DEVMODEW> m_modes;
};

// A message would mean the scripted display is not what the list expects: it is counted, not shown.
class CountedMessages : public IMessageBox {
public:
    int Show(const std::wstring&, UINT) override {
        ++shown;
        return IDOK;
    }
    int ShowPlain(const std::wstring&, const std::wstring&, UINT) override {
        ++shown;
        return IDOK;
    }
    int shown = 0;
};

// 10,000 distinct modes: sizes, three depths and several rates, the current one among them.
std::vector<DEVMODEW> ScriptedModes(size_t count) {
    static const DWORD bits[] = {8, 16, 32};
    static const DWORD rates[] = {1, 56, 60, 70, 72, 75, 85, 100, 120, 144};
    std::vector<DEVMODEW> modes;
    for (DWORD size = 0; modes.size() < count; ++size) {
        for (DWORD depth : bits) {
            for (DWORD rate : rates) {
                if (modes.size() == count) break;
                modes.push_back(MakeMode(640 + 8 * (size % 400), 480 + 6 * (size / 400 + size % 7), depth, rate));
            }
        }
    }
    return modes;
}

}  // namespace

int wmain() {
    const size_t count = 10000;
    const int rounds = 21;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    ScriptedDisplay display(MakeMode(1024, 768, 32, 60), ScriptedModes(count));
    CountedMessages messages;
    Win32Shell shell;
    Win32ScreenCaps screen;
    const wchar_t* device = kDevice;

    // The decision code alone: enumeration, filter, labels, current and best mode.
    std::vector<double> decide;
    size_t rows = 0;
    for (int round = 0; round < rounds; ++round) {
        int orientation = 0;
        const double start = Now();
        ReadRotationButtons(display, device, orientation);
        ModeListContents contents = ReadModeList(display, screen, messages, device, false);
        decide.push_back(Now() - start);
        rows = contents.rows.size();
    }

    // What the scripted display itself costs: the same enumeration without any decision.
    std::vector<double> enumerate;
    for (int round = 0; round < rounds; ++round) {
        const double start = Now();
        DEVMODEW mode;
        for (DWORD n = 0; display.EnumSettings(device, n, mode); ++n) {
        }
        enumerate.push_back(Now() - start);
    }

    // The comparison callback alone, over the table in a plain sort.
    std::vector<double> callbackSort;
    {
        const ModeListContents contents = ReadModeList(display, screen, messages, device, false);
        for (int round = 0; round < rounds; ++round) {
            std::vector<LPARAM> items;
            for (const ModeRow& row : contents.rows) items.push_back(static_cast<LPARAM>(row.modeNumber));
            ModeSortParams params{round % 2 ? ModeColumnScreenArea : ModeColumnRefreshRate, contents.table.data(),
                                  true};
            const double start = Now();
            std::sort(items.begin(), items.end(), [&params](LPARAM a, LPARAM b) {
                return CompareModeItems(a, b, reinterpret_cast<LPARAM>(&params)) < 0;
            });
            callbackSort.push_back(Now() - start);
        }
    }

    MainDialogActions actions;
    actions.showAboutBox = [](HWND, IShell&) {};
    actions.launchUpdater = [](IShell&, HWND, bool, HMODULE) {};
    // Neither is used: the benchmark presses no button that restarts or writes a shortcut.
    Win32SystemRestart restart;
    CFileDialog files;
    Win32ShortcutPlatform shortcuts;
    CPixmodeDlg dialog(DialogServices{display, messages, shell, screen, restart, files, shortcuts}, false, actions);
    if (!dialog.Create()) {
        std::fprintf(stderr, "the main dialog could not be created (no display?)\n");
        return 1;
    }
    dialog.CheckDlgButton(IDC_REFRESH_FILTER, false);

    // The dialog's refill into the real list control, then its sort by the current column.
    std::vector<double> fill, fillAndSort, sortOnly;
    for (int round = 0; round < rounds; ++round) {
        const double start = Now();
        dialog.FillModeList(device);
        const double filled = Now();
        dialog.SortModeList(dialog.m_nSortColumn);
        const double sorted = Now();
        fill.push_back(filled - start);
        fillAndSort.push_back(sorted - start);
        // A sort by another column moves every item.
        const double again = Now();
        dialog.SortModeList(round % 2 ? ModeColumnScreenArea : ModeColumnRefreshRate);
        sortOnly.push_back(Now() - again);
    }
    const int listed = ListView_GetItemCount(dialog.GetModeList().m_hWnd);
    if (messages.shown != 0) {
        std::fprintf(stderr, "the scripted display made the dialog show %d messages\n", messages.shown);
        return 1;
    }
    std::printf("(c) %zu modes, %zu rows listed (%d in the list control), median of %d rounds:\n", count, rows, listed,
                rounds);
    std::printf("(c) decision code (ReadModeList): %.2f ms (least %.2f)\n", Median(decide), Least(decide));
    std::printf("(c)   of which the scripted display's enumeration: %.2f ms (least %.2f)\n", Median(enumerate),
                Least(enumerate));
    std::printf("(c) CompareModeItems in a plain sort of the rows: %.2f ms (least %.2f)\n", Median(callbackSort),
                Least(callbackSort));
    std::printf("(c) FillModeList into the list control: %.2f ms (least %.2f)\n", Median(fill), Least(fill));
    std::printf("(c) FillModeList plus SortModeList: %.2f ms (least %.2f)\n", Median(fillAndSort), Least(fillAndSort));
    std::printf("(c) SortModeList by another column: %.2f ms (least %.2f)\n", Median(sortOnly), Least(sortOnly));
    return 0;
}
