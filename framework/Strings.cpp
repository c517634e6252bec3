#include "framework/Strings.h"

#include "framework/WinApp.h"

std::wstring LoadResString(UINT id) {
    // With a zero buffer size LoadStringW hands out a read-only pointer to the resource text.
    const wchar_t* text = nullptr;
    int length = LoadStringW(AppInstance(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return std::wstring();
    return std::wstring(text, static_cast<size_t>(length));
}

std::wstring FormatResString(UINT id, const std::wstring& insert) {
    std::wstring text = LoadResString(id);
    const std::wstring marker = L"%1";
    for (size_t at = text.find(marker); at != std::wstring::npos; at = text.find(marker, at + insert.size())) {
        text.replace(at, marker.size(), insert);
    }
    return text;
}

std::wstring ReplaceFirst(std::wstring text, const std::wstring& placeholder, const std::wstring& value) {
    size_t at = text.find(placeholder);
    if (at != std::wstring::npos) text.replace(at, placeholder.size(), value);
    return text;
}

namespace {
// Written out by hand: the standard library's wide conversion goes through the C runtime's
// formatted printing, which cost the mode list most of its refill time.
std::wstring DecimalText(unsigned long long magnitude, bool negative) {
    size_t length = negative ? 2 : 1;
    for (unsigned long long rest = magnitude / 10; rest != 0; rest /= 10) ++length;
    std::wstring text(length, L'-');
    for (size_t at = length; at-- > (negative ? 1u : 0u); magnitude /= 10) {
        text[at] = static_cast<wchar_t>(L'0' + magnitude % 10);
    }
    return text;
}
}  // namespace

std::wstring SignedText(long long value) {
    // Negated as an unsigned number, so the smallest value has a magnitude too.
    const unsigned long long magnitude =
        value < 0 ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    return DecimalText(magnitude, value < 0);
}

std::wstring UnsignedText(unsigned long long value) { return DecimalText(value, false); }

std::wstring HexText(unsigned long value, bool upperCase) {
    const wchar_t* digits = upperCase ? L"0123456789ABCDEF" : L"0123456789abcdef";
    std::wstring text;
    do {
        text.insert(text.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

std::wstring SizeText(unsigned long long width, unsigned long long height) {
    std::wstring text = UnsignedText(width);
    text.reserve(text.size() + 3 + 20);  // one allocation for the whole text
    text += L" x ";
    text += UnsignedText(height);
    return text;
}
