#include "updater/UpdaterRequest.h"

#include <cwctype>
#include <limits>

namespace {

bool IsBlank(wchar_t character) { return character == L' ' || character == L'\t'; }

// Splits the last blank-separated word off text; false when there is no blank before it.
bool TakeLastWord(std::wstring& text, std::wstring& word) {
    const size_t blank = text.find_last_of(L" \t");
    if (blank == std::wstring::npos) return false;
    word = text.substr(blank + 1);
    text.erase(blank);
    return !word.empty();
}

std::optional<long long> SignedDecimal(const std::wstring& text) {
    size_t position = 0;
    const bool negative = !text.empty() && text[0] == L'-';
    if (negative) position = 1;
    if (position == text.size()) return std::nullopt;
    // Accumulated as a negative number, which also holds the most negative value.
    long long value = 0;
    constexpr long long kLowest = std::numeric_limits<long long>::min();
    for (; position < text.size(); ++position) {
        const wchar_t character = text[position];
        if (character < L'0' || character > L'9') return std::nullopt;
        const int digit = character - L'0';
        if (value < (kLowest + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative) return value;
    if (value == kLowest) return std::nullopt;
    return -value;
}

}  // namespace

std::optional<UpdaterRequest> ParseUpdaterRequest(const std::wstring& parameters) {
    std::wstring text = parameters;
    while (!text.empty() && IsBlank(text.back())) text.pop_back();
    std::wstring flag, version, marker;
    if (!TakeLastWord(text, flag) || !TakeLastWord(text, version) || !TakeLastWord(text, marker)) {
        return std::nullopt;
    }
    if (flag != L"0" && flag != L"1") return std::nullopt;
    if (marker != L"0") return std::nullopt;
    const std::optional<long long> number = SignedDecimal(version);
    if (!number) return std::nullopt;
    while (!text.empty() && IsBlank(text.front())) text.erase(0, 1);
    if (text.empty()) return std::nullopt;
    return UpdaterRequest{text, *number, flag == L"1"};
}

std::wstring DottedFileVersion(long long fileVersion) {
    const unsigned long long bits = static_cast<unsigned long long>(fileVersion);
    return std::to_wstring((bits >> 48) & 0xFFFF) + L"." + std::to_wstring((bits >> 32) & 0xFFFF) + L"." +
           std::to_wstring((bits >> 16) & 0xFFFF) + L"." + std::to_wstring(bits & 0xFFFF);
}
