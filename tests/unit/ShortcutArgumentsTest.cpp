#include <gtest/gtest.h>

#include <functional>

#include "shortcut/ShortcutSettings.h"

namespace {

struct ArgumentsCase {
    const char* name;
    std::function<void(ShortcutSettings&)> set;
    std::wstring expected;
};

}  // namespace

TEST(BuildShortcutArguments, FreshSettingsGiveNothing) {
    ShortcutSettings settings;
    EXPECT_EQ(settings.deviceNumber, -1);
    EXPECT_EQ(BuildShortcutArguments(settings), L"");
}

TEST(BuildShortcutArguments, EachGivenValueIsWrittenAfterOneBlank) {
    const ArgumentsCase cases[] = {
        {"path only", [](ShortcutSettings& s) { s.programPath = L"C:\\Games\\game.exe"; },
         L" \"-XC:\\Games\\game.exe\""},
        {"path with blanks", [](ShortcutSettings& s) { s.programPath = L"C:\\Program Files\\My Game\\run it.exe"; },
         L" \"-X\\\"C:\\Program Files\\My Game\\run it.exe\\\"\""},
        {"path with a tab", [](ShortcutSettings& s) { s.programPath = L"C:\\a\tb.exe"; },
         L" \"-X\\\"C:\\a\tb.exe\\\"\""},
        {"device 0 is a device", [](ShortcutSettings& s) { s.deviceNumber = 0; }, L" -M0"},
        {"device 3", [](ShortcutSettings& s) { s.deviceNumber = 3; }, L" -M3"},
        {"device -1 is none", [](ShortcutSettings& s) { s.deviceNumber = -1; }, L""},
        {"other negative device is none", [](ShortcutSettings& s) { s.deviceNumber = -2; }, L""},
        {"rotation 1", [](ShortcutSettings& s) { s.rotation = 1; }, L" -O90"},
        {"rotation 2", [](ShortcutSettings& s) { s.rotation = 2; }, L" -O180"},
        {"rotation 3", [](ShortcutSettings& s) { s.rotation = 3; }, L" -O270"},
        {"rotation out of range", [](ShortcutSettings& s) { s.rotation = 4; }, L""},
        {"1 bpp", [](ShortcutSettings& s) { s.bitsPerPixel = 1; }, L" -C2"},
        {"8 bpp", [](ShortcutSettings& s) { s.bitsPerPixel = 8; }, L" -C256"},
        {"15 bpp", [](ShortcutSettings& s) { s.bitsPerPixel = 15; }, L" -C32768"},
        {"24 bpp", [](ShortcutSettings& s) { s.bitsPerPixel = 24; }, L" -C16777216"},
        {"32 bpp", [](ShortcutSettings& s) { s.bitsPerPixel = 32; }, L" -C4294967296"},
        {"62 bpp", [](ShortcutSettings& s) { s.bitsPerPixel = 62; }, L" -C4611686018427387904"},
        {"63 bpp would read back clamped", [](ShortcutSettings& s) { s.bitsPerPixel = 63; }, L""},
        {"64 bpp has no count", [](ShortcutSettings& s) { s.bitsPerPixel = 64; }, L""},
        {"huge bpp has no count", [](ShortcutSettings& s) { s.bitsPerPixel = 0xFFFFFFFFu; }, L""},
        {"width", [](ShortcutSettings& s) { s.width = 1024; }, L" -H1024"},
        {"largest width unsigned", [](ShortcutSettings& s) { s.width = 4294967295u; }, L" -H4294967295"},
        {"height", [](ShortcutSettings& s) { s.height = 768; }, L" -V768"},
        {"frequency", [](ShortcutSettings& s) { s.frequency = 75; }, L" -F75"},
        {"permanent bare", [](ShortcutSettings& s) { s.updateRegistry = true; }, L" -U"},
        {"maximized bare", [](ShortcutSettings& s) { s.onlyWhenMaximized = true; }, L" -R"},
        {"U then R after numbers, before X",
         [](ShortcutSettings& s) {
             s.onlyWhenMaximized = true;
             s.updateRegistry = true;
             s.programPath = L"C:\\a.exe";
             s.rotation = 3;
             s.width = 640;
         },
         L" -H640 -O270 -U -R \"-XC:\\a.exe\""},
        {"every option in order",
         [](ShortcutSettings& s) {
             s.programPath = L"D:\\Old Games\\doom.exe";
             s.width = 1280;
             s.height = 1024;
             s.bitsPerPixel = 32;
             s.frequency = 75;
             s.deviceNumber = 1;
             s.rotation = 0;
             s.onlyWhenMaximized = true;
         },
         L" -H1280 -V1024 -C4294967296 -F75 -M1 -R \"-X\\\"D:\\Old Games\\doom.exe\\\"\""},
        // Quoting follows the C runtime's rules so odd paths arrive unchanged.
        {"trailing backslash doubled before the closing quote",
         [](ShortcutSettings& s) { s.programPath = L"C:\\dir\\"; }, L" \"-XC:\\dir\\\\\""},
        {"embedded quote escaped", [](ShortcutSettings& s) { s.programPath = L"a\"b"; }, L" \"-Xa\\\"b\""},
        {"trailing backslash of a path with blanks doubled before its quote",
         [](ShortcutSettings& s) { s.programPath = L"C:\\my dir\\"; }, L" \"-X\\\"C:\\my dir\\\\\\\"\""},
        {"backslashes inside the path stay single",
         [](ShortcutSettings& s) { s.programPath = L"\\\\server\\share\\x.exe"; }, L" \"-X\\\\server\\share\\x.exe\""},
    };
    for (const ArgumentsCase& c : cases) {
        ShortcutSettings settings;
        c.set(settings);
        EXPECT_EQ(BuildShortcutArguments(settings), c.expected) << c.name;
    }
}

TEST(ColourCountFromBits, IsTwoToThePowerAndZeroWhenNotGivenOrUncountable) {
    const struct {
        uint32_t bits;
        uint64_t count;
    } cases[] = {
        {0, 0},  {1, 2},  {4, 16},  {16, 65536},      {32, 4294967296ull}, {63, 0x8000000000000000ull},
        {64, 0}, {65, 0}, {200, 0}, {0xFFFFFFFFu, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ColourCountFromBits(c.bits), c.count) << c.bits;
}
