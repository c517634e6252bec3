#include "app/Clock.h"

ULONGLONG Win32Clock::Now() { return GetTickCount64(); }

void Win32Clock::Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }
