// Making a display device the primary display of the desktop.
#pragma once
#include <windows.h>

#include <string>

class IDisplaySettings;
class IMessageBox;
class IShell;

// owner: the application's main window, or none in a window-less run (used only for the
// Control Panel offer). quiet suppresses the success message and the two refusals.
void MakePrimary(IDisplaySettings& display, IMessageBox& messages, IShell& shell, HWND owner,
                 const std::wstring& deviceName, bool quiet);
