#include "shortcut/LinkErrorText.h"

#include <cstdint>

#include "framework/Strings.h"
#include "framework/SystemMessage.h"
#include "res/resource.h"

std::wstring SystemMessageText(HRESULT code) {
    std::wstring text = SystemErrorText(static_cast<DWORD>(code));
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
    if (value >= 0x80040201u && value <= 0x8004FFFFu) {
        return FormatResString(IDS_IDISPATCH_ERROR, {UnsignedText(value - 0x80040200u)});
    }
    return FormatResString(IDS_UNKNOWN_ERROR, {HexText(value, true)});
}

std::wstring ShortcutFailureMessage(HRESULT code) {
    return FormatResString(IDS_SHORTCUT_SAVE_FAILED, {ComErrorText(code, SystemMessageText(code))});
}
