// Adding a display device to the desktop in a chosen mode.
#pragma once
#include <windows.h>

#include <string>

class IDisplaySettings;
class IMessageBox;

// deviceName: empty addresses the default display device. selectedMode: the chosen mode as
// enumerated, or null when none is chosen. changeGlobally stores the change for all users.
// A refused change is not reported.
void ExtendDesktop(IDisplaySettings& display, IMessageBox& messages, const std::wstring& deviceName,
                   const DEVMODEW* selectedMode, bool changeGlobally);
