#include <gtest/gtest.h>

#include "fakes/FakeUpdaterHost.h"
#include "fakes/FakeWebClient.h"
#include "updater/FeedFetch.h"
#include "updater/UpdateCheck.h"
#include "updater/UpdaterRun.h"

namespace {

const std::string kSum = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";
const wchar_t kByHand[] = L"C:\\Program Files\\Pixmode\\pixmode.exe 0 562980018192384 0";
const wchar_t kAutomatic[] = L"C:\\Program Files\\Pixmode\\pixmode.exe 0 562980018192384 1";
const wchar_t kFeed[] = L"http://127.0.0.1:8000/releases";
const wchar_t kInstalled[] = L"Pixmode 2.7.0.0 is installed.";

ScriptedAnswer Feed(const std::string& versions) {
    std::string body;
    size_t start = 0;
    while (start < versions.size()) {
        const size_t end = versions.find(' ', start);
        body += kSum + "  pixmode-" + versions.substr(start, end - start) + ".zip\n";
        start = end == std::string::npos ? versions.size() : end + 1;
    }
    return {0, 200, L"", {body}};
}

ScriptedAnswer Redirect(const wchar_t* location) { return {0, 302, location, {}}; }

Fetched Fetch(FakeWebClient& web, const wchar_t* address = L"http://127.0.0.1:8000/SHA256SUMS") {
    return FetchFile(web, *ParseWebAddress(address), L"Pixmode-Updater/2.7.0.0");
}

struct UpdaterRun {
    std::shared_ptr<FakeWebClient> web = std::make_shared<FakeWebClient>();
    FakeUpdaterHost host;

    void Start(const wchar_t* parameters, const std::wstring& test = kFeed, const std::wstring& built = L"") {
        RunUpdater(parameters, {built, test}, web, host);
    }
    std::wstring OnlyBox() const {
        EXPECT_EQ(host.shown.size(), 1u);
        return host.shown.empty() ? L"" : host.shown[0].text;
    }
};

}  // namespace

TEST(FeedFetch, AsksWithTheUserAgentAloneWithinTheTimeLimit) {
    FakeWebClient web;
    web.answers = {{0, 200, L"", {"first ", "second", ""}, 10}};
    const Fetched fetched = Fetch(web);
    EXPECT_EQ(fetched.kind, Fetched::Kind::Received);
    EXPECT_EQ(fetched.body, "first second");
    ASSERT_EQ(web.sent.size(), 1u);
    EXPECT_EQ(web.sent[0].address, L"http://127.0.0.1:8000/SHA256SUMS");
    EXPECT_EQ(web.sent[0].userAgent, L"Pixmode-Updater/2.7.0.0");
    EXPECT_EQ(web.sent[0].timeout, 12000u);
}

TEST(FeedFetch, FollowsRedirectsOnlyWhereItMayAskAndOnlyFiveTimes) {
    FakeWebClient web;
    web.answers = {Redirect(L"/moved"), Redirect(L"https://example.org/SHA256SUMS"), {0, 200, L"", {"list"}, 0}};
    EXPECT_EQ(Fetch(web).body, "list");
    ASSERT_EQ(web.sent.size(), 3u);
    EXPECT_EQ(web.sent[1].address, L"http://127.0.0.1:8000/moved");
    EXPECT_EQ(web.sent[2].address, L"https://example.org/SHA256SUMS");

    const struct {
        ScriptedAnswer redirect;
        Fetched::Kind kind;
    } refusals[] = {
        {Redirect(L"http://0.0.0.0:8000/SHA256SUMS"), Fetched::Kind::RedirectRefused},
        {{0, 301, L"http://example.org/SHA256SUMS", {}}, Fetched::Kind::RedirectRefused},
        {{0, 307, L"ftp://example.org/SHA256SUMS", {}}, Fetched::Kind::RedirectUnreadable},
        {{0, 308, L"", {}}, Fetched::Kind::RedirectUnreadable},
    };
    for (const auto& c : refusals) {
        FakeWebClient refusing;
        refusing.answers = {c.redirect};
        const Fetched fetched = Fetch(refusing);
        EXPECT_EQ(fetched.kind, c.kind) << c.redirect.location;
        EXPECT_EQ(fetched.location, c.redirect.location);
        EXPECT_EQ(refusing.sent.size(), 1u) << "the refused address was asked";
    }

    FakeWebClient looping;
    for (int index = 0; index < 7; ++index) looping.answers.push_back(Redirect(L"/again"));
    EXPECT_EQ(Fetch(looping).kind, Fetched::Kind::TooManyRedirects);
    EXPECT_EQ(looping.sent.size(), 6u);
}

TEST(FeedFetch, FailuresStatusSizeAndTimeAreEachReported) {
    const std::string full(kSizeLimit, 'x');
    const struct {
        ScriptedAnswer answer;
        Fetched::Kind kind;
        DWORD code;
    } cases[] = {
        {{12029, 0, L"", {}}, Fetched::Kind::Failed, 12029},
        {{0, 200, L"", {"part"}, 0, 12030}, Fetched::Kind::Failed, 12030},
        {{0, 404, L"", {"not found"}}, Fetched::Kind::Status, 404},
        {{0, 304, L"", {}}, Fetched::Kind::Status, 304},
        {{0, 200, L"", {full, "y"}}, Fetched::Kind::TooLarge, 0},
        {{0, 200, L"", {full}}, Fetched::Kind::Received, 0},
        // Each wait is bounded by the service; the whole fetch by the time left.
        {{0, 200, L"", {"a", "b", "c"}, 3000}, Fetched::Kind::TooSlow, 0},
        {{0, 200, L"", {"a"}, 3000}, Fetched::Kind::Received, 0},
    };
    for (const auto& c : cases) {
        FakeWebClient web;
        web.answers = {c.answer};
        const Fetched fetched = Fetch(web);
        EXPECT_EQ(fetched.kind, c.kind) << c.answer.status << " " << c.answer.chunks.size();
        EXPECT_EQ(fetched.code, c.code);
    }
    FakeWebClient web;
    web.answers = {{12002, 0, L"", {}}};
    EXPECT_EQ(Fetch(web).errorText, L"Text of 12002\r\n");
}

TEST(FeedFetch, RedirectsShareTheTimeLimit) {
    FakeWebClient web;
    web.answers = {{0, 302, L"/next", {}, 4000}, {0, 302, L"/last", {}, 4000}, {0, 200, L"", {"x"}, 1000}};
    Fetch(web);
    ASSERT_EQ(web.sent.size(), 3u);
    EXPECT_EQ(web.sent[1].timeout, 8000u);
    EXPECT_EQ(web.sent[2].timeout, 4000u);
}

TEST(FeedFetch, NoServerStretchesTheTimeLimit) {
    // A read that waits for bytes that never come: given up at the limit, and the wait it is in ends.
    const auto web = std::make_shared<FakeWebClient>();
    ScriptedAnswer drips{0, 200, L"", {"a", "b"}};
    drips.stalls = true;
    web->answers = {drips};
    const WebAddress address = *ParseWebAddress(L"http://127.0.0.1:8000/SHA256SUMS");
    EXPECT_EQ(FetchWithin(web, address, L"", std::chrono::milliseconds(50)).kind, Fetched::Kind::TooSlow);
    EXPECT_TRUE(web->StalledReadEnds(std::chrono::seconds(10)));
    EXPECT_TRUE(web->cancelled);

    // One that ends in time is not cancelled.
    const auto quick = std::make_shared<FakeWebClient>();
    quick->answers = {Feed("2.7.0.0")};
    EXPECT_EQ(FetchWithin(quick, address, L"", std::chrono::seconds(30)).kind, Fetched::Kind::Received);
    EXPECT_FALSE(quick->cancelled);
}

TEST(FeedFetch, NoServerOutThereSendsItToThisComputerOrItsNetwork) {
    for (const wchar_t* location :
         {L"https://127.0.0.1:8443/x", L"https://10.1.2.3/x", L"https://192.168.0.1/x", L"https://169.254.1.1/x",
          L"https://0.0.0.0/x", L"https://[::1]/x", L"https://[fe80::1]/x", L"https://2130706433/x"}) {
        FakeWebClient web;
        web.answers = {Redirect(location), Feed("2.7.0.0")};
        const Fetched fetched = Fetch(web, L"https://example.org/SHA256SUMS");
        EXPECT_EQ(fetched.kind, Fetched::Kind::RedirectToLocal) << location;
        EXPECT_EQ(fetched.location, location);
        EXPECT_EQ(web.sent.size(), 1u) << location;
    }
    // From this computer, it may: the tests' own servers send it on within loopback.
    FakeWebClient local;
    local.answers = {Redirect(L"https://127.0.0.1:8443/x"), Feed("2.7.0.0")};
    EXPECT_EQ(Fetch(local).kind, Fetched::Kind::Received);
}

TEST(FeedChoice, TestAddressOnlyOnLoopbackAndPlainHttpOnlyThere) {
    const struct {
        const wchar_t* built;
        const wchar_t* test;
        FeedChoice::Problem problem;
        const wchar_t* feed;
    } cases[] = {
        {L"", L"", FeedChoice::Problem::NoAddress, L""},
        {L"https://example.org/pixmode", L"", FeedChoice::Problem::None, L"https://example.org/pixmode/SHA256SUMS"},
        {L"https://example.org/", L"http://127.0.0.1:8000", FeedChoice::Problem::None,
         L"http://127.0.0.1:8000/SHA256SUMS"},
        {L"", L"http://[::1]:8000/feed/", FeedChoice::Problem::None, L"http://[::1]:8000/feed/SHA256SUMS"},
        {L"http://example.org/", L"", FeedChoice::Problem::NotHttps, L""},
        {L"", L"http://0.0.0.0:8000/", FeedChoice::Problem::NotHttps, L""},
        {L"", L"https://example.org/", FeedChoice::Problem::TestNotLoopback, L""},
        {L"", L"http://localhost:8000/", FeedChoice::Problem::NotHttps, L""},
        {L"https://example.org/?x=1", L"", FeedChoice::Problem::Unreadable, L""},
        {L"", L"127.0.0.1:8000", FeedChoice::Problem::Unreadable, L""},
    };
    for (const auto& c : cases) {
        const FeedChoice choice = ChooseFeed({c.built, c.test});
        EXPECT_EQ(choice.problem, c.problem) << c.built << " " << c.test;
        if (c.problem == FeedChoice::Problem::None) {
            EXPECT_EQ(WebAddressText(choice.feed), c.feed);
        }
    }
}

TEST(UpdaterRuns, ByHandOneBoxAlwaysAnswers) {
    const std::wstring at =
        L"\n\nThe list of releases could not be read from\nhttp://127.0.0.1:8000/releases/SHA256SUMS\n\n";
    const std::wstring list = L"\n\nThe list of releases at\nhttp://127.0.0.1:8000/releases/SHA256SUMS\n";
    const struct {
        ScriptedAnswer answer;
        std::wstring text;
        UINT style;
    } cases[] = {
        {Feed("2.6.0.0 2.7.0.0"), L" It is the latest version.", MB_OK | MB_ICONINFORMATION},
        {Feed("2.6.0.0 2.6.9.9"), L" It is newer than the latest release, 2.6.9.9.", MB_OK | MB_ICONINFORMATION},
        {{12029, 0, L"", {}},
         at + L"The address could not be reached.\n\nText of 12029 (error 12029)",
         MB_OK | MB_ICONWARNING},
        {{0, 404, L"", {}}, at + L"The server answered with HTTP status 404.", MB_OK | MB_ICONWARNING},
        {{0, 200, L"", {std::string(kSizeLimit + 1, '0')}},
         at + L"The answer is larger than 64 KiB.",
         MB_OK | MB_ICONWARNING},
        {{0, 200, L"", {"x"}, 6000}, at + L"The server did not answer within 10 seconds.", MB_OK | MB_ICONWARNING},
        {Redirect(L"http://0.0.0.0:8000/SHA256SUMS"),
         at + L"The server sent the updater on to an address that is not HTTPS, which it does not follow:\n"
              L"http://0.0.0.0:8000/SHA256SUMS",
         MB_OK | MB_ICONWARNING},
        {{0, 200, L"", {""}}, list + L"is not one the updater can trust: it lists no release.", MB_OK | MB_ICONWARNING},
        {{0, 200, L"", {kSum + "  pixmode-2.7.0.0.zip\nrubbish\n"}},
         list + L"is not one the updater can trust: line 2 is not of the form \"<SHA-256>  pixmode-<version>.zip\" or "
                L"names a version listed before.",
         MB_OK | MB_ICONWARNING},
    };
    for (const auto& c : cases) {
        UpdaterRun run;
        run.web->answers = {c.answer};
        run.Start(kByHand);
        EXPECT_EQ(run.OnlyBox(), kInstalled + c.text);
        EXPECT_EQ(run.host.shown[0].style, c.style);
        EXPECT_TRUE(run.host.opened.empty());
        EXPECT_EQ(run.host.writes, 0) << "a check by hand keeps no record";
    }
}

TEST(UpdaterRuns, ARedirectInwardIsRefusedWithItsOwnText) {
    UpdaterRun run;
    run.web->answers = {Redirect(L"https://192.168.1.1/SHA256SUMS")};
    run.Start(kByHand, L"", L"https://example.org/pixmode");
    EXPECT_EQ(run.OnlyBox(), std::wstring(kInstalled) +
                                 L"\n\nThe list of releases could not be read from\nhttps://example.org/pixmode/"
                                 L"SHA256SUMS\n\nThe server sent the updater on to an address on this computer or its "
                                 L"local network, which it does not follow:\nhttps://192.168.1.1/SHA256SUMS");
}

TEST(UpdaterRuns, OneAutomaticCheckAtATimeAndOnlyWithARecord) {
    UpdaterRun another;
    another.host.anotherAutomatic = true;
    another.web->answers = {Feed("2.8.0.0")};
    another.Start(kAutomatic);
    EXPECT_TRUE(another.web->sent.empty());
    EXPECT_TRUE(another.host.shown.empty());
    EXPECT_EQ(another.host.writes, 0);
    // By hand it answers all the same, and takes no mark.
    another.Start(kByHand);
    EXPECT_EQ(another.web->sent.size(), 1u);
    EXPECT_EQ(another.host.shown.size(), 1u);
    EXPECT_EQ(another.host.claims, 1);

    UpdaterRun unkept;
    unkept.host.recordKept = false;
    unkept.web->answers = {Feed("2.8.0.0")};
    unkept.Start(kAutomatic);
    EXPECT_EQ(unkept.host.writes, 1);
    EXPECT_TRUE(unkept.web->sent.empty()) << "asked without a record of it";
    EXPECT_TRUE(unkept.host.shown.empty());
}

TEST(UpdaterRuns, ByHandWithoutAnAddressItSaysWhy) {
    const struct {
        const wchar_t* built;
        const wchar_t* test;
        const wchar_t* text;
    } cases[] = {
        {L"", L"", L"This build of the updater has no address to look for newer versions at."},
        {L"", L"http://0.0.0.0:8000/",
         L"The updater does not ask\nhttp://0.0.0.0:8000/\nIt asks over HTTPS only, and over plain HTTP only on this "
         L"computer's loopback interface."},
        {L"", L"https://example.org/",
         L"The address in PIXMODE_UPDATER_TEST_FEED is not used: it is not a loopback address.\nhttps://example.org/"},
        {L"", L"127.0.0.1", L"The updater cannot read its address:\n127.0.0.1/"},
    };
    for (const auto& c : cases) {
        UpdaterRun run;
        run.Start(kByHand, c.test, c.built);
        EXPECT_EQ(run.OnlyBox(), std::wstring(kInstalled) + L"\n\n" + c.text);
        EXPECT_TRUE(run.web->sent.empty()) << c.test;
    }
}

TEST(UpdaterRuns, NewerVersionOffersItsDownloadAndYesOpensIt) {
    for (const int answer : {IDYES, IDNO}) {
        UpdaterRun run;
        run.web->answers = {Feed("2.8.0.0 2.7.0.0")};
        run.host.answers = {answer};
        run.Start(kByHand);
        EXPECT_EQ(run.OnlyBox(),
                  L"Pixmode 2.8.0.0 is available. Pixmode 2.7.0.0 is installed.\n\nOpen its download in your "
                  L"browser?\n\nhttp://127.0.0.1:8000/releases/pixmode-2.8.0.0.zip");
        EXPECT_EQ(run.host.shown[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(run.host.opened, (answer == IDYES ? std::vector<std::wstring>{L"http://127.0.0.1:8000/releases/"
                                                                                L"pixmode-2.8.0.0.zip"}
                                                    : std::vector<std::wstring>{}));
    }
    UpdaterRun unknown;
    unknown.web->answers = {Feed("0.0.0.1")};
    unknown.Start(L"C:\\p.exe 0 0 0");
    EXPECT_EQ(
        unknown.OnlyBox().rfind(L"Pixmode 0.0.0.1 is available. The installed Pixmode has no version information.", 0),
        0u);
}

TEST(UpdaterRuns, AutomaticallyOnlyANewerVersionIsShown) {
    const ScriptedAnswer silent[] = {Feed("2.7.0.0"),   Feed("2.6.0.0"),         {12029, 0, L"", {}},
                                     {0, 500, L"", {}}, {0, 200, L"", {"junk"}}, Redirect(L"http://0.0.0.0:1/")};
    for (const ScriptedAnswer& answer : silent) {
        UpdaterRun run;
        run.web->answers = {answer};
        run.Start(kAutomatic);
        EXPECT_TRUE(run.host.shown.empty()) << run.host.shown[0].text;
        EXPECT_EQ(run.web->sent.size(), 1u);
    }
    for (const wchar_t* test : {L"", L"http://0.0.0.0:8000/"}) {
        UpdaterRun run;
        run.Start(kAutomatic, test);
        EXPECT_TRUE(run.host.shown.empty());
        EXPECT_TRUE(run.web->sent.empty());
    }
}

TEST(UpdaterRuns, AutomaticallyAtMostOneRequestADayAndEachVersionAnnouncedOnce) {
    UpdaterRun run;
    run.web->answers = {Feed("2.8.0.0")};
    run.host.answers = {IDYES};
    run.Start(kAutomatic);
    ASSERT_EQ(run.host.shown.size(), 1u);
    EXPECT_EQ(run.host.opened.size(), 1u);
    EXPECT_EQ(run.host.record.lastRequest, run.host.now);
    EXPECT_EQ(run.host.record.announced, 0x0002000800000000ull);

    const struct {
        unsigned long long later;
        const char* feed;
        size_t requests;  // in all, so far
        size_t boxes;
    } steps[] = {
        {kOneDay - 1, "2.9.0.0", 1, 1},          // not yet a day
        {kOneDay, "2.8.0.0", 2, 1},              // a day: asks, but 2.8.0.0 was announced
        {2 * kOneDay, "2.9.0.0 2.8.0.0", 3, 2},  // a newer one is announced
        {2 * kOneDay + 5, "2.9.0.0", 3, 2},
        {kOneDay, "2.8.0.0", 4, 2},  // the clock went back: asks again, announces nothing older
    };
    const unsigned long long first = run.host.now;
    for (const auto& step : steps) {
        run.host.now = first + step.later;
        run.web->answers = {Feed(step.feed)};
        run.Start(kAutomatic);
        EXPECT_EQ(run.web->sent.size(), step.requests) << step.later;
        EXPECT_EQ(run.host.shown.size(), step.boxes) << step.later;
    }
    EXPECT_EQ(run.host.opened.size(), 1u);
    EXPECT_EQ(run.host.record.announced, 0x0002000900000000ull);

    // By hand it always asks and always answers, whatever the record says.
    run.web->answers = {Feed("2.9.0.0")};
    run.Start(kByHand);
    EXPECT_EQ(run.web->sent.size(), 5u);
    EXPECT_EQ(run.host.shown.size(), 3u);
}

TEST(UpdaterRuns, AFailedAutomaticRequestStillCountsForTheDay) {
    UpdaterRun run;
    run.Start(kAutomatic);  // nothing answers
    EXPECT_EQ(run.host.record.lastRequest, run.host.now);
    run.web->answers = {Feed("2.8.0.0")};
    run.Start(kAutomatic);
    EXPECT_EQ(run.web->sent.size(), 1u);
    EXPECT_TRUE(run.host.shown.empty());
}

TEST(CheckRecord, ValuesReadBackStrictly) {
    EXPECT_EQ(ReadRecordNumber(L"133000000000000000"), 133000000000000000ull);
    for (const wchar_t* bad : {L"", L"-1", L"12x", L"99999999999999999999", L" 1"}) {
        EXPECT_EQ(ReadRecordNumber(bad), 0u) << bad;
    }
    EXPECT_EQ(ReadRecordVersion(L"2.8.0.0"), 0x0002000800000000ull);
    EXPECT_EQ(ReadRecordVersion(L"2.8"), 0u);
}
