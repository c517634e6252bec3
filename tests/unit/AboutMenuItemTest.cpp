#include <gtest/gtest.h>

#include "dialog/AboutMenuItem.h"

TEST(AboutMenuItem, SeparatorAndItemOnlyWithAText) {
    HMENU menu = CreatePopupMenu();
    ASSERT_NE(menu, nullptr);
    AppendMenuW(menu, MF_STRING, 0xF060, L"&Close");
    AddAboutMenuItem(menu, L"");
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    AddAboutMenuItem(menu, L"&About Pixmode...");
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(menu, 2), 16u);
    wchar_t text[64] = {};
    GetMenuStringW(menu, 2, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&About Pixmode...");
    DestroyMenu(menu);
}
