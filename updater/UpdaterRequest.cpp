#include "updater/UpdaterRequest.h"

#include "updater/Numbers.h"

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

// The program writes its version as a signed number: its bits are the version.
std::optional<FileVersion> SignedDecimal(const std::wstring& text) {
    const bool negative = !text.empty() && text[0] == L'-';
    const unsigned long long highest = 1ull << 63;
    const std::optional<unsigned long long> magnitude =
        PlainNumber(negative ? text.substr(1) : text, negative ? highest : highest - 1);
    if (!magnitude) return std::nullopt;
    return negative ? 0 - *magnitude : *magnitude;
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
    const std::optional<FileVersion> number = SignedDecimal(version);
    if (!number) return std::nullopt;
    while (!text.empty() && IsBlank(text.front())) text.erase(0, 1);
    if (text.empty()) return std::nullopt;
    return UpdaterRequest{text, *number, flag == L"1"};
}
