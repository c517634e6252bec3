// The system's own text for an error code.
#pragma once
#include <windows.h>

#include <string>

// FormatMessageW from the system message table, inserts ignored, neutral/default language;
// empty when the system has no text for the code. The text is returned as the system wrote
// it, line break at its end included.
std::wstring SystemErrorText(DWORD code);
