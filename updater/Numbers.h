// The numbers that addresses, versions, the parameters and the record are written with.
#pragma once
#include <array>
#include <optional>
#include <string>

// A decimal number from 0 to limit, without sign, blanks or leading zeros.
std::optional<unsigned long long> PlainNumber(const std::wstring& text, unsigned long long limit);

// Four plain numbers from 0 to limit, joined by dots: an IPv4 address, a version.
std::optional<std::array<unsigned, 4>> DottedNumbers(const std::wstring& text, unsigned limit);
