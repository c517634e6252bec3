#include <gtest/gtest.h>

#include "shortcut/LinkErrorText.h"

TEST(ComErrorText, SystemTextWinsWhenThereIsOne) {
    EXPECT_EQ(ComErrorText(static_cast<HRESULT>(0x80040205), L"Some text."), L"Some text.");
    EXPECT_EQ(ComErrorText(static_cast<HRESULT>(0x12345678), L"x"), L"x");
}

TEST(ComErrorText, FallsBackByTheCodeRange) {
    const struct { uint32_t code; const wchar_t* expected; } cases[] = {
        {0x80040200u, L"Unknown error 0x80040200"},
        {0x80040201u, L"IDispatch error #1"},
        {0x80040205u, L"IDispatch error #5"},
        {0x8004FFFFu, L"IDispatch error #65023"},
        {0x80050000u, L"Unknown error 0x80050000"},
        {0x12345678u, L"Unknown error 0x12345678"},
        {0x8007000Eu, L"Unknown error 0x8007000E"},
        {0xABCDEFu, L"Unknown error 0xABCDEF"},
        {0u, L"Unknown error 0x0"},
        {1u, L"Unknown error 0x1"},
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
    EXPECT_EQ(ShortcutFailureMessage(E_ACCESSDENIED), L"Failed to save the shortcut\n\n" + SystemMessageText(E_ACCESSDENIED));
    EXPECT_EQ(ShortcutFailureMessage(static_cast<HRESULT>(0x12345678)),
              L"Failed to save the shortcut\n\nUnknown error 0x12345678");
    EXPECT_EQ(ShortcutFailureMessage(static_cast<HRESULT>(0x80040205)),
              L"Failed to save the shortcut\n\nIDispatch error #5");
}
