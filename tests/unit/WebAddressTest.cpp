#include <gtest/gtest.h>

#include "updater/WebAddress.h"

TEST(WebAddress, ReadsSchemeHostPortAndPath) {
    const struct {
        const wchar_t* text;
        bool secure;
        const wchar_t* host;
        unsigned port;
        const wchar_t* path;
    } cases[] = {
        {L"https://example.org/pixmode/SHA256SUMS", true, L"example.org", 443, L"/pixmode/SHA256SUMS"},
        {L"HTTP://127.0.0.1:8080", false, L"127.0.0.1", 8080, L"/"},
        {L"http://[::1]:65535/a?b=c#frag", false, L"::1", 65535, L"/a?b=c"},
        {L"https://host?x", true, L"host", 443, L"/?x"},
    };
    for (const auto& c : cases) {
        const std::optional<WebAddress> address = ParseWebAddress(c.text);
        ASSERT_TRUE(address.has_value()) << c.text;
        EXPECT_EQ(address->secure, c.secure) << c.text;
        EXPECT_EQ(address->host, c.host) << c.text;
        EXPECT_EQ(address->port, c.port) << c.text;
        EXPECT_EQ(address->path, c.path) << c.text;
    }
    EXPECT_EQ(WebAddressText(*ParseWebAddress(L"http://[::1]:80")), L"http://[::1]/");
    EXPECT_EQ(WebAddressText(*ParseWebAddress(L"https://h:8443/x")), L"https://h:8443/x");
}

TEST(WebAddress, RejectsWhatItCannotReadStrictly) {
    for (const wchar_t* text : {L"",
                                L"ftp://host/",
                                L"file:///C:/x",
                                L"https:/host/",
                                L"https://",
                                L"https:///path",
                                L"https://user@host/",
                                L"https://host:/",
                                L"https://host:0/",
                                L"https://host:65536/",
                                L"https://host:08/",
                                L"https://ho st/",
                                L"https://host/a b",
                                L"https://host/\u00e9",
                                L"https://h\u00f6st/",
                                L"https://host\\path",
                                L"https://[::1/",
                                L"https://[::1]x/",
                                L"https://[]/",
                                L"https://[fe80::1%25eth0]/",
                                L"https://host_name/"}) {
        EXPECT_FALSE(ParseWebAddress(text).has_value()) << text;
    }
}

TEST(WebAddress, LoopbackIsTheLoopbackNetworkWrittenPlainly) {
    for (const wchar_t* host : {L"127.0.0.1", L"127.255.255.254", L"127.0.0.0", L"::1"}) {
        EXPECT_TRUE(IsLoopbackHost(host)) << host;
    }
    for (const wchar_t* host :
         {L"localhost", L"0.0.0.0", L"128.0.0.1", L"10.127.0.1", L"127.0.0.256", L"127.0.1", L"127.0.0.1.",
          L"0177.0.0.1", L"127.00.0.1", L"127.0.0.1x", L"::", L"0:0:0:0:0:0:0:1", L"example.org"}) {
        EXPECT_FALSE(IsLoopbackHost(host)) << host;
    }
}

TEST(WebAddress, PlainHttpOnlyOnLoopbackAndRedirectsOnlyToHttps) {
    const WebAddress remote = *ParseWebAddress(L"https://example.org/feed/");
    const WebAddress local = *ParseWebAddress(L"http://127.0.0.1:8000/feed/");
    EXPECT_TRUE(MayAsk(remote));
    EXPECT_TRUE(MayAsk(local));
    EXPECT_FALSE(MayAsk(*ParseWebAddress(L"http://0.0.0.0:8000/")));
    EXPECT_FALSE(MayAsk(*ParseWebAddress(L"http://example.org/")));

    EXPECT_TRUE(MayFollow(remote, *ParseWebAddress(L"https://cdn.example.net/x")));
    EXPECT_TRUE(MayFollow(local, *ParseWebAddress(L"https://cdn.example.net/x")));
    EXPECT_TRUE(MayFollow(local, *ParseWebAddress(L"http://127.0.0.2/x")));
    EXPECT_FALSE(MayFollow(local, *ParseWebAddress(L"http://0.0.0.0:8000/x")));
    EXPECT_FALSE(MayFollow(remote, *ParseWebAddress(L"http://example.org/x")));
    // No server out there may send the updater to this computer's own services.
    EXPECT_FALSE(MayFollow(remote, *ParseWebAddress(L"http://127.0.0.1/x")));
}

TEST(WebAddress, LocalHostsAreThoseWrittenAsNumbersThatLeadHereOrNearby) {
    for (const wchar_t* host : {L"127.0.0.1",       L"127.9.9.9",       L"0.0.0.0",     L"10.0.0.1",   L"172.16.0.1",
                                L"172.31.255.255",  L"192.168.1.1",     L"169.254.0.1", L"127.0.0.1.", L"2130706433",
                                L"127.1",           L"0x7f.0.0.1",      L"0177.0.0.1",  L"::1",        L"::",
                                L"0:0:0:0:0:0:0:1", L"fe80::1",         L"FEBF::1",     L"fc00::1",    L"fd12:3456::1",
                                L"::ffff:7f00:1",   L"::ffff:c0a8:101", L"1::2::3",     L"12345::1"}) {
        EXPECT_TRUE(IsLocalHost(host)) << host;
    }
    for (const wchar_t* host :
         {L"example.org", L"8.8.8.8", L"172.32.0.1", L"172.15.0.1", L"192.169.0.1", L"169.253.0.1", L"11.0.0.1",
          L"2001:db8::1", L"::ffff:808:808", L"fec0x.example", L"1.example", L"localhost"}) {
        EXPECT_FALSE(IsLocalHost(host)) << host;
    }
    const WebAddress remote = *ParseWebAddress(L"https://example.org/");
    const WebAddress loopback = *ParseWebAddress(L"http://127.0.0.1:8000/");
    EXPECT_TRUE(SendsInward(remote, *ParseWebAddress(L"https://10.0.0.1/")));
    EXPECT_FALSE(SendsInward(remote, *ParseWebAddress(L"https://cdn.example.net/")));
    EXPECT_FALSE(SendsInward(loopback, *ParseWebAddress(L"https://10.0.0.1/")));
}

TEST(WebAddress, RedirectTargetsAreAbsoluteOrOnTheSameServer) {
    const WebAddress base = *ParseWebAddress(L"http://127.0.0.1:8000/feed/SHA256SUMS");
    const struct {
        const wchar_t* location;
        const wchar_t* target;  // null: cannot be read
    } cases[] = {
        {L"/other/SHA256SUMS", L"http://127.0.0.1:8000/other/SHA256SUMS"},
        {L"/", L"http://127.0.0.1:8000/"},
        {L"https://example.org/x?y", L"https://example.org/x?y"},
        {L"//example.org/x", nullptr},
        {L"other/SHA256SUMS", nullptr},
        {L"", nullptr},
        {L"/a b", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<WebAddress> target = RedirectTarget(base, c.location);
        if (c.target == nullptr) {
            EXPECT_FALSE(target.has_value()) << c.location;
        } else {
            ASSERT_TRUE(target.has_value()) << c.location;
            EXPECT_EQ(WebAddressText(*target), c.target);
        }
    }
}
