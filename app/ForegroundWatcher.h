// Keeps the requested mode in force only while a window is the maximized foreground window.
#pragma once
#include <windows.h>

#include "app/CommandLineOptions.h"
#include "app/CommandLineState.h"
#include "app/RunServices.h"

// Polls the foreground every 500 ms while the watched window exists: applies the requested mode
// once when the window (or its child) comes to the front maximized, restores the saved mode when
// another non-popup window takes the front, and restores it once more when the window is gone.
void WatchForeground(const CommandLineOptions& options, const CommandLineState& state, HWND watched,
                     const RunServices& services);

// Puts the saved mode back on the device with the run's change flags and returns the result;
// without a saved mode the display is left alone and the result is DISP_CHANGE_SUCCESSFUL.
LONG PutSavedModeBack(const CommandLineState& state, IDisplaySettings& display);

// PutSavedModeBack, showing a failure with its number.
void RestoreSavedMode(const CommandLineState& state, const RunServices& services);
