#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "fakes/ArgumentSplitter.h"

using Arguments = std::vector<std::wstring>;

TEST(SplitLikeCRuntime, FollowsTheRuntimeRules) {
    const struct {
        std::wstring line;
        Arguments expected;
    } cases[] = {
        {L"", {}},
        {L"   \t ", {}},
        {L" -H1024 -V768", {L"-H1024", L"-V768"}},
        {L"a\tb", {L"a", L"b"}},
        {L"\"abc\" d e", {L"abc", L"d", L"e"}},
        {L"a\\\\\\b d\"e f\"g h", {L"a\\\\\\b", L"de fg", L"h"}},
        {L"a\\\\\\\"b c d", {L"a\\\"b", L"c", L"d"}},
        {L"a\\\\\\\\\"b c\" d e", {L"a\\\\b c", L"d", L"e"}},
        {L" \"-XC:\\Program Files\\x.exe\"", {L"-XC:\\Program Files\\x.exe"}},
        {L"\"\" x", {L"", L"x"}},
        {L"\"a\"\"b\" c", {L"a\"b", L"c"}},
        {L"trailing\\", {L"trailing\\"}},
        {L"\"open quote to the end", {L"open quote to the end"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitLikeCRuntime(c.line), c.expected) << c.line;
}

// The shell's splitter shares the runtime's rules for blanks, quotes and backslashes; comparing
// with it guards the helper against slips in those rules.
TEST(SplitLikeCRuntime, AgreesWithThePlatformSplitter) {
    const std::wstring lines[] = {
        L" -H1 \"-XC:\\Program Files\\a b.exe\"",
        L"a\\\\\"b c\" d",
        L"x\\\"y z",
        L"\"C:\\dir\\\\\" next",
        L"  many   blanks\there ",
        L"\"quoted\"glued\"again\" end",
        L"\\\\server\\share\\x.exe \"\"",
    };
    for (const std::wstring& line : lines) {
        int count = 0;
        const std::wstring full = L"prog.exe " + line;
        LPWSTR* vector = CommandLineToArgvW(full.c_str(), &count);
        ASSERT_NE(vector, nullptr);
        Arguments platform(vector + 1, vector + count);
        LocalFree(vector);
        EXPECT_EQ(SplitLikeCRuntime(line), platform) << line;
    }
}
