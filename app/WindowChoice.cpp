#include "app/WindowChoice.h"

#include <array>
#include <climits>
#include <cstdint>

#include "framework/Strings.h"
#include "res/resource.h"

namespace {
constexpr DWORD kSearchStepMs = 400;
constexpr ULONGLONG kSearchLimitMs = 10000;
// The platform's text buffers hold this many characters with the terminating zero.
constexpr int kTitleCapacity = 100;
constexpr int kClassCapacity = 40;

std::vector<HWND> TopLevelVisibleWindows(DWORD threadId, IWindowServices& windows) {
    std::vector<HWND> candidates;
    windows.EnumThreadWindows(threadId, [&](HWND window) {
        if (windows.GetParent(window) == nullptr && windows.IsVisible(window)) candidates.push_back(window);
    });
    return candidates;
}

DWORD Style(IWindowServices& windows, HWND window) { return static_cast<DWORD>(windows.WindowLong(window, GWL_STYLE)); }

DWORD ExStyle(IWindowServices& windows, HWND window) {
    return static_cast<DWORD>(windows.WindowLong(window, GWL_EXSTYLE));
}

// Task-bar windows are likely main windows; popups and tool windows are not.
int Score(IWindowServices& windows, HWND window) {
    const DWORD style = Style(windows, window);
    const DWORD exStyle = ExStyle(windows, window);
    int score = 0;
    if (exStyle & WS_EX_APPWINDOW) ++score;
    if (style & WS_POPUP) --score;
    if (exStyle & WS_EX_TOOLWINDOW) --score;
    return score;
}

template <size_t Capacity, typename Read>
std::wstring ReadText(Read read) {
    std::array<wchar_t, Capacity> buffer{};
    const int copied = read(buffer.data(), static_cast<int>(buffer.size()));
    // Trust neither the count nor the zero beyond what the buffer holds.
    size_t length = 0;
    const size_t limit = copied > 0 ? static_cast<size_t>(copied) : 0;
    while (length < limit && length < buffer.size() - 1 && buffer[length] != L'\0') ++length;
    return std::wstring(buffer.data(), length);
}
}  // namespace

std::wstring WindowListMessage(const std::vector<HWND>& candidates, bool autoChoice, IWindowServices& windows) {
    std::wstring text = LoadResString(IDS_WINDOWS_FOUND);
    if (autoChoice) text += LoadResString(IDS_NO_BEST_WINDOW);
    text += LoadResString(IDS_WINDOW_OPTION);
    const std::wstring line = LoadResString(IDS_WINDOW_LINE);
    for (size_t number = 0; number < candidates.size(); ++number) {
        const HWND window = candidates[number];
        const std::wstring title = ReadText<kTitleCapacity>(
            [&](wchar_t* buffer, int capacity) { return windows.WindowText(window, buffer, capacity); });
        const std::wstring className = ReadText<kClassCapacity>(
            [&](wchar_t* buffer, int capacity) { return windows.ClassName(window, buffer, capacity); });
        text += FormatText(line, {UnsignedText(number), title, className, HexText(Style(windows, window)),
                                  HexText(ExStyle(windows, window))});
    }
    return text;
}

HWND ChooseWindow(const std::vector<HWND>& candidates, bool autoChoice, const RunServices& services) {
    if (autoChoice) {
        HWND choice = nullptr;
        int best = INT_MIN;
        bool unique = false;
        for (HWND window : candidates) {
            const int score = Score(services.windows, window);
            if (score > best) {
                choice = window;
                best = score;
                unique = true;
            } else if (score == best) {
                unique = false;
            }
        }
        if (unique) return choice;
    }
    services.messages.Show(WindowListMessage(candidates, autoChoice, services.windows), MB_OK);
    return nullptr;
}

HWND FindLaunchedWindow(DWORD threadId, const CommandLineOptions& options, const RunServices& services) {
    const ULONGLONG start = services.clock.Now();
    std::vector<HWND> candidates = TopLevelVisibleWindows(threadId, services.windows);
    while (candidates.empty()) {
        services.clock.Sleep(kSearchStepMs);
        if (services.clock.Now() - start >= kSearchLimitMs) return nullptr;
        candidates = TopLevelVisibleWindows(threadId, services.windows);
    }
    if (candidates.size() == 1) return candidates.front();
    // Compared as unsigned, a negative number is never in range.
    if (options.windowNumber && static_cast<uint32_t>(*options.windowNumber) < candidates.size()) {
        return candidates[static_cast<uint32_t>(*options.windowNumber)];
    }
    return ChooseWindow(candidates, !options.listWindows, services);
}
