// String-table loading and the small text formatting the messages need.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The text of a string-table entry of the program's module; empty when there is none.
std::wstring LoadResString(UINT id);

// Fills the placeholders of a message text with inserts, each already written out: "%1" to "%9"
// stand for the insert of that number, wherever and however often they appear, and "%d", "%s",
// "%u" and "%x" take the inserts in turn from the first, in the order they appear. Inserted text
// is never scanned again, so a "%d" or "%1" inside a device name or path stays as it is. A
// placeholder without its insert, and any other "%" sequence, is kept unchanged.
std::wstring FormatText(const std::wstring& format, const std::vector<std::wstring>& inserts);

// The string-table entry id filled by FormatText.
std::wstring FormatResString(UINT id, const std::vector<std::wstring>& inserts);

// Decimal texts of the widths the messages use.
std::wstring SignedText(long long value);
std::wstring UnsignedText(unsigned long long value);
// Hexadecimal without prefix, lower case unless asked otherwise.
std::wstring HexText(unsigned long value, bool upperCase = false);
