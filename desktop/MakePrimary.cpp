#include "desktop/MakePrimary.h"

// Placeholder until the desktop arrangement lands.
void MakePrimary(IDisplaySettings&, IMessageBox&, IShell&, HWND, const std::wstring&, bool) {}
