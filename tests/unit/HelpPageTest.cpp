#include <gtest/gtest.h>

#include "dialog/AboutMenuItem.h"
#include "dialog/ColumnWidths.h"
#include "dialog/HelpPage.h"
#include "dialog/ModeSort.h"
#include "framework/WinApp.h"

TEST(HelpPage, ReadmeSitsNextToTheProgram) {
    const struct {
        std::wstring program;
        std::wstring help;
    } cases[] = {
        {L"C:\\Program Files\\Pixmode\\pixmode.exe", L"C:\\Program Files\\Pixmode\\readme.html"},
        {L"C:\\pixmode.exe", L"C:\\readme.html"},
        {L"\\\\server\\share\\tools\\pix mode.exe", L"\\\\server\\share\\tools\\readme.html"},
        {L"pixmode.exe", L"readme.html"},
        {L"C:\\" + std::wstring(300, L'a') + L"\\p.exe", L"C:\\" + std::wstring(300, L'a') + L"\\readme.html"},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpFilePath(c.program), c.help);
}

TEST(HelpPage, ModulePathIsTheRunningProgram) {
    std::wstring path = ModuleFilePath(AppInstance());
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), L".exe");
    EXPECT_NE(path.find(L'\\'), std::wstring::npos);
}

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

TEST(ColumnWidths, AverageWidthRoundsTheLettersExtent) {
    EXPECT_EQ(AverageWidthFromExtent(0), 0);
    EXPECT_EQ(AverageWidthFromExtent(25), 0);
    EXPECT_EQ(AverageWidthFromExtent(26), 1);
    EXPECT_EQ(AverageWidthFromExtent(311), 6);
    EXPECT_EQ(AverageWidthFromExtent(312), 6);
    EXPECT_EQ(AverageWidthFromExtent(338), 7);
}

TEST(SortDirection, NewColumnStartsAscendingSameColumnTurnsRound) {
    EXPECT_TRUE(NextSortAscending(2, 1, false));
    EXPECT_TRUE(NextSortAscending(2, 1, true));
    EXPECT_FALSE(NextSortAscending(1, 1, true));
    EXPECT_TRUE(NextSortAscending(1, 1, false));
}
