#include <gtest/gtest.h>

#include "updater/ReleaseFeed.h"

namespace {

const std::string kSum = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";

std::string Line(const std::string& name) { return kSum + "  " + name + "\n"; }

}  // namespace

TEST(ReleaseFeed, TheHighestVersionListedIsTheLatest) {
    const struct {
        std::string feed;
        const char* latest;
    } cases[] = {
        {Line("pixmode-2.7.0.0.zip"), "2.7.0.0"},
        // Compared as numbers, part by part, wherever the line stands.
        {Line("pixmode-2.10.0.0.zip") + Line("pixmode-2.9.0.0.zip"), "2.10.0.0"},
        {Line("pixmode-2.7.0.9.zip") + Line("pixmode-2.7.1.0.zip") + Line("pixmode-2.6.65535.65535.zip"), "2.7.1.0"},
        {Line("pixmode-65535.65535.65535.65535.zip") + Line("pixmode-0.0.0.0.zip"), "65535.65535.65535.65535"},
    };
    for (const auto& c : cases) {
        const FeedReading reading = ReadReleaseFeed(c.feed);
        ASSERT_TRUE(reading.readable) << c.feed;
        const std::string latest(c.latest);
        EXPECT_EQ(reading.latest, ParseDottedVersion(std::wstring(latest.begin(), latest.end())).value()) << c.feed;
    }
    EXPECT_EQ(ReadReleaseFeed(Line("pixmode-2.7.0.0.zip")).latest, 562980018192384ull);
}

TEST(ReleaseFeed, AnyMalformedLineMakesTheWholeListUnreadable) {
    const std::string good = Line("pixmode-2.7.0.0.zip");
    const struct {
        std::string feed;
        size_t badLine;
    } cases[] = {
        {"", 0},
        {"\n", 1},
        {good + "\n", 2},
        {good + Line("pixmode-2.8.0.0.zip").substr(1), 2},                      // 63 hex digits
        {kSum.substr(0, 63) + "g  pixmode-2.8.0.0.zip\n", 1},                   // not hex
        {"0123456789ABCDEF" + kSum.substr(16) + "  pixmode-2.8.0.0.zip\n", 1},  // not as sha256sum writes it
        {kSum + " pixmode-2.8.0.0.zip\n", 1},
        {kSum + " *pixmode-2.8.0.0.zip\n", 1},
        {kSum + "  pixmode-2.8.0.0.zip\r\n", 1},
        {kSum + "  pixmode-2.8.0.0.zip", 1},  // cut short
        {kSum + "  pixmode-2.8.0.0.zip \n", 1},
        {good + Line("pixmode-2.8.0.zip"), 2},
        {good + Line("pixmode-2.8.0.0.0.zip"), 2},
        {good + Line("pixmode-2.08.0.0.zip"), 2},
        {good + Line("pixmode-2.65536.0.0.zip"), 2},
        {good + Line("pixmode-2.-1.0.0.zip"), 2},
        {good + Line("pixmode-2..0.0.zip"), 2},
        {good + Line("pixmode-2.8.0.0.tar.gz"), 2},
        {good + Line("Pixmode-2.8.0.0.zip"), 2},
        {good + Line("pixmode-2.8.0.0.zip") + Line("pixmode-2.7.0.0.zip"), 3},  // listed twice
    };
    for (const auto& c : cases) {
        const FeedReading reading = ReadReleaseFeed(c.feed);
        EXPECT_FALSE(reading.readable) << c.feed;
        EXPECT_EQ(reading.badLine, c.badLine) << c.feed;
    }
}

TEST(ReleaseFeed, DottedVersionsAndArchiveNames) {
    EXPECT_EQ(ParseDottedVersion(L"1.2.3.4"), 0x0001000200030004ull);
    for (const wchar_t* bad :
         {L"", L"1.2.3", L"1.2.3.4.", L".1.2.3", L"1.2.3.x", L"1.2.3.65536", L"01.2.3.4", L"1.2.3.+4"}) {
        EXPECT_FALSE(ParseDottedVersion(bad).has_value()) << bad;
    }
    EXPECT_EQ(ArchiveName(562980018192384ull), L"pixmode-2.7.0.0.zip");
}
