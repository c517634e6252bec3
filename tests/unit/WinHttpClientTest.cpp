#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/FakeWinHttp.h"
#include "updater/WinHttpClient.h"

namespace {

const DWORD kTls12And13 = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3;

std::string Option(const char* handle, DWORD option, const std::string& value) {
    return std::string("SetOption ") + handle + " " + std::to_string(option) + " " + value;
}

struct Client {
    FakeWinHttp* api = new FakeWinHttp;
    WinHttpClient web{std::unique_ptr<IWinHttp>(api)};

    DWORD Send(const wchar_t* address) { return web.Send(*ParseWebAddress(address), L"Agent/1", 7000); }
    bool Journalled(const std::string& entry) const {
        return std::find(api->journal.begin(), api->journal.end(), entry) != api->journal.end();
    }
};

}  // namespace

TEST(WinHttpClient, AsksLoopbackDirectlyWithTls12AndEveryWaitBounded) {
    Client client;
    ASSERT_EQ(client.Send(L"http://127.0.0.1:8000/feed/SHA256SUMS"), 0u);
    const std::vector<std::string> expected = {
        "Open " + std::to_string(WINHTTP_ACCESS_TYPE_NO_PROXY),
        Option("session", WINHTTP_OPTION_SECURE_PROTOCOLS, std::to_string(kTls12And13)),
        "SetTimeouts 7000 7000 7000 7000",
        "Connect 127.0.0.1 8000",
        "OpenRequest /feed/SHA256SUMS",
        Option("request", WINHTTP_OPTION_DISABLE_FEATURE,
               std::to_string(WINHTTP_DISABLE_REDIRECTS | WINHTTP_DISABLE_COOKIES | WINHTTP_DISABLE_AUTHENTICATION)),
        Option("request", WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, "7000"),
        "SendRequest",
        "ReceiveResponse",
    };
    EXPECT_EQ(client.api->journal, expected);
}

TEST(WinHttpClient, WhereWindowsRefusesTls13OrTheOptionItsDefaultsStay) {
    for (const bool refusesBoth : {false, true}) {
        Client client;
        client.api->refusedProtocols = {kTls12And13};
        if (refusesBoth) client.api->refusedProtocols.insert(WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2);
        EXPECT_EQ(client.Send(L"https://127.0.0.1/x"), 0u);
        EXPECT_TRUE(client.Journalled(
            Option("session", WINHTTP_OPTION_SECURE_PROTOCOLS, std::to_string(WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2))));
        EXPECT_TRUE(client.Journalled("OpenRequest /x secure"));
        EXPECT_EQ(client.api->journal.back(), "ReceiveResponse");
    }
}

TEST(WinHttpClient, TheUsersProxyFromWindowsOrFromTheirSettings) {
    const std::string automatic = "Open " + std::to_string(WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY);
    const std::string direct = "Open " + std::to_string(WINHTTP_ACCESS_TYPE_NO_PROXY);
    const std::string proxyOption = "SetOption request " + std::to_string(WINHTTP_OPTION_PROXY);
    const std::string asked = "GetProxyForUrl https://example.org/SHA256SUMS flags ";
    const struct {
        const char* name;
        bool automaticProxy;
        std::optional<UserProxySettings> user;
        std::optional<ProxyFound> found;
        std::vector<std::string> expected;  // the proxy's part of the journal
    } cases[] = {
        {"Windows 8.1 and later", true, UserProxySettings{false, L"", L"set:1", L""}, std::nullopt, {automatic}},
        {"settings unreadable", false, std::nullopt, std::nullopt, {automatic, direct, "GetUserProxySettings"}},
        {"no proxy",
         false,
         UserProxySettings{false, L"", L"", L""},
         std::nullopt,
         {automatic, direct, "GetUserProxySettings"}},
        {"set by hand",
         false,
         UserProxySettings{false, L"", L"set:1", L"<local>"},
         std::nullopt,
         {automatic, direct, "GetUserProxySettings", proxyOption + " set:1 bypass <local>"}},
        {"detected",
         false,
         UserProxySettings{true, L"", L"", L""},
         ProxyFound{WINHTTP_ACCESS_TYPE_NAMED_PROXY, L"found:2", L""},
         {automatic, direct, "GetUserProxySettings", asked + "1 detect 3 script  logon 0",
          proxyOption + " found:2 bypass "}},
        {"script finds direct",
         false,
         UserProxySettings{false, L"http://wpad/p.pac", L"set:1", L""},
         ProxyFound{WINHTTP_ACCESS_TYPE_NO_PROXY, L"", L""},
         {automatic, direct, "GetUserProxySettings", asked + "2 detect 0 script http://wpad/p.pac logon 0"}},
        {"script finds nothing",
         false,
         UserProxySettings{true, L"http://wpad/p.pac", L"set:1", L""},
         std::nullopt,
         {automatic, direct, "GetUserProxySettings", asked + "3 detect 3 script http://wpad/p.pac logon 0",
          proxyOption + " set:1 bypass "}},
    };
    for (const auto& c : cases) {
        Client client;
        client.api->automaticProxy = c.automaticProxy;
        client.api->user = c.user;
        client.api->found = c.found;
        EXPECT_EQ(client.Send(L"https://example.org/SHA256SUMS"), 0u) << c.name;
        std::vector<std::string> proxyPart;
        for (const std::string& entry : client.api->journal) {
            if (entry.rfind("Open ", 0) == 0 || entry.rfind("Get", 0) == 0 || entry.rfind(proxyOption, 0) == 0) {
                proxyPart.push_back(entry);
            }
        }
        EXPECT_EQ(proxyPart, c.expected) << c.name;
        EXPECT_EQ(client.api->journal.back(), "ReceiveResponse") << c.name;
    }
}

TEST(WinHttpClient, ReadsTakeOnlyWhatHasArrived) {
    Client client;
    client.api->arrivals = {"ab", "cdefg"};
    ASSERT_EQ(client.Send(L"http://127.0.0.1/x"), 0u);
    client.api->journal.clear();
    std::string body;
    EXPECT_EQ(client.web.Read(body, 100), 0u);
    EXPECT_EQ(body, "ab");
    EXPECT_EQ(client.web.Read(body, 3), 0u);  // the caller's limit
    EXPECT_EQ(body, "abcde");
    EXPECT_EQ(client.web.Read(body, 100), 0u);
    EXPECT_EQ(client.web.Read(body, 100), 0u);  // the end: nothing more
    EXPECT_EQ(body, "abcdefg");
    EXPECT_EQ(client.api->journal,
              (std::vector<std::string>{"QueryDataAvailable", "ReadData 2", "QueryDataAvailable", "ReadData 3",
                                        "QueryDataAvailable", "ReadData 2", "QueryDataAvailable"}));
}

TEST(WinHttpClient, CancelClosesEachHandleOnceAndNothingOpensAfterIt) {
    Client client;
    ASSERT_EQ(client.Send(L"http://127.0.0.1/x"), 0u);
    client.api->journal.clear();
    client.web.Cancel();
    EXPECT_EQ(client.api->journal, (std::vector<std::string>{"Close request", "Close connection", "Close session"}));
    std::string body;
    EXPECT_EQ(client.web.Read(body, 100), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    client.api->journal.clear();
    EXPECT_EQ(client.Send(L"http://127.0.0.1/x"), static_cast<DWORD>(ERROR_WINHTTP_OPERATION_CANCELLED));
    EXPECT_EQ(client.api->journal,
              (std::vector<std::string>{"Open " + std::to_string(WINHTTP_ACCESS_TYPE_NO_PROXY), "Close session"}));
}
