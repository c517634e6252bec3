#include <gtest/gtest.h>

#include <limits>

#include "app/DecimalNumber.h"

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
    {L"-", 0, 0},
    {L"abc", 0, 0},
    {L"0", 0, 0},
    {L"12", 12, 12},
    {L"0012", 12, 12},
    {L"+5", 5, 5},
    {L"-5", -5, -5},
    {L" 12", 12, 12},
    {L"\t\n\v\f\r 7", 7, 7},
    {L"12abc", 12, 12},
    {L"1 2", 1, 1},
    {L"--5", 0, 0},
    {L"+-5", 0, 0},
    {L"- 5", 0, 0},
    {L"x5", 0, 0},
    {L"\x0661", 0, 0},  // only the digits 0 to 9 count
    {L"2147483647", kMax32, 2147483647LL},
    {L"2147483648", kMax32, 2147483648LL},
    {L"-2147483648", kMin32, -2147483648LL},
    {L"-2147483649", kMin32, -2147483649LL},
    {L"4294967296", kMax32, 4294967296LL},
    {L"99999999999", kMax32, 99999999999LL},
    {L"-99999999999", kMin32, -99999999999LL},
    {L"9223372036854775807", kMax32, kMax64},
    {L"9223372036854775808", kMax32, kMax64},
    {L"-9223372036854775808", kMin32, kMin64},
    {L"-9223372036854775809", kMin32, kMin64},
    {L"123456789012345678901234567890", kMax32, kMax64},
    {L"-123456789012345678901234567890x", kMin32, kMin64},
};

}  // namespace

TEST(DecimalNumber, ReadsLikeTheRuntimeConversionWithClamping) {
    for (const NumberCase& c : kCases) {
        EXPECT_EQ(ReadInt32(c.text), c.as32) << "32-bit: \"" << testing::PrintToString(std::wstring(c.text)) << "\"";
        EXPECT_EQ(ReadInt64(c.text), c.as64) << "64-bit: \"" << testing::PrintToString(std::wstring(c.text)) << "\"";
    }
}
