// The text shown when writing the shortcut fails.
#pragma once
#include <windows.h>

#include <string>

// The system message table's text for code (neutral/default language) with one trailing line
// break removed; empty when the system has none.
std::wstring SystemMessageText(HRESULT code);

// The text for a COM result: systemText when there is one; otherwise "IDispatch error #n" for the
// interface-defined codes 0x80040201 to 0x8004FFFF (n = code - 0x80040200), else
// "Unknown error 0x" and the code in upper-case hexadecimal.
std::wstring ComErrorText(HRESULT code, const std::wstring& systemText);

// "Failed to save the shortcut", a blank line, and the text for code.
std::wstring ShortcutFailureMessage(HRESULT code);
