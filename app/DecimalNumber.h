// Numbers of the command line, read the way the C runtime's wide decimal conversion reads them:
// leading white space skipped, one sign, digits up to the first non-digit, no digits giving 0,
// and a value out of range giving the type's largest or smallest value.
#pragma once
#include <cstdint>
#include <string>

int32_t ReadInt32(const std::wstring& text);
int64_t ReadInt64(const std::wstring& text);
