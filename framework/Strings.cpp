#include "framework/Strings.h"

#include "framework/WinApp.h"

std::wstring LoadResString(UINT id) {
    // With a zero buffer size LoadStringW hands out a read-only pointer to the resource text.
    const wchar_t* text = nullptr;
    int length = LoadStringW(AppInstance(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return std::wstring();
    return std::wstring(text, static_cast<size_t>(length));
}

std::wstring FormatText(const std::wstring& format, const std::vector<std::wstring>& inserts) {
    std::wstring text;
    text.reserve(format.size());
    size_t nextInTurn = 0;
    for (size_t at = 0; at < format.size(); ++at) {
        const wchar_t kind = at + 1 < format.size() ? format[at + 1] : L'\0';
        size_t insert = inserts.size();
        if (format[at] == L'%' && kind >= L'1' && kind <= L'9') {
            insert = static_cast<size_t>(kind - L'1');
        } else if (format[at] == L'%' && (kind == L'd' || kind == L's' || kind == L'u' || kind == L'x')) {
            insert = nextInTurn++;
        }
        if (insert < inserts.size()) {
            text += inserts[insert];
            ++at;
        } else {
            text += format[at];
        }
    }
    return text;
}

std::wstring FormatResString(UINT id, const std::vector<std::wstring>& inserts) {
    return FormatText(LoadResString(id), inserts);
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
