#include <gtest/gtest.h>

#include "framework/Strings.h"
#include "res/resource.h"
#include "shortcut/LinkErrorText.h"

TEST(ComErrorText, SystemTextWinsWhenThereIsOne) {
    EXPECT_EQ(ComErrorText(static_cast<HRESULT>(0x80040205), L"Some text."), L"Some text.");
    EXPECT_EQ(ComErrorText(static_cast<HRESULT>(0x12345678), L"x"), L"x");
}

TEST(ComErrorText, FallsBackByTheCodeRange) {
    const struct {
        uint32_t code;
        std::wstring expected;
    } cases[] = {
        {0x80040200u, FormatResString(IDS_UNKNOWN_ERROR, {L"80040200"})},
        {0x80040201u, FormatResString(IDS_IDISPATCH_ERROR, {L"1"})},
        {0x80040205u, FormatResString(IDS_IDISPATCH_ERROR, {L"5"})},
        {0x8004FFFFu, FormatResString(IDS_IDISPATCH_ERROR, {L"65023"})},
        {0x80050000u, FormatResString(IDS_UNKNOWN_ERROR, {L"80050000"})},
        {0x12345678u, FormatResString(IDS_UNKNOWN_ERROR, {L"12345678"})},
        {0x8007000Eu, FormatResString(IDS_UNKNOWN_ERROR, {L"8007000E"})},
        {0xABCDEFu, FormatResString(IDS_UNKNOWN_ERROR, {L"ABCDEF"})},
        {0u, FormatResString(IDS_UNKNOWN_ERROR, {L"0"})},
        {1u, FormatResString(IDS_UNKNOWN_ERROR, {L"1"})},
    };
    for (const auto& c : cases) EXPECT_EQ(ComErrorText(static_cast<HRESULT>(c.code), L""), c.expected) << c.code;
}

TEST(SystemMessageText, IsTheSystemTextWithoutItsLineBreak) {
    wchar_t raw[512] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(E_ACCESSDENIED), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                        raw, 512, nullptr);
    ASSERT_GT(length, 2u);
    const std::wstring full(raw, length);
    ASSERT_EQ(full.substr(full.size() - 2), L"\r\n");
    const std::wstring text = SystemMessageText(E_ACCESSDENIED);
    EXPECT_EQ(text, full.substr(0, full.size() - 2));
    EXPECT_NE(text.find(L"ccess"), std::wstring::npos) << text;
}

TEST(SystemMessageText, IsEmptyForACodeTheSystemDoesNotKnow) {
    EXPECT_EQ(SystemMessageText(static_cast<HRESULT>(0x12345678)), L"");
}

TEST(ShortcutFailureMessage, NamesTheFailureAndTheReason) {
    const auto failed = [](const std::wstring& reason) { return FormatResString(IDS_SHORTCUT_SAVE_FAILED, {reason}); };
    EXPECT_EQ(ShortcutFailureMessage(E_ACCESSDENIED), failed(SystemMessageText(E_ACCESSDENIED)));
    EXPECT_EQ(ShortcutFailureMessage(static_cast<HRESULT>(0x12345678)),
              failed(FormatResString(IDS_UNKNOWN_ERROR, {L"12345678"})));
    EXPECT_EQ(ShortcutFailureMessage(static_cast<HRESULT>(0x80040205)),
              failed(FormatResString(IDS_IDISPATCH_ERROR, {L"5"})));
}
