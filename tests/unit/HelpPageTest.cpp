#include <gtest/gtest.h>

#include "dialog/HelpPage.h"

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
