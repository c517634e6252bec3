#include "app/ForegroundWatcher.h"

#include "framework/Strings.h"
#include "res/resource.h"

namespace {
constexpr DWORD kPollMs = 500;

// The foreground window counts as the watched one when it is that window or its direct child.
HWND TopWindow(IWindowServices& windows, HWND window) {
    const HWND parent = windows.GetParent(window);
    return parent != nullptr ? parent : window;
}

bool IsPopup(IWindowServices& windows, HWND window) {
    return (static_cast<DWORD>(windows.WindowLong(window, GWL_STYLE)) & WS_POPUP) != 0;
}
}  // namespace

LONG PutSavedModeBack(const CommandLineState& state, IDisplaySettings& display) {
    // An empty record would ask the platform for a mode nobody read.
    if (!state.HasSavedMode()) return DISP_CHANGE_SUCCESSFUL;
    DEVMODEW mode = state.savedMode;
    return display.ChangeSettingsEx(state.Device(), &mode, state.changeFlags);
}

void RestoreSavedMode(const CommandLineState& state, const RunServices& services) {
    const LONG result = PutSavedModeBack(state, services.display);
    if (result != DISP_CHANGE_SUCCESSFUL) {
        services.messages.ShowPlain(SignedText(result), LoadResString(IDS_RESTORE_FAILED), MB_OK);
    }
}

void WatchForeground(const CommandLineOptions& options, const CommandLineState& state, HWND watched,
                     const RunServices& services) {
    IWindowServices& windows = services.windows;
    bool applied = false;
    do {
        const HWND foreground = windows.ForegroundWindow();
        if (foreground != nullptr) {
            const bool popup = IsPopup(windows, foreground);
            const HWND top = TopWindow(windows, foreground);
            if (top == watched && windows.IsZoomed(top)) {
                // Without mode options (the dialog ran instead) no mode was requested: an empty
                // record is never handed to the platform, though the restores still follow.
                if (!applied && state.HasRequestedMode()) {
                    DEVMODEW mode = state.requestedMode;
                    services.display.ChangeSettingsEx(state.Device(), &mode, state.changeFlags);
                    // Some programs lay out their maximized window for the old size; a second
                    // maximize makes them fill the new one.
                    if (options.remaximize) {
                        windows.ShowWindow(top, SW_RESTORE);
                        windows.ShowWindow(top, SW_MAXIMIZE);
                    }
                }
                applied = true;
            } else if (!popup && applied) {
                // Popups such as menus and tooltips come and go over the window; they keep the mode.
                RestoreSavedMode(state, services);
                applied = false;
            }
        }
        services.clock.Sleep(kPollMs);
    } while (windows.IsWindow(watched));
    RestoreSavedMode(state, services);
}
