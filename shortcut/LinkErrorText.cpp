#include "shortcut/LinkErrorText.h"

#include <cstdint>

#include "framework/Strings.h"

namespace {

// Frees a buffer that FormatMessageW allocated.
class LocalText {
public:
    LocalText() = default;
    ~LocalText() {
        if (text_ != nullptr) LocalFree(text_);
    }
    LocalText(const LocalText&) = delete;
    LocalText& operator=(const LocalText&) = delete;

    wchar_t** Receive() { return &text_; }
    const wchar_t* Get() const { return text_; }

private:
    wchar_t* text_ = nullptr;
};

std::wstring UpperHexText(uint32_t value) {
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text;
    do {
        text.insert(text.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

}  // namespace

std::wstring SystemMessageText(HRESULT code) {
    LocalText buffer;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPWSTR>(buffer.Receive()), 0, nullptr);
    if (length == 0 || buffer.Get() == nullptr) return std::wstring();
    std::wstring text(buffer.Get(), length);
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, L"\r\n") == 0) {
        text.resize(text.size() - 2);
    } else if (!text.empty() && text.back() == L'\n') {
        text.pop_back();
    }
    return text;
}

std::wstring ComErrorText(HRESULT code, const std::wstring& systemText) {
    if (!systemText.empty()) return systemText;
    const uint32_t value = static_cast<uint32_t>(code);
    if (value >= 0x80040201u && value <= 0x8004FFFFu) return L"IDispatch error #" + UnsignedText(value - 0x80040200u);
    return L"Unknown error 0x" + UpperHexText(value);
}

std::wstring ShortcutFailureMessage(HRESULT code) {
    return L"Failed to save the shortcut\n\n" + ComErrorText(code, SystemMessageText(code));
}
