#include "updater/Numbers.h"

std::optional<unsigned long long> PlainNumber(const std::wstring& text, unsigned long long limit) {
    if (text.empty() || (text.size() > 1 && text[0] == L'0')) return std::nullopt;
    unsigned long long value = 0;
    for (const wchar_t character : text) {
        if (character < L'0' || character > L'9') return std::nullopt;
        const unsigned digit = static_cast<unsigned>(character - L'0');
        if (value > (limit - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::optional<std::array<unsigned, 4>> DottedNumbers(const std::wstring& text, unsigned limit) {
    std::array<unsigned, 4> numbers{};
    size_t start = 0;
    for (size_t part = 0; part < numbers.size(); ++part) {
        const size_t dot = text.find(L'.', start);
        if ((part + 1 < numbers.size()) != (dot != std::wstring::npos)) return std::nullopt;
        const std::optional<unsigned long long> number = PlainNumber(text.substr(start, dot - start), limit);
        if (!number) return std::nullopt;
        numbers[part] = static_cast<unsigned>(*number);
        start = dot + 1;
    }
    return numbers;
}
