#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

#include "app/CommandLineParser.h"

namespace {

constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();

struct NumberCase {
    const wchar_t* text;
    int32_t as32;
    int64_t as64;
};

const NumberCase kCases[] = {
    {L"", 0, 0},
    {L"+", 0, 0},
    {L"abc", 0, 0},
    {L"0012", 12, 12},
    {L"+5", 5, 5},
    {L"-5", -5, -5},
    {L"\t\n\v\f\r 7", 7, 7},
    {L"12abc", 12, 12},
    {L"1 2", 1, 1},
    {L"--5", 0, 0},
    {L"- 5", 0, 0},
    {L"\xFF18\xFF10\xFF10", 800, 800},  // full-width digits
    {L"\u3000600", 600, 600},           // ideographic space
    {L"\u00A075", 75, 75},              // no-break space
    {L"\x0661\x0662", 12, 12},          // Arabic-Indic digits
    {L"8\xFF10\x0660", 800, 800},       // scripts mixed within one number
    {L"2147483648", kMax32, 2147483648LL},
    {L"-2147483649", kMin32, -2147483649LL},
    {L"4294967296", kMax32, 4294967296LL},
    {L"9223372036854775808", kMax32, kMax64},
    {L"-9223372036854775809", kMin32, kMin64},
    {L"123456789012345678901234567890", kMax32, kMax64},
};

}  // namespace

// Every number of the command line is read as the C runtime of the same build reads it.
TEST(CommandLineNumbers, ReadAsTheRuntimeConversionReadsThem) {
    for (const NumberCase& c : kCases) {
        const std::wstring text = c.text;
        SCOPED_TRACE(testing::PrintToString(text));
        const long runtime32 = wcstol(text.c_str(), nullptr, 10);
        const long long runtime64 = _wcstoi64(text.c_str(), nullptr, 10);
        EXPECT_EQ(runtime32, c.as32);
        EXPECT_EQ(runtime64, c.as64);

        bool updateRegistry = false;
        const CommandLineOptions options = ReadArguments({L"pixmode.exe", L"-H" + text, L"-V" + text, L"-F" + text,
                                                          L"-O" + text, L"-M" + text, L"-W" + text, L"-C" + text},
                                                         updateRegistry);
        EXPECT_EQ(options.width, runtime32);
        EXPECT_EQ(options.height, runtime32);
        EXPECT_EQ(options.frequency, runtime32);
        EXPECT_EQ(options.monitorNumber, runtime32);
        EXPECT_EQ(options.colourCount, static_cast<uint64_t>(runtime64));
        if (!options.listWindows) {
            EXPECT_EQ(options.windowNumber, runtime32);
        }

        // A bare argument is a mode number unless it begins with a prefix character.
        if (text.empty() || (text[0] != L'-' && text[0] != L'+')) {
            const CommandLineOptions bare = ReadArguments({L"pixmode.exe", text}, updateRegistry);
            EXPECT_EQ(bare.modeNumber, runtime32);
        }
    }
}

TEST(CommandLineNumbers, OrientationComesFromTheRuntimeReading) {
    bool updateRegistry = false;
    EXPECT_EQ(ReadArguments({L"pixmode.exe", L"-O\xFF19\xFF10"}, updateRegistry).orientation, 1u);
    EXPECT_EQ(ReadArguments({L"pixmode.exe", L"-O\u3000270"}, updateRegistry).orientation, 3u);
}
