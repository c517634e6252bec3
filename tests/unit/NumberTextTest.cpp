#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "framework/Strings.h"

TEST(NumberText, EdgesOfBothRanges) {
    EXPECT_EQ(SignedText(0), L"0");
    EXPECT_EQ(SignedText(-1), L"-1");
    EXPECT_EQ(SignedText(10), L"10");
    EXPECT_EQ(SignedText(-2147483648LL), L"-2147483648");
    EXPECT_EQ(SignedText(LLONG_MAX), L"9223372036854775807");
    EXPECT_EQ(SignedText(LLONG_MIN), L"-9223372036854775808");
    EXPECT_EQ(UnsignedText(0), L"0");
    EXPECT_EQ(UnsignedText(9), L"9");
    EXPECT_EQ(UnsignedText(4294967295u), L"4294967295");
    EXPECT_EQ(UnsignedText(ULLONG_MAX), L"18446744073709551615");
}

TEST(NumberText, AgreesWithTheStandardConversion) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const unsigned long long bits = random() >> (random() % 64);
        const long long value = static_cast<long long>(bits) * (i % 2 ? -1 : 1);
        ASSERT_EQ(SignedText(value), std::to_wstring(value));
        ASSERT_EQ(UnsignedText(bits), std::to_wstring(bits));
    }
}
