#include "app/DecimalNumber.h"

#include <limits>

namespace {

// The characters the C locale counts as white space.
bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Accumulates the magnitude towards the sign's limit, so no intermediate value can overflow.
template <typename Number>
Number ReadClamped(const std::wstring& text) {
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) {
        negative = text[at] == L'-';
        ++at;
    }
    Number value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        const Number digit = static_cast<Number>(text[at] - L'0');
        if (negative) {
            if (value < (std::numeric_limits<Number>::min() + digit) / 10) return std::numeric_limits<Number>::min();
            value = value * 10 - digit;
        } else {
            if (value > (std::numeric_limits<Number>::max() - digit) / 10) return std::numeric_limits<Number>::max();
            value = value * 10 + digit;
        }
    }
    return value;
}

}  // namespace

int32_t ReadInt32(const std::wstring& text) { return ReadClamped<int32_t>(text); }

int64_t ReadInt64(const std::wstring& text) { return ReadClamped<int64_t>(text); }
