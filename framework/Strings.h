// String-table loading and the small text formatting the messages need.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// The text of a string-table entry of the program's module; empty when there is none.
std::wstring LoadResString(UINT id);

// The framework's "%1" insert: every "%1" in the entry's text is replaced by insert.
std::wstring FormatResString(UINT id, const std::wstring& insert);

// Replaces the first occurrence of placeholder (such as "%d") in text by value.
std::wstring ReplaceFirst(std::wstring text, const std::wstring& placeholder, const std::wstring& value);

// Decimal texts of the widths the messages use.
std::wstring SignedText(long long value);
std::wstring UnsignedText(unsigned long long value);
// Hexadecimal without prefix, lower case unless asked otherwise.
std::wstring HexText(unsigned long value, bool upperCase = false);

// A size as the program shows it: "<width> x <height>".
std::wstring SizeText(unsigned long long width, unsigned long long height);
