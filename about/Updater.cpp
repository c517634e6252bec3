#include "about/Updater.h"

// Placeholder until the update check lands.
void LaunchUpdater(HWND, bool, HMODULE) {}
