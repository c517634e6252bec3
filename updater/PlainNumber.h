// The numbers that addresses and version names are written with.
#pragma once
#include <optional>
#include <string>

// A decimal number from 0 to most (at most five digits), without sign or leading zeros.
inline std::optional<unsigned> PlainNumber(const std::wstring& text, unsigned most) {
    if (text.empty() || text.size() > 5 || (text.size() > 1 && text[0] == L'0')) return std::nullopt;
    unsigned value = 0;
    for (const wchar_t character : text) {
        if (character < L'0' || character > L'9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(character - L'0');
    }
    if (value > most) return std::nullopt;
    return value;
}
