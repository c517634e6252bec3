#include "desktop/MakeSole.h"

// Placeholder until the desktop arrangement lands.
void MakeSole(IDisplaySettings&, IMessageBox&, const std::wstring&, DWORD, DWORD, DWORD, uint64_t, DWORD, bool) {}
