// Starting the separate updater next to the program.
#pragma once
#include <windows.h>

// automatic: true for the start at every opening of the main dialog, false for the about box link.
void LaunchUpdater(HWND owner, bool automatic, HMODULE module);
